// SPDX-License-Identifier: MIT
#include "screens/InfoTop03.h"

#include "app/StoredPictures.h"
#include "content/ContentPath.h"
#include "controls/BitBtn.h"
#include "controls/Colors.h"
#include "controls/Fonts.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/RichEdit.h"
#include "controls/SpeedButton.h"
#include "controls/Timer.h"
#include "platform/ProcessStarter.h"
#include "screens/InfoUtil.h"
#include "screens/WorkingFolderExport.h"
#include "windows/InfoPict.h"
#include "windows/Ishod.h"
#include "windows/Karta.h"

TForm35* Form35 = nullptr;

using ExerciseTables::FigureButton;

namespace {

const ScreenFrame Frame{
    "Выполнение упражнений по программированию",
    "УПРАЖНЕНИЯ ПО ПРОГРАММИРОВАНИЮ В DELPHI",
    304,
    0,
    "УПРАЖНЕНИЯ",
    Role::Form5,
    ScreenFrame::Names::Long,
    /*titleScreen*/ false,
    /*workspace*/ true,
    /*disabledItem*/ -1,
    /*exitItemsN10N11*/ false,
    ScreenFrame::Notify | ScreenFrame::Ding | ScreenFrame::Rec,
    /*logoPair*/ false,
    /*hasTimer*/ true,
    3000,
};

const char* const InstructionHeading = "ИНСТРУКЦИЯ ПО ВЫПОЛНЕНИЮ УПРАЖНЕНИЯ";
const char* const SourceFolderLabel = "Папка С:\\DELPHIFILES\\SOURCE"; // Cyrillic С, as on every folder label

struct FigureButtonPlace {
    FigureButton button;
    QPoint place; // in the client area
    const char* caption;
};

// In the order of ExerciseTables::FigureButton.
const FigureButtonPlace FigureButtons[] = {
    {FigureButton::Panel18, {64, 312}, "Рисунок 1"},   {FigureButton::Panel19, {160, 312}, "Рисунок 2"},
    {FigureButton::Panel20, {64, 352}, "Рисунок 3"},   {FigureButton::Panel21, {160, 352}, "Рисунок 4"},
    {FigureButton::Panel22, {112, 392}, "Рисунок №5"}, {FigureButton::Panel25, {112, 352}, "Рисунок 3"},
    {FigureButton::Panel4, {112, 320}, "Рисунок"},
};
constexpr QSize FigureButtonSize(73, 17);

// The demonstration buttons' handlers in flag order; their names and captions come from the table.
constexpr void (TForm35::*DemonstrationHandlers[])() = {
    &TForm35::BitBtn1Click,  &TForm35::BitBtn2Click,  &TForm35::BitBtn6Click,
    &TForm35::BitBtn7Click,  &TForm35::BitBtn8Click,  &TForm35::BitBtn9Click,
    &TForm35::BitBtn10Click, &TForm35::BitBtn11Click, &TForm35::BitBtn12Click,
};
constexpr QSize DemonstrationButtonSize(57, 25);

Panel* makePanel(QWidget* parent, const char* name, const QRect& place, Colors::TColor colour,
                 Colors::TColor fontColour, const char* caption)
{
    auto* panel = new Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    panel->setColor(colour);
    panel->setFontColor(fontColour);
    panel->setCaption(QString::fromUtf8(caption));
    return panel;
}

Image* makeImage(QWidget* parent, const char* name, const QRect& place)
{
    auto* image = new Image(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(place);
    image->setCenter(true);
    return image;
}

BitBtn* makeButton(QWidget* parent, const char* name, const QRect& place, const char* caption)
{
    auto* button = new BitBtn(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setCaption(QString::fromUtf8(caption));
    return button;
}

// A new animated picture from a logo file.
GifImage animatedLogo(const char* contentPath)
{
    GifImage gif;
    gif.loadFromFile(ContentPath::resolve(QString::fromLatin1(contentPath)));
    gif.setAnimate(true);
    return gif;
}

void startProgram(const char* commandLine)
{
    ProcessStarter::instance().start(ContentPath::resolve(QString::fromLatin1(commandLine)));
}

} // namespace

TForm35::TForm35() : Screen(Role::Form35, Frame)
{
    Panel10 = makePanel(client(), "Panel10", QRect(32, 96, 233, 41), Colors::Maroon, Colors::White,
                        "0:00 НАЗВАНИЕ УПРАЖНЕНИЯ");
    Panel10->setBevelInner(Panel::Bevel::Lowered);
    Panel9 =
        makePanel(client(), "Panel9", QRect(296, 96, 465, 25), Colors::ScrollBar, Colors::Olive, InstructionHeading);
    Panel9->setBevelInner(Panel::Bevel::Lowered);

    RichEdit1 = new RichEdit(client());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(296, 152, 465, 297);
    RichEdit1->setColor(Colors::toQColor(Colors::Cream));
    RichEdit1->setFont(Fonts::sansSerif8());

    // The figure area: the decoration at the top, the folder label near the bottom, the demonstration box in
    // the middle. The figure buttons lie over it, in client coordinates.
    GroupBox1 = new GroupBox(client());
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(32, 168, 233, 281);
    Image3 = makeImage(GroupBox1, "Image3", QRect(8, 8, 25, 25));
    Image4 = makeImage(GroupBox1, "Image4", QRect(200, 8, 25, 25));
    Image1 = makeImage(GroupBox1, "Image1", QRect(84, 8, 65, 65));
    Image1->setTransparent(true);
    Image1->setPicture(Picture::fromImage(StoredPictures::articleIcon()));
    Image5 = makeImage(GroupBox1, "Image5", QRect(100, 74, 33, 33));
    Label5 = new Label(GroupBox1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFontColor(Colors::Olive);
    Label5->setCaption(QStringLiteral("ВЫБОР РИСУНКОВ"));
    Label5->adjustSize();
    Label5->move((GroupBox1->width() - Label5->width()) / 2, 118);
    Label6 = new Label(GroupBox1);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->move(16, 258);
    Label6->hide();

    GroupBox2 = new GroupBox(GroupBox1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setCaption(QStringLiteral("ПРОГРАММЫ"));
    GroupBox2->setGeometry(16, 105, 201, 145);
    // Opaque, as a group box is: the figure caption behind it does not show through.
    GroupBox2->setAutoFillBackground(true);
    GroupBox2->hide();
    const auto demonstrations = ExerciseTables::demonstrations();
    for (int i = 0; i < DemonstrationFlags::size(); ++i) {
        const ExerciseTables::Demonstration& row = demonstrations[size_t(i)];
        const QPoint place(8 + 64 * (i % 3), 24 + 40 * (i / 3));
        BitBtn* button = makeButton(GroupBox2, row.button, QRect(place, DemonstrationButtonSize), row.caption);
        bind(button, &BitBtn::clicked, DemonstrationHandlers[i]);
        m_demonstrationButtons[size_t(i)] = button;
    }

    for (const FigureButtonPlace& def : FigureButtons) {
        Panel* button = makePanel(client(), ExerciseTables::buttonName(def.button), QRect(def.place, FigureButtonSize),
                                  Colors::Olive, Colors::White, def.caption);
        button->setClickable(true);
        button->hide();
        m_figureButtons[size_t(def.button)] = button;
    }
    Panel18 = figureButton(FigureButton::Panel18);
    Panel19 = figureButton(FigureButton::Panel19);
    Panel20 = figureButton(FigureButton::Panel20);
    Panel21 = figureButton(FigureButton::Panel21);
    Panel22 = figureButton(FigureButton::Panel22);
    Panel25 = figureButton(FigureButton::Panel25);
    Panel4 = figureButton(FigureButton::Panel4);
    bind(Panel18, &Panel::clicked, &TForm35::Panel18Click);
    bind(Panel19, &Panel::clicked, &TForm35::Panel19Click);
    bind(Panel20, &Panel::clicked, &TForm35::Panel20Click);
    bind(Panel21, &Panel::clicked, &TForm35::Panel21Click);
    bind(Panel22, &Panel::clicked, &TForm35::Panel22Click);
    bind(Panel25, &Panel::clicked, &TForm35::Panel25Click);
    bind(Panel4, &Panel::clicked, &TForm35::Panel4Click);

    Image6 = makeImage(client(), "Image6", QRect(32, 456, 33, 33));
    Image6->hide();
    Panel12 = makePanel(client(), "Panel12", QRect(64, 464, 89, 25), Colors::BtnFace, Colors::Black, "");
    Panel12->setBevelInner(Panel::Bevel::Lowered);
    Panel12->hide();
    SpeedButton2 = new SpeedButton(client());
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(160, 464, 24, 25);
    SpeedButton2->setGlyph(StoredPictures::saveGlyph());
    SpeedButton2->setHint(QStringLiteral("СОХРАНИТЬ"));
    SpeedButton2->hide();
    bind(SpeedButton2, &SpeedButton::clicked, &TForm35::SpeedButton2Click);
    SpeedButton1 = new SpeedButton(client());
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->hide();
    bind(SpeedButton1, &SpeedButton::clicked, &TForm35::SpeedButton1Click);

    BitBtn4 = makeButton(client(), "BitBtn4", QRect(296, 464, 137, 25), "СКОПИРОВАТЬ ТЕКСТ");
    BitBtn4->setHint(QStringLiteral("ВЫДЕЛИТЕ ФРАГМЕНТ ТЕКСТА"));
    BitBtn5 = makeButton(client(), "BitBtn5", QRect(464, 464, 129, 25), "СМОТРЕТЬ ЛИСТИНГ");
    BitBtn3 = makeButton(client(), "BitBtn3", QRect(624, 464, 137, 25), "ЗАПУСК ПРОГРАММЫ");
    bind(BitBtn4, &BitBtn::clicked, &TForm35::BitBtn4Click);
    bind(BitBtn5, &BitBtn::clicked, &TForm35::BitBtn5Click);
    bind(BitBtn3, &BitBtn::clicked, &TForm35::BitBtn3Click);

    bind(timer(), &Timer::timeout, &TForm35::Timer1Timer);
}

void TForm35::FormCreate()
{
    darkenFooter();
    Panel10->setColor(Colors::darken(Colors::Maroon, 15));
    m_ticks = 0;
    m_markerShown = false;
    backButton()->setFocus();
}

const ExerciseTables::Exercise* TForm35::chosenExercise() const
{
    const ExerciseFlags& flags = Form5->exerciseFlags();
    for (const ExerciseTables::Exercise& row : ExerciseTables::exercises()) {
        if (flags.isSet(ExerciseTables::slotOf(row.group, row.number)))
            return &row;
    }
    return nullptr;
}

void TForm35::SpeedButton1Click()
{
    GroupBox2->hide();
    m_ticks = 0;
    m_markerShown = false;
    Image3->setPicture(Picture::fromGif(animatedLogo("xmages\\logo\\smile.gif")));
    Image4->setPicture(Picture::fromGif(animatedLogo("xmages\\logo\\wink.gif")));
    timer()->setEnabled(true);
    Image5->show();
    Image6->hide();
    m_flag = animatedLogo("xmages\\logo\\flag.gif");
    Image5->setPicture(Picture::fromGif(m_flag));

    const ExerciseTables::Exercise* row = chosenExercise();
    if (!row)
        return;
    const QString number = QStringLiteral("%1:%2").arg(row->group).arg(row->number, 2, 10, QLatin1Char('0'));
    Panel9->setCaption(QString::fromUtf8(InstructionHeading) + QStringLiteral("  ") + number);
    Panel10->setCaption(QString::fromUtf8(row->title));
    if (row->fileLabel) {
        Panel12->setCaption(QString::fromUtf8(row->fileLabel));
        Panel12->show();
        Label6->setCaption(QString::fromUtf8(row->folderLabel));
        Label6->adjustSize();
        Label6->show();
        SpeedButton2->show();
    }
    const auto shown = ExerciseTables::layout(row->figures);
    for (Panel* button : {Panel18, Panel19, Panel20, Panel21, Panel22, Panel25})
        button->hide();
    for (FigureButton button : shown)
        figureButton(button)->show();
    if (row->figures == 0)
        GroupBox2->show();
    RichEdit1->loadFromFile(QString::fromLatin1(row->instruction));
    RichEdit1->setFocus();
}

void TForm35::Timer1Timer()
{
    ++m_ticks;
    Image5->hide();
    const ExerciseTables::Exercise* row = chosenExercise();
    if (!m_markerShown && row && row->fileLabel) {
        Image6->show();
        Image6->setPicture(Picture::fromGif(m_flag));
        m_markerShown = true;
    }
    if ((m_ticks == 1 && !m_markerShown) || (m_ticks == 2 && m_markerShown)) {
        timer()->setEnabled(false);
        Image6->hide();
    }
}

void TForm35::FormHide()
{
    m_markerShown = false;
    timer()->setEnabled(false);
    Image5->hide();
    Image6->hide();
}

void TForm35::Button1Click()
{
    m_demonstrationFlags.clear();
    Screen::Button1Click();
}

void TForm35::leaveCleanup()
{
    Panel12->hide();
    Label6->hide();
    SpeedButton2->hide();
    Panel4->hide();
    AboutBox1->closeWindow();
    AboutBox2->closeWindow();
    AboutBox3->closeWindow();
}

void TForm35::figureClick(FigureButton button)
{
    const ExerciseTables::Exercise* row = chosenExercise();
    if (!row)
        return;
    const ExerciseTables::ExerciseFigure* figure = ExerciseTables::figureOf(row->group, row->number, button);
    if (!figure)
        return;
    AboutBox1->showFigure(figure->windowWidth, figure->windowHeight, QString::fromUtf8(figure->caption),
                          figure->pictureWidth, figure->pictureHeight, QString::fromLatin1(figure->picture));
}

void TForm35::BitBtn3Click()
{
    if (const ExerciseTables::Exercise* row = chosenExercise())
        startProgram(row->program);
}

void TForm35::BitBtn4Click()
{
    RichEdit1->copyToClipboard();
}

void TForm35::BitBtn5Click()
{
    AboutBox3->closeWindow();
    const ExerciseTables::Exercise* row = chosenExercise();
    if (row && row->listing)
        AboutBox3->showListing(QString::fromLatin1(row->listing));
}

void TForm35::SpeedButton2Click()
{
    const ExerciseTables::Exercise* row = chosenExercise();
    if (!row)
        return;
    // The demonstration flags in button order; the archive of the one that is set.
    const char* archive = nullptr;
    for (int i = 0; i < DemonstrationFlags::size() && !archive; ++i) {
        if (m_demonstrationFlags.isSet(i))
            archive = ExerciseTables::demonstrations()[size_t(i)].archive;
    }
    WorkingFolderExport::save(row->group, row->number, archive);
}

void TForm35::demonstrationClick(int index)
{
    const ExerciseTables::Demonstration& row = ExerciseTables::demonstrations()[size_t(index)];
    m_demonstrationFlags.clear();
    m_demonstrationFlags.set(index);
    Panel12->setCaption(QString::fromUtf8(row.fileLabel));
    Panel12->show();
    Label6->setCaption(QString::fromUtf8(SourceFolderLabel));
    Label6->adjustSize();
    Label6->show();
    SpeedButton2->show();
    startProgram(row.program);
}
