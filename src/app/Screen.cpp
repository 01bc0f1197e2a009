// SPDX-License-Identifier: MIT
#include "app/Screen.h"

#include "app/MenuBarStyle.h"
#include "app/StoredPictures.h"
#include "content/ContentPath.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/MediaPlayer.h"
#include "controls/Panel.h"
#include "controls/Timer.h"
#include "pictures/GifImage.h"
#include "pictures/Picture.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int MenuIconSize = 32;
constexpr int HeaderHeight = 73;
constexpr int FooterTop = 505;

const char* const MenuCaptions[] = {"Среда Delphi", "Object Pascal", "Упражнения", "Справочники", "Библиотека VCL"};
const char* const MenuNames[] = {"N25", "N1", "N2", "N3", "N4"};
const Role MenuTargets[] = {Role::Form36, Role::Form37, Role::Form5, Role::Form38, Role::Form59};

const char* const PlayerFiles[] = {"sound/notify.wav", "sound/ding.wav", "sound/rec.wav"};

// The menu bitmaps with their background left out, made once for the eight menus.
QIcon menuIcon(int index)
{
    static const std::array<QImage, 6> images = [] {
        std::array<QImage, 6> made;
        for (int i = 0; i < 6; ++i)
            made[size_t(i)] = Image::withTransparentBackground(StoredPictures::menuIcon(i));
        return made;
    }();
    return QIcon(QPixmap::fromImage(images[size_t(index)]));
}

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Screen::Screen(Role role, const ScreenFrame& frame) : Window(role, QString::fromUtf8(frame.caption)), m_frame(frame)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette p = palette();
    p.setColor(QPalette::Window, Colors::toQColor(Colors::Cream));
    setPalette(p);
    setAutoFillBackground(true);

    buildMenu();
    setClientSize(ClientWidth, ClientHeight);
    buildHeader();
    buildFooter();

    const bool shortNames = frame.names == ScreenFrame::Names::Short;
    m_leftStrip = named(new Panel(client()), shortNames ? "Panel4" : "Panel7");
    m_rightStrip = named(new Panel(client()), shortNames ? "Panel5" : "Panel8");
    for (Panel* strip : {m_leftStrip, m_rightStrip}) {
        strip->setBevelOuter(Panel::Bevel::None);
        strip->setColor(Colors::ScrollBar);
    }
    m_leftStrip->setGeometry(0, 72, 4, 433);
    m_rightStrip->setGeometry(788, 72, 4, 433);

    // The activation buttons are never visible; only the window's activation events run their handlers.
    m_button1 = named(new QPushButton(QStringLiteral("On Activate"), client()), "Button1");
    m_button2 = named(new QPushButton(QStringLiteral("On DeActivate"), client()), "Button2");
    m_button1->hide();
    m_button2->hide();
    bind(m_button1, &QPushButton::clicked, &Screen::Button1Click);
    bind(m_button2, &QPushButton::clicked, &Screen::Button2Click);

    for (int i = 0; i < 3; ++i) {
        if (frame.players & (1 << i)) {
            m_players[size_t(i)] = new MediaPlayer(this);
            m_players[size_t(i)]->setObjectName(QStringLiteral("MediaPlayer%1").arg(i + 1));
        }
    }
    if (frame.hasTimer) {
        m_timer = new Timer(this);
        m_timer->setObjectName(QStringLiteral("Timer1"));
        m_timer->setInterval(frame.timerInterval);
        m_timer->setEnabled(false);
        if (frame.logoPair)
            bind(m_timer, &Timer::timeout, &Screen::Timer1Timer);
    }
    if (frame.logoPair) {
        m_logo3 = named(new Image(m_header), "Image3");
        m_logo4 = named(new Image(m_header), "Image4");
        for (Image* logo : {m_logo3, m_logo4}) {
            logo->setCenter(true);
            logo->resize(33, 33);
        }
    }
}

Screen::~Screen() = default;

