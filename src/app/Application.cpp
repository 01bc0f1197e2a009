// SPDX-License-Identifier: MIT
#include "app/Application.h"

#include "app/Screen.h"
#include "app/Window.h"
#include "controls/ControlAccessibility.h"
#include "controls/Fonts.h"
#include "platform/Dialogs.h"
#include "platform/Error.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

namespace {

Application* g_instance = nullptr;

} // namespace

Application::Application()
{
    Q_ASSERT(!g_instance);
    g_instance = this;
    QCoreApplication::setApplicationName(Title);
    Fonts::installSubstitutions();
    QApplication::setFont(Fonts::sansSerif8());
    ControlAccessibility::install();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

Application::~Application()
{
    destroyWindows();
    g_instance = nullptr;
}

Application& Application::instance()
{
    Q_ASSERT(g_instance);
    return *g_instance;
}

bool Application::exists()
{
    return g_instance != nullptr;
}

void Application::createWindows(const QList<std::pair<WindowFactory, std::function<void()>>>& windows)
{
    for (const auto& [create, onCreate] : windows) {
        m_windows.append(create());
        if (onCreate)
            dispatch(onCreate);
    }
}

int Application::run()
{
    if (m_windows.isEmpty())
        return 0;
    showWindow(mainWindow());
    int code = 0;
    if (!m_terminated) {
        m_loopRunning = true;
        code = QApplication::exec();
        m_loopRunning = false;
    }
    destroyWindows();
    return code;
}

Window* Application::window(Role role) const
{
    return m_roles.value(role);
}

Screen* Application::screen(Role role) const
{
    Window* w = m_roles.value(role);
    return w && w->isScreen() ? static_cast<Screen*>(w) : nullptr;
}

void Application::registerWindow(Role role, Window* window)
{
    m_roles.insert(role, window);
}

void Application::destroyWindows()
{
    m_roles.clear();
    m_active = nullptr;
    m_currentScreen = nullptr;
    // Last created first, so that no window outlives one it was created after.
    while (!m_windows.isEmpty())
        delete m_windows.takeLast();
}

void Application::dispatch(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Error& error) {
        showError(error.message());
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
}

void Application::showError(const QString& message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    Dialogs::instance().error(Title, text);
}

void Application::showWindow(Window* window)
{
    if (window->isScreen()) {
        placeScreen(static_cast<Screen*>(window), m_currentScreen);
        m_currentScreen = static_cast<Screen*>(window);
    }
    dispatch([window] { window->onShow(); });
    window->show();
    // The headless platform of the tests cannot raise windows and says so at every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
    setActive(window);
}

void Application::hideWindow(Window* window)
{
    if (!window->isVisible())
        return;
    dispatch([window] { window->onHide(); });
    window->hide();
    // A closed auxiliary window gives activation back to the screen behind it.
    if (window == m_active && !window->isScreen() && m_currentScreen && m_currentScreen->isVisible()) {
        setActive(m_currentScreen);
        m_currentScreen->activateWindow();
    }
}

void Application::goToScreen(Screen* target)
{
    Screen* current = m_currentScreen;
    if (current) {
        dispatch([current] { current->leaveCleanup(); });
        hideWindow(current);
    }
    showWindow(target);
}

void Application::placeScreen(Screen* target, Screen* replaced)
{
    if (replaced == target)
        return;
    if (replaced) {
        m_screenCentre = replaced->frameGeometry().center();
    } else if (QScreen* desktop = QGuiApplication::primaryScreen()) {
        m_screenCentre = desktop->availableGeometry().center();
    }
    centreScreen(target);
}

void Application::centreScreen(Screen* screen)
{
    // The frame as the window system drew it around the screens so far (none before the first is framed).
    QRect frame(QPoint(0, 0), screen->size().grownBy(m_screenFrame));
    frame.moveCenter(m_screenCentre);
    screen->setGeometry(QRect(frame.topLeft() + QPoint(m_screenFrame.left(), m_screenFrame.top()), screen->size()));
}

void Application::settleScreenPlace(Window* window)
{
    if (window != m_currentScreen || !window->isVisible() || !window->windowHandle())
        return;
    const QMargins frame = window->windowHandle()->frameMargins();
    if (frame == m_screenFrame && window->frameGeometry().center() == m_screenCentre)
        return;
    m_screenFrame = frame;
    centreScreen(m_currentScreen);
}

void Application::platformActivated(Window* window)
{
    // Only a visible window of ours that the pupil can reach counts: the current screen or an auxiliary
    // window shown over it. Late events about screens already left are ignored.
    if (!window->isVisible() || window == m_active)
        return;
    if (window->isScreen() && window != m_currentScreen)
        return;
    setActive(window);
}

bool Application::eventFilter(QObject* watched, QEvent* event)
{
    // A click into a window of ours activates it even where no window manager does so (a bare X server),
    // so that, for instance, a click on the screen behind the about box closes the about box.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        QWidget* top = static_cast<QWidget*>(watched)->window();
        for (Window* window : std::as_const(m_windows)) {
            if (window == top) {
                platformActivated(window);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void Application::setActive(Window* window)
{
    if (window == m_active)
        return;
    Window* previous = m_active;
    m_active = window;
    if (previous)
        dispatch([previous] { previous->onDeactivate(); });
    if (window && m_active == window)
        dispatch([window] { window->onActivate(); });
}

void Application::terminate()
{
    m_terminated = true;
    if (m_loopRunning)
        QCoreApplication::exit(0);
}
