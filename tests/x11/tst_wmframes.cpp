// SPDX-License-Identifier: MIT
// The program's windows under a real X server and window manager (run by under_openbox.sh): the frame hints
// they carry and what the window manager makes of them. Every window has a fixed size and can be neither
// maximised nor resized; the screens have a system menu, a minimise and a close button; the picture window
// and the second picture window offer closing only; the listing window has no caption button at all; the
// about box has no frame. (openbox honours the Motif decorations and the size hints but keeps closing and
// minimising available whatever the Motif functions say, so those are checked on the hints themselves.)
#include "TestSupport.h"

#include "app/Screen.h"
#include "windows/InfoPict.h"
#include "windows/Ishod.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

using namespace TestSupport;

namespace {

// Reads window properties straight from the X server.
class X11Properties {
public:
    X11Properties()
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        m_connection = x11 ? x11->connection() : nullptr;
    }
    bool valid() const { return m_connection != nullptr; }

    xcb_atom_t atom(const char* name) const
    {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return result;
    }

    // The 32-bit values of a property; empty when the window does not have it.
    QList<quint32> values(xcb_window_t window, xcb_atom_t property) const
    {
        QList<quint32> result;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr);
        if (reply && reply->format == 32) {
            const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / 4;
            for (int i = 0; i < count; ++i)
                result.append(data[i]);
        }
        std::free(reply);
        return result;
    }
    QList<quint32> values(xcb_window_t window, const char* property) const { return values(window, atom(property)); }

    QStringList atomNames(xcb_window_t window, const char* property) const
    {
        QStringList names;
        for (quint32 value : values(window, property)) {
            xcb_get_atom_name_reply_t* reply =
                xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, value), nullptr);
            if (reply)
                names.append(QString::fromLatin1(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply)));
            std::free(reply);
        }
        return names;
    }

    // Where the window's client area lies on the screen.
    QPoint rootPosition(xcb_window_t window) const
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, root, 0, 0), nullptr);
        const QPoint result = reply ? QPoint(reply->dst_x, reply->dst_y) : QPoint(-1, -1);
        std::free(reply);
        return result;
    }

private:
    xcb_connection_t* m_connection = nullptr;
};

// The Motif hint bits as window managers read them.
constexpr quint32 FuncAll = 1u << 0;
constexpr quint32 FuncResize = 1u << 1;
constexpr quint32 FuncMinimize = 1u << 3;
constexpr quint32 FuncMaximize = 1u << 4;
constexpr quint32 FuncClose = 1u << 5;
constexpr quint32 DecorAll = 1u << 0;
constexpr quint32 DecorResizeHandles = 1u << 2;
constexpr quint32 DecorTitle = 1u << 3;
constexpr quint32 DecorMenu = 1u << 4;
constexpr quint32 DecorMinimize = 1u << 5;
constexpr quint32 DecorMaximize = 1u << 6;
constexpr quint32 SizeHintMin = 1u << 4;
constexpr quint32 SizeHintMax = 1u << 5;

} // namespace