void Screen::buildHeader()
{
    m_header = named(new Panel(client()), "Panel1");
    m_header->setGeometry(-8, 0, 805, HeaderHeight);
    m_header->setBevelOuter(Panel::Bevel::None);
    m_header->setColor(Colors::ScrollBar);

    m_maker = named(new Label(m_header), "Label2");
    m_maker->setFont(Fonts::sansSerif8(true));
    m_maker->setFontColor(Colors::Maroon);
    m_maker->setCaption(QStringLiteral("Drevon"));
    m_maker->placeAutoSize(m_frame.titleScreen ? 60 : 32, 16);

    m_product = named(new Label(m_header), "Label3");
    m_product->setFont(Fonts::sansSerif8(true));
    m_product->setFontColor(Colors::Olive);
    m_product->setCaption(QStringLiteral("ВЕДАРИУМ DELPHI"));
    m_product->placeAutoSize(32, 40);

    m_heading = named(new Label(m_header), "Label4");
    m_heading->setFont(Fonts::arial10(true));
    m_heading->setFontColor(Colors::Teal);
    m_heading->setCaption(QString::fromUtf8(m_frame.heading));
    if (m_frame.headingRightAlignedWidth > 0) {
        m_heading->setAlignment(Qt::AlignRight | Qt::AlignTop);
        m_heading->setGeometry(m_frame.headingX, 32, m_frame.headingRightAlignedWidth, m_heading->sizeHint().height());
    } else {
        m_heading->placeAutoSize(m_frame.headingX, 32);
    }

    m_home = named(new Image(m_header), m_frame.titleScreen ? "Image5" : "Image2");
    m_home->setGeometry(752, 16, 37, 41);
    m_home->setProportional(true);
    m_home->setTransparent(true);
    m_home->setPicture(Picture::fromImage(StoredPictures::homeCube()));
    if (!m_frame.titleScreen) {
        m_home->setHint(QStringLiteral("В НАЧАЛО ПРОГРАММЫ"));
        bind(m_home, &Image::clicked, &Screen::homeImageClick);
    }
}

void Screen::buildFooter()
{
    const bool shortNames = m_frame.names == ScreenFrame::Names::Short;
    m_footer = named(new Panel(client()), shortNames ? "Panel2" : "Panel5");
    m_footer->setGeometry(-8, FooterTop, 805, 42);
    m_footer->setBevelOuter(Panel::Bevel::None);
    m_footer->setColor(Colors::Maroon);

    m_footerLabel = named(new Label(m_footer), "Label1");
    m_footerLabel->setFontColor(Colors::White);
    m_footerLabel->setCaption(QStringLiteral("VEDARIUM Training System"));
    m_footerLabel->placeAutoSize(72, 16);

    m_arrow = named(new Image(m_footer), "Image7");
    m_arrow->setGeometry(m_frame.workspace ? 664 : 688, 15, 17, 17);
    m_arrow->setTransparent(true);
    m_arrow->setPicture(Picture::fromImage(StoredPictures::footerArrow()));

    m_back = named(new Panel(m_footer), shortNames ? "Panel3" : "Panel6");
    if (m_frame.workspace)
        m_back->setGeometry(688, 16, 97, 17);
    else
        m_back->setGeometry(712, 16, 73, 17);
    m_back->setBevelInner(Panel::Bevel::Lowered);
    m_back->setColor(Colors::ScrollBar);
    m_back->setFontColor(Colors::Teal);
    m_back->setCaption(QString::fromUtf8(m_frame.backCaption));
    m_back->setClickable(true);
    bind(m_back, &Panel::clicked, &Screen::backButtonClick);
}

