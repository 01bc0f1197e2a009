// SPDX-License-Identifier: MIT
#include "app/Window.h"

#include "platform/WindowFrameHints.h"

#include <QCloseEvent>
#include <QTimer>
#include <QWindow>

Window::Window(Role role, const QString& caption) : QWidget(nullptr), m_role(role)
{
    setObjectName(QString::fromLatin1(roleName(role)));
    Application::instance().registerWindow(role, this);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCaption(caption);
    setAttribute(Qt::WA_QuitOnClose, false);
}

Window::~Window() = default;

const char* Window::roleName(Role role)
{
    static const char* const names[] = {"Form1",  "Form2",     "Form5",     "AboutBox", "Form35", "AboutBox2",
                                        "AboutBox1", "AboutBox3", "Form36", "Form37",   "Form38", "Form59"};
    return names[int(role)];
}

void Window::setCaption(const QString& caption)
{
    setWindowTitle(caption);
    setAccessibleName(caption);
}

void Window::setClientSize(int width, int height)
{
    m_client->setGeometry(0, menuHeight(), width, height);
    setFixedSize(width, height + menuHeight());
}

void Window::setOuterSize(int width, int height)
{
    m_outerSize = QSize(width, height);
    // The frame is known once the window system has a window for us.
    if (!windowHandle())
        create();
    applyOuterSize();
}

void Window::applyOuterSize()
{
    if (!m_outerSize.isValid())
        return;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setClientSize(std::max(0, m_outerSize.width() - frame.left() - frame.right()),
                  std::max(0, m_outerSize.height() - frame.top() - frame.bottom() - menuHeight()));
}

void Window::showEvent(QShowEvent* event)
{
    // The window exists but is not mapped yet: the window manager will read these hints when it maps it.
    WindowFrameHints::apply(windowHandle());
    QWidget::showEvent(event);
    // A window manager reports the frame only after the window is mapped: correct the size then.
    applyOuterSize();
    if (m_outerSize.isValid())
        QTimer::singleShot(100, this, [this] { applyOuterSize(); });
    // Only when the program shows the screen: a window restored by the pupil stays where the pupil left it.
    if (isScreen() && !event->spontaneous()) {
        for (int ms : {100, 500})
            QTimer::singleShot(ms, this, [this] { Application::instance().settleScreenPlace(this); });
    }
}

void Window::showWindow()
{
    Application::instance().showWindow(this);
}

void Window::hideWindow()
{
    Application::instance().hideWindow(this);
}

void Window::closeWindow()
{
    hideWindow();
}

void Window::closeEvent(QCloseEvent* event)
{
    // The window system never destroys a window of ours: closing runs the window's own close.
    event->ignore();
    Application::instance().dispatch([this] { closeWindow(); });
}

bool Window::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Application::instance().platformActivated(this);
    return QWidget::event(event);
}
