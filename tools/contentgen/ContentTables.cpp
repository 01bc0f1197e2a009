// SPDX-License-Identifier: MIT
#include "ContentTables.h"

#include "ComponentFigures.h"
#include "EnvironmentFigures.h"
#include "LanguageFigures.h"
#include "ReferenceFigures.h"

#include "screens/ExerciseTables.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// The title pictures, sized to fit the image boxes of the title and mode menu screens without shrinking
// ("delphi2.bmp" fits both of its boxes, 153 x 105 and 145 x 137).
constexpr std::array kLogos = {
    LogoRow{"xmages/logo/logo.bmp", 400, 352, LogoKind::Composition},
    LogoRow{"xmages/logo/delphi.bmp", 128, 160, LogoKind::Cube},
    LogoRow{"xmages/logo/borland.bmp", 160, 90, LogoKind::Maker},
    LogoRow{"xmages/logo/delphi3.bmp", 104, 120, LogoKind::Book},
    LogoRow{"xmages/logo/delphi2.bmp", 140, 100, LogoKind::Monitor},
};

constexpr std::array kAnimations = {
    AnimationRow{"xmages/logo/disc.gif", AnimationKind::Disc},
    AnimationRow{"xmages/logo/flag.gif", AnimationKind::Flag},
    AnimationRow{"xmages/logo/smile.gif", AnimationKind::Smile},
    AnimationRow{"xmages/logo/wink.gif", AnimationKind::Wink},
};

constexpr std::array kSounds = {
    SoundRow{"sound/ding.wav", SoundKind::Ding},
    SoundRow{"sound/notify.wav", SoundKind::Notify},
    SoundRow{"sound/rec.wav", SoundKind::Record},
};

constexpr std::array kFigures = {
    // Environment articles.
    FigureRow{"doc/topic/sreda/picture/pic031.jpg", 704, 541, &EnvironmentFigures::environmentAfterStart},
    FigureRow{"doc/topic/sreda/picture/pic032.bmp", 692, 258, &EnvironmentFigures::mainWindow},
    FigureRow{"doc/topic/sreda/picture/pic041.bmp", 657, 177, &EnvironmentFigures::componentPalette},
    FigureRow{"doc/topic/sreda/picture/pic051.jpg", 208, 511, &EnvironmentFigures::inspectorProperties},
    FigureRow{"doc/topic/sreda/picture/pic052.jpg", 208, 511, &EnvironmentFigures::inspectorEvents},
    FigureRow{"doc/topic/sreda/picture/pic061.jpg", 485, 401, &EnvironmentFigures::formDesigner},
    FigureRow{"doc/topic/sreda/picture/pic071.bmp", 661, 529, &EnvironmentFigures::generatedUnit},
    FigureRow{"doc/topic/sreda/picture/pic072.bmp", 661, 529, &EnvironmentFigures::eventHandlers},
    FigureRow{"doc/topic/sreda/picture/pic081.bmp", 594, 509, &EnvironmentFigures::unitStructure},
    FigureRow{"doc/topic/sreda/picture/pic091.bmp", 565, 433, &EnvironmentFigures::projectFile},
    FigureRow{"doc/topic/sreda/picture/pic111.jpg", 434, 435, &EnvironmentFigures::helpContents},
    FigureRow{"doc/topic/sreda/picture/pic112.jpg", 417, 482, &EnvironmentFigures::helpOnImage},
    // Language articles: four reference diagrams.
    FigureRow{"doc/topic/jazik/picture/pic01.bmp", 602, 302, &LanguageFigures::classHierarchy},
    FigureRow{"doc/topic/jazik/picture/pic02.bmp", 328, 328, &LanguageFigures::libraryBaseClasses},
    FigureRow{"doc/topic/jazik/picture/pic03.bmp", 554, 402, &LanguageFigures::dataTypes},
    FigureRow{"doc/topic/jazik/picture/pic04.bmp", 694, 301, &LanguageFigures::statements},
    // Reference articles.
    FigureRow{"doc/topic/sprav/picture/pic011.bmp", 360, 476, &ReferenceFigures::mainMenu},
    FigureRow{"doc/topic/sprav/picture/pic012.bmp", 308, 135, &ReferenceFigures::toolBars},
    FigureRow{"doc/topic/sprav/picture/pic021.bmp", 591, 208, &ReferenceFigures::paletteFirstPages},
    FigureRow{"doc/topic/sprav/picture/pic022.bmp", 591, 208, &ReferenceFigures::paletteLastPages},
    FigureRow{"doc/topic/sprav/picture/pic041.bmp", 443, 425, &ReferenceFigures::editorProperties},
    FigureRow{"doc/topic/sprav/picture/pic042.bmp", 438, 373, &ReferenceFigures::repository},
    FigureRow{"doc/topic/sprav/picture/pic043.bmp", 471, 279, &ReferenceFigures::addToRepository},
    FigureRow{"doc/topic/sprav/picture/pic044.bmp", 333, 457, &ReferenceFigures::addBreakpoint},
    FigureRow{"doc/topic/sprav/picture/pic051.bmp", 443, 441, &ReferenceFigures::environmentOptions},
    FigureRow{"doc/topic/sprav/picture/pic052.bmp", 424, 406, &ReferenceFigures::projectOptions},
    FigureRow{"doc/topic/sprav/picture/pic071.jpg", 424, 406, &ReferenceFigures::compilerOptions},
    FigureRow{"doc/topic/sprav/picture/pic091.bmp", 722, 245, &ReferenceFigures::colourPalette},
    FigureRow{"doc/topic/sprav/picture/pic092.bmp", 323, 245, &ReferenceFigures::rgbModel},
    // Component library: the one prepared figure, a form with speed buttons.
    FigureRow{"doc/test/tem/t02/pic11.bmp", 531, 304, &ComponentFigures::speedButtons},
};

