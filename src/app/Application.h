// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class Window;
class Screen;

// The twelve windows, in creation order.
enum class Role {
    Form1,     // title screen, main window
    Form2,     // mode menu screen
    Form5,     // exercise catalogue screen
    AboutBox,  // about box
    Form35,    // exercise workspace screen
    AboutBox2, // second picture window
    AboutBox1, // picture window
    AboutBox3, // listing window
    Form36,    // environment articles screen
    Form37,    // language articles screen
    Form38,    // reference screen
    Form59,    // component library screen
};

// The program's application object: it owns the twelve windows, runs every handler through one
// dispatcher that turns a failing step into the error box, and keeps track of the active window itself.
//
// Activation is the program's own state rather than the window system's, so that the order of handlers is
// fixed and testable: showing a window makes it active, and the window that was active is deactivated
// first; hiding the active auxiliary window gives activation back to the current screen. The window
// system's activation events are turned into the same transition when they name a visible window of ours
// (the pupil clicked it); focus moving to or from other applications and modal message boxes changes
// nothing.
//
// All screens occupy one rectangle: the first one shown, its whole window frame included, is centred on the
// desktop; every screen shown after it is centred where the one it replaces is, wherever the pupil has
// dragged that one. The window frame is known only once the window system has framed a window, so the place
// is corrected once the frame of a newly shown screen is known.
class Application final : public QObject {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Ведариум DELPHI");

    Application();
    ~Application() override;
    static Application& instance();
    static bool exists();

    using WindowFactory = std::function<Window*()>;
    // Creates the windows in the given order, each followed by its creation handler through the
    // dispatcher; the first becomes the main window.
    void createWindows(const QList<std::pair<WindowFactory, std::function<void()>>>& windows);
    // Shows the main window and runs the message loop until the main window is closed; then destroys
    // the windows. Returns the loop's exit code.
    int run();
    // Destroys every window (done by run() at the end, and by tests).
    void destroyWindows();

    // Runs a handler; an Error (or any other exception) is shown in the error box and the program goes on.
    void dispatch(const std::function<void()>& handler);
    // The error box: caption "Ведариум DELPHI", error icon, OK; a full stop added when the text has none.
    static void showError(const QString& message);

    void showWindow(Window* window);
    void hideWindow(Window* window);
    // Go to screen: leave clean-up of the current screen, hide it, show the target.
    void goToScreen(Screen* target);
    void platformActivated(Window* window);
    // Called by a screen shortly after it is shown: puts it back at the centre chosen for it, should its frame
    // have turned out other than assumed.
    void settleScreenPlace(Window* screen);

    // The window of a role (nullptr before it is created).
    Window* window(Role role) const;
    Screen* screen(Role role) const;
    void registerWindow(Role role, Window* window);

    Window* activeWindow() const { return m_active; }
    Screen* currentScreen() const { return m_currentScreen; }
    Window* mainWindow() const { return m_windows.isEmpty() ? nullptr : m_windows.first(); }
    const QList<Window*>& windows() const { return m_windows; }

    // Ends the program: the main window has been closed.
    void terminate();
    bool isTerminated() const { return m_terminated; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setActive(Window* window);
    void placeScreen(Screen* target, Screen* replaced);
    void centreScreen(Screen* screen);

    QList<Window*> m_windows;
    QHash<Role, Window*> m_roles;
    Window* m_active = nullptr;
    Screen* m_currentScreen = nullptr;
    QPoint m_screenCentre;  // the centre of the screens' rectangle, frame included
    QMargins m_screenFrame; // the frame the window system last put around a screen
    bool m_terminated = false;
    bool m_loopRunning = false;
};
