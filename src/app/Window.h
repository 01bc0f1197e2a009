// SPDX-License-Identifier: MIT
#pragma once

#include "app/Application.h"

#include <QWidget>

// A top-level window of the program: one of the eight screens or one of the four auxiliary windows.
// Its show, hide, activation and deactivation handlers run through the Application's dispatcher, and the
// Application, not the platform, decides which window is active (see Application).
class Window : public QWidget {
    Q_OBJECT
public:
    Window(Role role, const QString& caption);
    ~Window() override;

    Role role() const { return m_role; }
    // The global name of a window ("Form36", "AboutBox1" ...).
    static const char* roleName(Role role);
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    virtual bool isScreen() const { return false; }

    // Show: runs the show handler, makes the window visible and active. An error in the show handler is
    // reported and the window is shown all the same.
    void showWindow();
    // Hide: runs the hide handler and hides the window (nothing when it is hidden already).
    void hideWindow();
    // Close: what the window's close button does (the close handler for screens; hiding for the others).
    virtual void closeWindow();

    // The window's client area where controls are placed (below the menu bar on screens).
    QWidget* client() const { return m_client; }

    // Handlers; the defaults do nothing.
    virtual void onShow() {}
    virtual void onHide() {}
    virtual void onActivate() {}
    virtual void onDeactivate() {}

    // Sets the client size; screens add their menu bar above it.
    void setClientSize(int width, int height);
    // Sets the outer size, frame and caption bar included, as far as the window system tells the frame.
    void setOuterSize(int width, int height);

protected:
    // Connects a signal to a handler through the dispatcher.
    template <typename Sender, typename Signal, typename Self>
    void bind(Sender* sender, Signal signal, void (Self::*handler)())
    {
        connect(sender, signal, this, [this, handler] {
            Application::instance().dispatch([this, handler] { (static_cast<Self*>(this)->*handler)(); });
        });
    }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    virtual int menuHeight() const { return 0; }

private:
    void applyOuterSize();

    Role m_role;
    QSize m_outerSize; // invalid until a figure sets the outer size
    QWidget* m_client = nullptr;
};
