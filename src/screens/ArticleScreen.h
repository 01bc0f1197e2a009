// SPDX-License-Identifier: MIT
#pragma once

#include "app/Screen.h"

#include <QList>
#include <QVector>

#include <span>

class GroupBox;
class Image;
class Label;
class Panel;
class RichEdit;

// One topic button of an article screen: the selection flag it owns, its place and caption, and what a
// click on it shows. A hidden button still owns its flag and is coloured with the others, but does nothing.
struct TopicRow {
    int flag;
    const char* button;
    QRect place; // in the topic group box
    const char* caption;
    bool hidden;
    const char* title;   // the title panel's caption
    const char* article; // content path of the article
    unsigned figures;    // bits of the figure buttons made visible (bit i = ArticleScreenData::figureButtons[i])
    bool image1;         // the still picture visible
    bool hint;           // the figure hint image visible
};

// A figure button of an article screen.
struct FigureButton {
    const char* name;
    const char* caption;
    QRect place;
    bool inGroupBox;
};

// One figure of a figure button, shown when its flag is set.
struct FigureRow {
    int button; // index into ArticleScreenData::figureButtons
    int flag;
    int windowWidth;
    int windowHeight;
    const char* caption;
    int imageWidth;
    int imageHeight;
    const char* picture;
};

// A button that always opens the same figure, whatever topic is chosen.
struct ReferenceFigure {
    const char* name;
    const char* caption;
    QRect place;
    int windowWidth;
    int windowHeight;
    const char* windowCaption;
    int imageWidth;
    int imageHeight;
    const char* picture;
};

// The frame of an article screen: they differ only in caption, heading and the disabled menu item.
constexpr ScreenFrame articleFrame(const char* caption, const char* heading, int disabledItem)
{
    return ScreenFrame{caption,
                       heading,
                       304,
                       0,
                       "В МЕНЮ",
                       Role::Form2,
                       ScreenFrame::Names::Long,
                       /*titleScreen*/ false,
                       /*workspace*/ false,
                       disabledItem,
                       /*exitItemsN10N11*/ false,
                       ScreenFrame::Notify | ScreenFrame::Ding | ScreenFrame::Rec,
                       /*logoPair*/ true,
                       /*hasTimer*/ true,
                       3000};
}

struct ArticleScreenData {
    ScreenFrame frame;
    const char* topicLabel; // Label5 over the topic column
    QPoint logo3;           // Image3 in the group box
    QSize logo3Size;
    QPoint logo4;            // Image4 in the group box
    const char* titleDesign; // Panel9's design caption
    QPoint articlePlace;     // RichEdit1
    const char* welcome;     // the welcome article loaded at creation
    int flagCount;
    std::span<const TopicRow> topics;
    std::span<const FigureButton> figureButtons;
    std::span<const FigureRow> figures;
    std::span<const ReferenceFigure> referenceFigures;
    bool hasHintImage;  // Image5 with the winking figure hint
    QPoint hintPlace;   // Image5 in the group box
    bool image1AtStart; // the still picture visible before any topic
    bool hasHideHandler;
};

// The mechanics shared by the three article screens: a column of topic buttons chooses one article at a
// time; the chosen button turns grey, the title panel and the article area follow, and the figure buttons
// of that article appear and open its figures in the picture window.
class ArticleScreen : public Screen {
    Q_OBJECT
public:
    ArticleScreen(Role role, const ArticleScreenData& data);

    void FormCreate();
    void FormShow() override;
    void FormHide() override;
    void leaveCleanup() override;
    void topicClick(int topicIndex);      // steps of a topic click, from the topic's row
    void figureClick(int buttonIndex);    // the button's figures whose flag is set
    void referenceFigureClick(int index); // a fixed figure

    const QVector<unsigned char>& flags() const { return m_flags; }
    Panel* topicButton(int topicIndex) const { return m_topicButtons.value(topicIndex); }
    Panel* figureButton(int index) const { return m_figureButtons.value(index); }
    Panel* referenceButton(int index) const { return m_referenceButtons.value(index); }
    const ArticleScreenData& data() const { return m_data; }

    GroupBox* GroupBox1 = nullptr;
    Label* Label5 = nullptr;
    Panel* Panel9 = nullptr;
    RichEdit* RichEdit1 = nullptr;
    Image* Image1 = nullptr;
    Image* Image5 = nullptr; // figure hint image (nullptr when the screen has none)

private:
    const ArticleScreenData& m_data;
    QVector<unsigned char> m_flags;
    QList<Panel*> m_topicButtons;
    QList<Panel*> m_figureButtons;
    QList<Panel*> m_referenceButtons;
};
