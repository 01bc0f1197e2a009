// SPDX-License-Identifier: MIT
#include "screens/ArticleScreen.h"

#include "app/StoredPictures.h"
#include "content/ContentPath.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/MediaPlayer.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "controls/Timer.h"
#include "pictures/GifImage.h"
#include "pictures/Picture.h"
#include "windows/InfoPict.h"

namespace {

constexpr Colors::TColor SelectedColour = Colors::Grey;
constexpr Colors::TColor IdleColour = Colors::Maroon;

} // namespace

ArticleScreen::ArticleScreen(Role role, const ArticleScreenData& data)
    : Screen(role, data.frame), m_data(data), m_flags(data.flagCount, 0)
{
    GroupBox1 = new GroupBox(client());
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(32, 96, 233, 377);

    Label5 = new Label(GroupBox1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFontColor(Colors::Olive);
    Label5->setCaption(QString::fromUtf8(data.topicLabel));
    Label5->placeAutoSize(72, 24);

    logo1()->setParent(GroupBox1);
    logo1()->setGeometry(QRect(data.logo3, data.logo3Size));
    logo2()->setParent(GroupBox1);
    logo2()->setGeometry(QRect(data.logo4, QSize(33, 33)));
    logo1()->hide();
    logo2()->hide();

    for (int i = 0; i < int(data.topics.size()); ++i) {
        const TopicRow& row = data.topics[size_t(i)];
        auto* button = new Panel(GroupBox1);
        button->setObjectName(QString::fromLatin1(row.button));
        button->setGeometry(row.place);
        button->setCaption(QString::fromUtf8(row.caption));
        button->setColor(IdleColour);
        button->setFontColor(Colors::White);
        button->setBevelOuter(Panel::Bevel::Raised);
        button->setClickable(true);
        button->setVisible(!row.hidden);
        connect(button, &Panel::clicked, this,
                [this, i] { Application::instance().dispatch([this, i] { topicClick(i); }); });
        m_topicButtons.append(button);
    }

    Image1 = new Image(GroupBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(92, 312, 65, 65);
    Image1->setCenter(true);
    Image1->setTransparent(true);
    Image1->setPicture(Picture::fromImage(StoredPictures::articleIcon()));
    Image1->setVisible(data.image1AtStart);

    if (data.hasHintImage) {
        Image5 = new Image(GroupBox1);
        Image5->setObjectName(QStringLiteral("Image5"));
        Image5->setGeometry(QRect(data.hintPlace, QSize(25, 25)));
        Image5->setCenter(true);
        Image5->hide();
    }

    for (int i = 0; i < int(data.figureButtons.size()); ++i) {
        const FigureButton& def = data.figureButtons[size_t(i)];
        auto* button = new Panel(def.inGroupBox ? static_cast<QWidget*>(GroupBox1) : client());
        button->setObjectName(QString::fromLatin1(def.name));
        button->setGeometry(def.place);
        button->setCaption(QString::fromUtf8(def.caption));
        button->setColor(Colors::Olive);
        button->setFontColor(Colors::White);
        button->setClickable(true);
        button->hide();
        connect(button, &Panel::clicked, this,
                [this, i] { Application::instance().dispatch([this, i] { figureClick(i); }); });
        m_figureButtons.append(button);
    }

    for (int i = 0; i < int(data.referenceFigures.size()); ++i) {
        const ReferenceFigure& def = data.referenceFigures[size_t(i)];
        auto* button = new Panel(client());
        button->setObjectName(QString::fromLatin1(def.name));
        button->setGeometry(def.place);
        button->setCaption(QString::fromUtf8(def.caption));
        button->setBevelInner(Panel::Bevel::Lowered);
        button->setClickable(true);
        connect(button, &Panel::clicked, this,
                [this, i] { Application::instance().dispatch([this, i] { referenceFigureClick(i); }); });
        m_referenceButtons.append(button);
    }

    Panel9 = new Panel(client());
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setGeometry(296, 104, 465, 25);
    Panel9->setBevelInner(Panel::Bevel::Lowered);
    Panel9->setColor(Colors::Olive);
    Panel9->setFontColor(Colors::White);
    Panel9->setCaption(QString::fromUtf8(data.titleDesign));

    RichEdit1 = new RichEdit(client());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(QRect(data.articlePlace, QSize(465, 321)));
    RichEdit1->setColor(Colors::toQColor(Colors::Cream));
    RichEdit1->setFont(Fonts::sansSerif8());
}

void ArticleScreen::FormCreate()
{
    m_flags.fill(0);
    darkenFooter();
    RichEdit1->loadFromFile(QString::fromUtf8(m_data.welcome));
    backButton()->setFocus();
}

void ArticleScreen::FormShow()
{
    Screen::FormShow();
    if (!Image5)
        return;
    // The hint comes back with a fresh animation when the chosen topic has figures.
    Image5->hide();
    GifImage wink;
    wink.loadFromFile(ContentPath::resolve(QStringLiteral("xmages\\logo\\wink.gif")));
    wink.setAnimate(true);
    Image5->setPicture(Picture::fromGif(wink));
    for (const TopicRow& row : m_data.topics) {
        if (row.hint && m_flags[row.flag]) {
            Image5->show();
            break;
        }
    }
}

void ArticleScreen::FormHide()
{
    if (!m_data.hasHideHandler)
        return;
    timer()->setEnabled(false);
    logo1()->hide();
    logo2()->hide();
    if (Image5)
        Image5->hide();
}

void ArticleScreen::leaveCleanup()
{
    AboutBox1->closeWindow();
}

void ArticleScreen::topicClick(int topicIndex)
{
    const TopicRow& row = m_data.topics[size_t(topicIndex)];
    if (row.hidden)
        return;
    if (Image5)
        Image5->setVisible(row.hint);
    AboutBox1->closeWindow();
    player(1)->play();
    m_flags.fill(0);
    m_flags[row.flag] = 1;
    for (int i = 0; i < m_topicButtons.size(); ++i)
        m_topicButtons[i]->setColor(i == topicIndex ? SelectedColour : IdleColour);
    Panel9->setCaption(QString::fromUtf8(row.title));
    Image1->setVisible(row.image1);
    for (int i = 0; i < m_figureButtons.size(); ++i)
        m_figureButtons[i]->setVisible(row.figures & (1u << i));
    RichEdit1->loadFromFile(QString::fromUtf8(row.article));
    RichEdit1->setFocus();
}

void ArticleScreen::figureClick(int buttonIndex)
{
    for (const FigureRow& row : m_data.figures) {
        if (row.button != buttonIndex || !m_flags[row.flag])
            continue;
        AboutBox1->showFigure(row.windowWidth, row.windowHeight, QString::fromUtf8(row.caption), row.imageWidth,
                              row.imageHeight, QString::fromUtf8(row.picture));
    }
}

void ArticleScreen::referenceFigureClick(int index)
{
    const ReferenceFigure& row = m_data.referenceFigures[size_t(index)];
    AboutBox1->showFigure(row.windowWidth, row.windowHeight, QString::fromUtf8(row.windowCaption), row.imageWidth,
                          row.imageHeight, QString::fromUtf8(row.picture));
}