void Screen::buildMenu()
{
    m_menuBar = named(new QMenuBar(this), "MainMenu1");
    m_menuBar->setNativeMenuBar(false);
    m_menuBar->setStyle(MenuBarStyle::shared(MenuIconSize));
    m_menuBar->setFont(Fonts::sansSerif8());
    for (int i = 0; i < 5; ++i) {
        QAction* item = m_menuBar->addAction(menuIcon(i), QString::fromUtf8(MenuCaptions[i]));
        item->setObjectName(QString::fromLatin1(MenuNames[i]));
        item->setEnabled(i != m_frame.disabledItem);
        const Role target = MenuTargets[i];
        connect(item, &QAction::triggered, this,
                [this, target] { Application::instance().dispatch([this, target] { goTo(target); }); });
        m_items[size_t(i)] = item;
    }
    m_exitMenu = new QMenu(QStringLiteral("Выход"), m_menuBar);
    m_exitMenu->setObjectName(QStringLiteral("N27Menu"));
    QAction* exitTop = m_menuBar->addMenu(m_exitMenu);
    exitTop->setObjectName(QStringLiteral("N27"));
    exitTop->setIcon(menuIcon(5));
    m_aboutItem = m_exitMenu->addAction(QStringLiteral("О программе"));
    m_aboutItem->setObjectName(QString::fromLatin1(m_frame.exitItemsN10N11 ? "N10" : "N9"));
    m_exitItem = m_exitMenu->addAction(QStringLiteral("Выход"));
    m_exitItem->setObjectName(QString::fromLatin1(m_frame.exitItemsN10N11 ? "N11" : "N10"));
    bind(m_aboutItem, &QAction::triggered, &Screen::aboutCommand);
    bind(m_exitItem, &QAction::triggered, &Screen::exitConfirmation);
    m_menuBar->setGeometry(0, 0, ClientWidth, m_menuBar->sizeHint().height());
}

int Screen::menuHeight() const
{
    return m_menuBar ? m_menuBar->sizeHint().height() : 0;
}

void Screen::darkenFooter()
{
    m_footer->setColor(Colors::darken(Colors::Maroon, 25));
}

void Screen::startLogoAnimations()
{
    m_timer->setEnabled(true);
    GifImage flag;
    flag.loadFromFile(ContentPath::resolve(QStringLiteral("xmages\\logo\\flag.gif")));
    flag.setAnimate(true);
    GifImage smile;
    smile.loadFromFile(ContentPath::resolve(QStringLiteral("xmages\\logo\\smile.gif")));
    smile.setAnimate(true);
    m_logo3->setPicture(Picture::fromGif(flag));
    m_logo4->setPicture(Picture::fromGif(smile));
    m_logo3->show();
    m_logo4->hide();
}

void Screen::FormShow()
{
    if (m_frame.logoPair)
        startLogoAnimations();
}

void Screen::Button1Click()
{
    for (int i = 0; i < 3; ++i) {
        if (m_players[size_t(i)])
            m_players[size_t(i)]->setFileName(QString::fromLatin1(PlayerFiles[i]));
    }
    for (MediaPlayer* player : m_players) {
        if (player)
            player->open();
    }
}

void Screen::Button2Click()
{
    for (MediaPlayer* player : m_players) {
        if (player)
            player->close();
    }
}

void Screen::Timer1Timer()
{
    m_logo3->hide();
    m_logo4->show();
    m_timer->setEnabled(false);
}

void Screen::exit()
{
    Application::instance().mainWindow()->closeWindow();
}

void Screen::closeWindow()
{
    if (m_frame.titleScreen) {
        // The main window: closing it ends the program.
        Application::instance().terminate();
        return;
    }
    exit();
}

void Screen::goTo(Role target)
{
    if (Screen* screen = Application::instance().screen(target))
        Application::instance().goToScreen(screen);
}

void Screen::backButtonClick()
{
    goTo(m_frame.backTarget);
}

void Screen::homeImageClick()
{
    goTo(Role::Form1);
}

void Screen::aboutCommand()
{
    if (Window* about = Application::instance().window(Role::AboutBox))
        about->showWindow();
}

void Screen::exitConfirmation()
{
    player(2)->play();
    if (Dialogs::instance().confirm(QStringLiteral("Confirm"), QStringLiteral("Вы хотите выйти из программы?")))
        Application::instance().mainWindow()->closeWindow();
}