constexpr std::array kArticles = {
    // Welcome articles.
    ArticleRow{"doc/topic/logo.rtf", "Добро пожаловать в Ведариум DELPHI"},
    ArticleRow{"doc/topic/logoS.rtf", "Полезные справочники"},
    ArticleRow{"doc/topic/komp/logo.rtf", "Библиотека визуальных компонентов"},
    // Environment articles (no number 02).
    ArticleRow{"doc/topic/sreda/srd01.rtf", "ВИЗУАЛЬНОЕ ОБЪЕКТНО-ОРИЕНТИРОВАННОЕ ПРОГРАММИРОВАНИЕ"},
    ArticleRow{"doc/topic/sreda/srd03.rtf", "ОСНОВНЫЕ ЭЛЕМЕНТЫ ИНТЕРФЕЙСА СИСТЕМЫ BORLAND DELPHI"},
    ArticleRow{"doc/topic/sreda/srd04.rtf", "ПАЛИТРА ГРАФИЧЕСКИХ КОМПОНЕНТОВ СИСТЕМЫ DELPHI"},
    ArticleRow{"doc/topic/sreda/srd05.rtf", "ЗАДАНИЕ СВОЙСТВ КОМПОНЕНТОВ В ИНСПЕКТОРЕ ОБЪЕКТОВ"},
    ArticleRow{"doc/topic/sreda/srd06.rtf", "СБОРКА ПРОГРАММЫ В ПРОЕКТИРОВЩИКЕ (ДИЗАЙНЕРЕ) ФОРМЫ"},
    ArticleRow{"doc/topic/sreda/srd07.rtf", "ИСПОЛЬЗОВАНИЕ ОКНА РЕДАКТОРА ДЛЯ НАПИСАНИЯ ПРОГРАММНОГО КОДА"},
    ArticleRow{"doc/topic/sreda/srd08.rtf", "СОЗДАНИЕ ПРОГРАММНОГО МОДУЛЯ И ЕГО СТРУКТУРА В DELPHI"},
    ArticleRow{"doc/topic/sreda/srd09.rtf", "ПОНЯТИЕ ПРОЕКТА В СИСТЕМЕ DELPHI И УПРАВЛЕНИЕ ПРОЕКТОМ"},
    ArticleRow{"doc/topic/sreda/srd10.rtf", "ОШИБКИ И МЕТОДЫ ОТЛАДКИ ПРОГРАММ В СИСТЕМЕ DELPHI"},
    ArticleRow{"doc/topic/sreda/srd11.rtf", "ИСПОЛЬЗОВАНИЕ КОНТЕКСТНОЙ СПРАВОЧНОЙ СИСТЕМЫ DELPHI"},
    // Language articles.
    ArticleRow{"doc/topic/jazik/jaz01.rtf", "ОСНОВНЫЕ ПОНЯТИЯ ЯЗЫКА ПРОГРАММИРОВАНИЯ OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz02.rtf", "ИСПОЛЬЗОВАНИЕ КОНСТАНТ И ПЕРЕМЕННЫХ ДЛЯ ХРАНЕНИЯ ДАННЫХ"},
    ArticleRow{"doc/topic/jazik/jaz03.rtf", "ПРОСТЫЕ ТИПЫ ДАННЫХ ЯЗЫКА OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz04.rtf", "СТРУКТУРИРОВАННЫЕ ТИПЫ ДАННЫХ ЯЗЫКА OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz05.rtf", "ОПЕРАЦИИ И ВЫРАЖЕНИЯ В ЯЗЫКЕ OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz06.rtf", "ВИДЫ ПРОСТЫХ ОПЕРАТОРОВ В ЯЗЫКЕ OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz07.rtf", "ВИДЫ СТРУКТУРИРОВАННЫХ ОПЕРАТОРОВ В ЯЗЫКЕ OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz08.rtf", "ПОНЯТИЯ ПРОЦЕДУРЫ И ФУНКЦИИ ЯЗЫКА OBJECT PASCAL"},
    ArticleRow{"doc/topic/jazik/jaz09.rtf", "ИДЕОЛОГИЯ ОБЪЕКТНО-ОРИЕНТИРОВАННОГО ПРОГРАММИРОВАНИЯ"},
    ArticleRow{"doc/topic/jazik/jaz10.rtf", "КЛАССЫ И ОБЪЕКТЫ В ОБЪЕКТНО-ОРИЕНТИРОВАННОМ ПРОГРАММИРОВАНИИ"},
    ArticleRow{"doc/topic/jazik/jaz11.rtf", "ПОНЯТИЯ ПОЛЕЙ, СВОЙСТВ И МЕТОДОВ В ПРОГРАММИРОВАНИИ"},
    ArticleRow{"doc/topic/jazik/jaz12.rtf", "БИБЛИОТЕКА ВИЗУАЛЬНЫХ КОМПОНЕНТОВ СИСТЕМЫ DELPHI (VCL)"},
    // Reference articles (no numbers 06 and 10).
    ArticleRow{"doc/topic/sprav/spr01.rtf", "ГЛАВНОЕ МЕНЮ И ПАНЕЛИ ИНСТРУМЕНТОВ СИСТЕМЫ DELPHI"},
    ArticleRow{"doc/topic/sprav/spr02.rtf", "ОПИСАНИЕ ПАЛИТРЫ КОМПОНЕНТОВ VCL СИСТЕМЫ DELPHI"},
    ArticleRow{"doc/topic/sprav/spr03.rtf", "СВОЙСТВА ВИЗУАЛЬНЫХ КОМПОНЕНТОВ, ВИДЫ СОБЫТИЙ И МЕТОДЫ"},
    ArticleRow{"doc/topic/sprav/spr04.rtf", "ОСНОВНЫЕ РЕЖИМЫ РАБОТЫ СИСТЕМЫ ПРОГРАММИРОВАНИЯ DELPHI"},
    ArticleRow{"doc/topic/sprav/spr05.rtf", "НЕКОТОРЫЕ ВАЖНЫЕ НАСТРОЙКИ СРЕДЫ ПРОГРАММИРОВАНИЯ DELPHI"},
    ArticleRow{"doc/topic/sprav/spr07.rtf", "ДИРЕКТИВЫ КОМПИЛЯТОРА И СООБЩЕНИЯ ОБ ОШИБКАХ КОМПИЛЯЦИИ"},
    ArticleRow{"doc/topic/sprav/spr08.rtf", "СТАНДАРТНЫЕ ПРОЦЕДУРЫ И ФУНКЦИИ ЯЗЫКА OBJECT PASCAL"},
    ArticleRow{"doc/topic/sprav/spr09.rtf", "ИСПОЛЬЗОВАНИЕ ЦВЕТОВЫХ СХЕМ И ИХ РАСШИРЕНИЕ В DELPHI"},
    ArticleRow{"doc/topic/sprav/spr11.rtf", "МЕЖДУНАРОДНАЯ КОДИРОВКА СИМВОЛОВ ANSI (ASCII)"},
    ArticleRow{"doc/topic/sprav/spr12.rtf", "СЛОВАРЬ СПЕЦИАЛЬНЫХ ТЕРМИНОВ ИЗ ОБЛАСТИ ПРОГРАММИРОВАНИЯ"},
    // Component library: section introductions, stand-alone topics and entries.
    ArticleRow{"doc/topic/komp/logo01.rtf", "Страница STANDARD"},
    ArticleRow{"doc/topic/komp/logo02.rtf", "Страница ADDITIONAL"},
    ArticleRow{"doc/topic/komp/logo03.rtf", "Страница WIN32"},
    ArticleRow{"doc/topic/komp/logo04.rtf", "Страница SYSTEM"},
    ArticleRow{"doc/topic/komp/logo05.rtf", "Страница DIALOGS"},
    ArticleRow{"doc/topic/komp/logo06.rtf", "Страница SAMPLES"},
    ArticleRow{"doc/topic/komp/logo07.rtf", "ОБЩИЕ СВОЙСТВА КОМПОНЕНТОВ"},
    ArticleRow{"doc/topic/komp/logo08.rtf", "КЛАССЫ РАБОТЫ С ГРАФИКОЙ"},
    ArticleRow{"doc/topic/komp/logo09.rtf", "КЛАССЫ ДЛЯ ТЕКСТОВ И СПИСКОВ"},
    ArticleRow{"doc/topic/komp/komp00/form.rtf", "TForm"},
    ArticleRow{"doc/topic/komp/komp00/app.rtf", "TApplication"},
    ArticleRow{"doc/topic/komp/komp00/api.rtf", "Windows API"},
    ArticleRow{"doc/topic/komp/komp01/mainmenu.rtf", "MainMenu"},
    ArticleRow{"doc/topic/komp/komp01/frames.rtf", "Frames"},
    ArticleRow{"doc/topic/komp/komp01/label.rtf", "Label"},
    ArticleRow{"doc/topic/komp/komp01/popupmenu.rtf", "PopupMenu"},
    ArticleRow{"doc/topic/komp/komp01/memo.rtf", "Memo"},
    ArticleRow{"doc/topic/komp/komp01/edit.rtf", "Edit"},
    ArticleRow{"doc/topic/komp/komp01/radiobutton.rtf", "RadioButton"},
    ArticleRow{"doc/topic/komp/komp01/checkbox.rtf", "CheckBox"},
    ArticleRow{"doc/topic/komp/komp01/button.rtf", "Button"},
    ArticleRow{"doc/topic/komp/komp01/combobox.rtf", "ComboBox"},
    ArticleRow{"doc/topic/komp/komp01/scrollbar.rtf", "ScrollBar"},
    ArticleRow{"doc/topic/komp/komp01/listbox.rtf", "ListBox"},
    ArticleRow{"doc/topic/komp/komp01/radiogroup.rtf", "RadioGroup"},
    ArticleRow{"doc/topic/komp/komp01/groupbox.rtf", "GroupBox"},
    ArticleRow{"doc/topic/komp/komp01/panel.rtf", "Panel"},
    ArticleRow{"doc/topic/komp/komp01/actionlist.rtf", "ActionList"},
    ArticleRow{"doc/topic/komp/komp02/speedbutton.rtf", "SpeedButton"},
    ArticleRow{"doc/topic/komp/komp02/maskedit.rtf", "MaskEdit"},
    ArticleRow{"doc/topic/komp/komp02/bitbtn.rtf", "BitBtn"},
    ArticleRow{"doc/topic/komp/komp02/stringgrid.rtf", "StringGrid"},
    ArticleRow{"doc/topic/komp/komp02/drawgrid.rtf", "DrawGrid"},
    ArticleRow{"doc/topic/komp/komp02/image.rtf", "Image"},
    ArticleRow{"doc/topic/komp/komp02/scrollbox.rtf", "ScrollBox"},
    ArticleRow{"doc/topic/komp/komp02/statictext.rtf", "StaticText"},
    ArticleRow{"doc/topic/komp/komp02/shape.rtf", "Shape"},
    ArticleRow{"doc/topic/komp/komp02/checklistbox.rtf", "CheckListBox"},
    ArticleRow{"doc/topic/komp/komp02/controlbar.rtf", "ControlBar"},
    ArticleRow{"doc/topic/komp/komp02/bevel.rtf", "Bevel"},
    ArticleRow{"doc/topic/komp/komp02/applicationevents.rtf", "ApplicationEvents"},
    ArticleRow{"doc/topic/komp/komp02/labeledit.rtf", "LabelEdit"},
    ArticleRow{"doc/topic/komp/komp02/splitter.rtf", "Splitter"},
    ArticleRow{"doc/topic/komp/komp02/valuelisteditor.rtf", "ValueListEditor"},
    ArticleRow{"doc/topic/komp/komp02/colorbox.rtf", "ColorBox"},
    ArticleRow{"doc/topic/komp/komp02/chart.rtf", "Chart"},
    ArticleRow{"doc/topic/komp/komp02/actionmanager.rtf", "ActionManager"},
    ArticleRow{"doc/topic/komp/komp02/actionbars.rtf", "ActionBars"},
    ArticleRow{"doc/topic/komp/komp02/customizedlg.rtf", "CustomizeDlg"},
    ArticleRow{"doc/topic/komp/komp03/pagecontrol.rtf", "PageControl"},
    ArticleRow{"doc/topic/komp/komp03/tabcontrol.rtf", "TabControl"},
    ArticleRow{"doc/topic/komp/komp03/imagelist.rtf", "ImageList"},
    ArticleRow{"doc/topic/komp/komp03/progressbar.rtf", "ProgressBar"},
    ArticleRow{"doc/topic/komp/komp03/trackbar.rtf", "TrackBar"},
    ArticleRow{"doc/topic/komp/komp03/richedit.rtf", "RichEdit"},
    ArticleRow{"doc/topic/komp/komp03/datetimepicker.rtf", "DateTimePicker"},
    ArticleRow{"doc/topic/komp/komp03/updown.rtf", "UpDown"},
    ArticleRow{"doc/topic/komp/komp03/hotkey.rtf", "HotKey"},
    ArticleRow{"doc/topic/komp/komp03/monthcalendar.rtf", "MonthCalendar"},
    ArticleRow{"doc/topic/komp/komp03/treeview.rtf", "TreeView"},
    ArticleRow{"doc/topic/komp/komp03/animate.rtf", "Animate"},
    ArticleRow{"doc/topic/komp/komp03/headercontrol.rtf", "HeaderControl"},
    ArticleRow{"doc/topic/komp/komp03/statusbar.rtf", "StatusBar"},
    ArticleRow{"doc/topic/komp/komp03/listview.rtf", "ListView"},
    ArticleRow{"doc/topic/komp/komp03/pagescroller.rtf", "PageScroller"},
    ArticleRow{"doc/topic/komp/komp03/toolbar.rtf", "ToolBar"},
    ArticleRow{"doc/topic/komp/komp03/coolbar.rtf", "CoolBar"},
    ArticleRow{"doc/topic/komp/komp03/comboboxex.rtf", "ComboBoxEx"},
    ArticleRow{"doc/topic/komp/komp03/xpmanifest.rtf", "XPManifest"},
    ArticleRow{"doc/topic/komp/komp04/mediaplayer.rtf", "MediaPlayer"},
    ArticleRow{"doc/topic/komp/komp04/paintbox.rtf", "PaintBox"},
    ArticleRow{"doc/topic/komp/komp04/timer.rtf", "Timer"},
    ArticleRow{"doc/topic/komp/komp04/olecontainer.rtf", "OleContainer"},
    ArticleRow{"doc/topic/komp/komp05/openpicturedlg.rtf", "OpenPictureDialog"},
    ArticleRow{"doc/topic/komp/komp05/opendlg.rtf", "OpenDialog"},
    ArticleRow{"doc/topic/komp/komp05/savedlg.rtf", "SaveDialog"},
    ArticleRow{"doc/topic/komp/komp05/savepicturedlg.rtf", "SavePictureDialog"},
    ArticleRow{"doc/topic/komp/komp05/colordlg.rtf", "ColorDialog"},
    ArticleRow{"doc/topic/komp/komp05/fontdlg.rtf", "FontDialog"},
    ArticleRow{"doc/topic/komp/komp05/printersetupdlg.rtf", "PrinterSetupDialog"},
    ArticleRow{"doc/topic/komp/komp05/printdlg.rtf", "PrintDialog"},
    ArticleRow{"doc/topic/komp/komp05/finddlg.rtf", "FindDialog"},
    ArticleRow{"doc/topic/komp/komp05/pagesetupdlg.rtf", "PageSetupDialog"},
    ArticleRow{"doc/topic/komp/komp05/replacedlg.rtf", "ReplaceDialog"},
    ArticleRow{"doc/topic/komp/komp06/spinbutton.rtf", "SpinButton"},
    ArticleRow{"doc/topic/komp/komp06/colorgrid.rtf", "ColorGrid"},
    ArticleRow{"doc/topic/komp/komp06/gauge.rtf", "Gauge"},
    ArticleRow{"doc/topic/komp/komp06/directoryoutline.rtf", "DirectoryOutLine"},
    ArticleRow{"doc/topic/komp/komp06/spinedit.rtf", "SpinEdit"},
    ArticleRow{"doc/topic/komp/komp06/calendar.rtf", "Calendar"},
    ArticleRow{"doc/topic/komp/komp07/component.rtf", "TComponent"},
    ArticleRow{"doc/topic/komp/komp07/control.rtf", "TControl"},
    ArticleRow{"doc/topic/komp/komp07/dragdrop.rtf", "DragDrop"},
    ArticleRow{"doc/topic/komp/komp07/dragdock.rtf", "DragDock"},
    ArticleRow{"doc/topic/komp/komp08/graphic.rtf", "TGraphic"},
    ArticleRow{"doc/topic/komp/komp08/picture.rtf", "TPicture"},
    ArticleRow{"doc/topic/komp/komp08/font.rtf", "TFont"},
    ArticleRow{"doc/topic/komp/komp08/canvas.rtf", "TCanvas"},
    ArticleRow{"doc/topic/komp/komp08/brush.rtf", "TBrush"},
    ArticleRow{"doc/topic/komp/komp08/pen.rtf", "TPen"},
    ArticleRow{"doc/topic/komp/komp09/stringlist.rtf", "TStringList"},
    ArticleRow{"doc/topic/komp/komp09/strings.rtf", "TStrings"},
    ArticleRow{"doc/topic/komp/komp09/list.rtf", "TList"},
};

} // namespace

std::span<const LogoRow> ContentTables::logos() {
    return kLogos;
}

std::span<const AnimationRow> ContentTables::animations() {
    return kAnimations;
}

std::span<const SoundRow> ContentTables::sounds() {
    return kSounds;
}

std::span<const FigureRow> ContentTables::figures() {
    return kFigures;
}

std::span<const ArticleRow> ContentTables::articles() {
    // The topic articles, then the sixty exercise instructions, titled as the workspace titles their exercise.
    static const std::vector<std::string> instructionPaths = [] {
        std::vector<std::string> paths;
        for (const ExerciseTables::Exercise& exercise : ExerciseTables::exercises()) {
            std::string path = exercise.instruction;
            std::replace(path.begin(), path.end(), '\\', '/');
            paths.push_back(std::move(path));
        }
        return paths;
    }();
    static const std::vector<ArticleRow> rows = [] {
        std::vector<ArticleRow> all(kArticles.begin(), kArticles.end());
        const auto exercises = ExerciseTables::exercises();
        for (size_t i = 0; i < exercises.size(); ++i)
            all.push_back(ArticleRow{instructionPaths[i].c_str(), exercises[i].title});
        return all;
    }();
    return rows;
}
