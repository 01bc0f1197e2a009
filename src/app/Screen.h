// SPDX-License-Identifier: MIT
#pragma once

#include "app/Window.h"

#include <array>

class Image;
class Label;
class MediaPlayer;
class Panel;
class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class Timer;

// What differs between the frames of the eight screens. Everything else of the frame is the same.
struct ScreenFrame {
    enum Player { Notify = 1, Ding = 2, Rec = 4 };
    enum class Names { Short, Long }; // footer Panel2, back Panel3, strips Panel4/5 — or Panel5, Panel6, Panel7/8

    const char* caption;
    const char* heading;
    int headingX;
    int headingRightAlignedWidth; // 0: left-aligned at headingX; otherwise right-aligned in this width
    const char* backCaption;
    Role backTarget;
    Names names;
    bool titleScreen;   // maker label further right, home image without action, no close handler
    bool workspace;     // wider back button and arrow further left
    int disabledItem;   // index of the disabled main menu item (0..4), or -1
    bool exitItemsN10N11; // the "Выход" submenu items are N10/N11 instead of N9/N10
    int players;        // Player bits
    bool logoPair;      // the flag/smile logos in Image3/Image4 swapped by Timer1
    bool hasTimer;
    int timerInterval;
};

// The frame every screen shares: header with labels, heading and home image; footer with label, arrow and
// back button; side strips; the main menu; the hidden activation buttons; the sound players opened while
// the screen is active; the logo pair and its timer. Each screen adds its own content and handlers.
class Screen : public Window {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 792;
    static constexpr int ClientHeight = 546;

    Screen(Role role, const ScreenFrame& frame);
    ~Screen() override;

    bool isScreen() const override { return true; }
    const ScreenFrame& frame() const { return m_frame; }

    // Handlers of the frame.
    virtual void FormShow();
    virtual void FormHide() {}
    virtual void Button1Click(); // activation: set the players' files and open them in order
    virtual void Button2Click(); // deactivation: close the players in order
    void Timer1Timer();
    virtual void leaveCleanup() {}
    void exit();                 // the close handler: closes the title screen, which ends the program
    void backButtonClick();
    void homeImageClick();
    void aboutCommand();
    void exitConfirmation();
    void goTo(Role target);

    void onShow() override { FormShow(); }
    void onHide() override { FormHide(); }
    void onActivate() override { Button1Click(); }
    void onDeactivate() override { Button2Click(); }
    void closeWindow() override;

    // Frame controls (object names as the course's forms name them).
    Panel* header() const { return m_header; }
    Panel* footer() const { return m_footer; }
    Panel* backButton() const { return m_back; }
    Image* homeImage() const { return m_home; }
    Label* headingLabel() const { return m_heading; }
    QMenuBar* menuBar() const { return m_menuBar; }
    QAction* menuItem(int index) const { return m_items[size_t(index)]; } // N25, N1, N2, N3, N4
    QAction* aboutItem() const { return m_aboutItem; }
    QAction* exitItem() const { return m_exitItem; }
    MediaPlayer* player(int number) const { return m_players[size_t(number - 1)]; } // 1..3, nullptr when absent
    Timer* timer() const { return m_timer; }
    Image* logo1() const { return m_logo3; } // Image3 of the logo pair
    Image* logo2() const { return m_logo4; } // Image4 of the logo pair
    QPushButton* activateButton() const { return m_button1; }
    QPushButton* deactivateButton() const { return m_button2; }

    // Sets the footer to the darkened footer colour (every creation handler does it).
    void darkenFooter();

protected:
    int menuHeight() const override;
    // Starts the flag/smile logos: Timer1 on, new animated pictures into Image3 and Image4, Image3 shown.
    void startLogoAnimations();

private:
    void buildHeader();
    void buildFooter();
    void buildMenu();

    ScreenFrame m_frame;
    Panel* m_header = nullptr;
    Label* m_maker = nullptr;
    Label* m_product = nullptr;
    Label* m_heading = nullptr;
    Image* m_home = nullptr;
    Panel* m_footer = nullptr;
    Label* m_footerLabel = nullptr;
    Image* m_arrow = nullptr;
    Panel* m_back = nullptr;
    Panel* m_leftStrip = nullptr;
    Panel* m_rightStrip = nullptr;
    QMenuBar* m_menuBar = nullptr;
    std::array<QAction*, 5> m_items{};
    QMenu* m_exitMenu = nullptr;
    QAction* m_aboutItem = nullptr;
    QAction* m_exitItem = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_button2 = nullptr;
    std::array<MediaPlayer*, 3> m_players{};
    Timer* m_timer = nullptr;
    Image* m_logo3 = nullptr;
    Image* m_logo4 = nullptr;
};