class TestWmFrames final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run through under_openbox.sh)");
        m_fixture = std::make_unique<AppFixture>();
        m_fixture->start();
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void frames_data()
    {
        QTest::addColumn<Role>("role");
        QTest::addColumn<QString>("windowType");
        QTest::addColumn<bool>("closable");
        QTest::addColumn<bool>("minimisable");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<bool>("atCorner"); // the outer window, caption bar included, at the screen's corner

        const QString normal = QStringLiteral("_NET_WM_WINDOW_TYPE_NORMAL");
        const QString utility = QStringLiteral("_NET_WM_WINDOW_TYPE_UTILITY");
        QTest::newRow("title screen") << Role::Form1 << normal << true << true << true << false;
        QTest::newRow("mode menu") << Role::Form2 << normal << true << true << true << false;
        QTest::newRow("component library") << Role::Form59 << normal << true << true << true << false;
        QTest::newRow("listing window") << Role::AboutBox3 << utility << false << false << true << true;
        QTest::newRow("picture window") << Role::AboutBox1 << utility << true << false << true << true;
        QTest::newRow("second picture window")
            << Role::AboutBox2 << QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG") << true << false << true << false;
        QTest::newRow("about box") << Role::AboutBox << normal << false << false << false << false;
    }

    void frames()
    {
        QFETCH(Role, role);
        QFETCH(QString, windowType);
        QFETCH(bool, closable);
        QFETCH(bool, minimisable);
        QFETCH(bool, framed);
        QFETCH(bool, atCorner);

        Window* window = m_fixture->app().window(role);
        QVERIFY(window);
        show(role);
        QVERIFY(window->isVisible());
        const xcb_window_t id = xcb_window_t(window->winId());
        X11Properties x11;
        QVERIFY(x11.valid());
        // The window manager sets the frame extents once it has taken the window in.
        QVERIFY2(QTest::qWaitFor([&] { return !x11.values(id, "_NET_FRAME_EXTENTS").isEmpty(); }, 5000),
                 "the window manager did not take the window in");
        QTest::qWait(100);

        QVERIFY(x11.atomNames(id, "_NET_WM_WINDOW_TYPE").contains(windowType));

        // What the window manager offers: never maximising or resizing.
        const QStringList actions = x11.atomNames(id, "_NET_WM_ALLOWED_ACTIONS");
        for (const char* action :
             {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
            QVERIFY2(!actions.contains(QLatin1String(action)), action);
        if (minimisable)
            QVERIFY(actions.contains(QLatin1String("_NET_WM_ACTION_MINIMIZE")));
        if (closable)
            QVERIFY(actions.contains(QLatin1String("_NET_WM_ACTION_CLOSE")));

        // Fixed size: minimum and maximum size hints both set and equal to the window's size.
        const QList<quint32> sizeHints = x11.values(id, XCB_ATOM_WM_NORMAL_HINTS);
        QVERIFY(sizeHints.size() >= 9);
        QVERIFY((sizeHints[0] & SizeHintMin) && (sizeHints[0] & SizeHintMax));
        const QSize physical = window->size() * window->devicePixelRatio();
        QCOMPARE(QSize(int(sizeHints[5]), int(sizeHints[6])), physical);
        QCOMPARE(QSize(int(sizeHints[7]), int(sizeHints[8])), physical);

        // The Motif hints as written on the window: exactly the caption buttons and functions it should have.
        const QList<quint32> motif = x11.values(id, "_MOTIF_WM_HINTS");
        QCOMPARE(motif.size(), 5);
        const quint32 functions = motif[1];
        const quint32 decorations = motif[2];
        QVERIFY(!(functions & (FuncAll | FuncResize | FuncMaximize)));
        QVERIFY(!(decorations & (DecorAll | DecorResizeHandles | DecorMaximize)));
        QCOMPARE(bool(functions & FuncClose), closable);
        QCOMPARE(bool(functions & FuncMinimize), minimisable);
        QCOMPARE(bool(decorations & DecorMinimize), minimisable);
        QCOMPARE(bool(decorations & DecorMenu), closable); // a close button comes with the window menu
        QCOMPARE(bool(decorations & DecorTitle), framed);

        const QList<quint32> extents = x11.values(id, "_NET_FRAME_EXTENTS");
        QCOMPARE(extents.size(), 4);
        QCOMPARE(extents[2] > 0, framed); // the caption bar
        // A frame of odd width cannot be matched exactly at a scale of 2: allow less than one scaled pixel.
        const int slack = int(window->devicePixelRatio()) - 1;
        const QPoint inside{int(extents[0]), int(extents[2])};
        if (atCorner)
            QTRY_VERIFY2_WITH_TIMEOUT(
                (x11.rootPosition(id) - inside).manhattanLength() <= 2 * slack,
                qPrintable(
                    QStringLiteral("client area at %1,%2").arg(x11.rootPosition(id).x()).arg(x11.rootPosition(id).y())),
                2000);
    }

private:
    void show(Role role)
    {
        Application& app = m_fixture->app();
        switch (role) {
        case Role::AboutBox1:
            static_cast<TAboutBox1*>(app.window(role))
                ->showFigure(300, 250, QStringLiteral("РИСУНОК 1"), 200, 150,
                             QStringLiteral("xmages\\logo\\delphi.bmp"));
            break;
        case Role::AboutBox3:
            static_cast<TAboutBox3*>(app.window(role))
                ->showListing(QStringLiteral("programs\\prog1\\upr01\\Unit1.pas"));
            break;
        default:
            if (Screen* screen = app.screen(role))
                app.goToScreen(screen);
            else
                app.window(role)->showWindow();
        }
    }

    std::unique_ptr<AppFixture> m_fixture;
};

QTEST_MAIN(TestWmFrames)
#include "tst_wmframes.moc"
