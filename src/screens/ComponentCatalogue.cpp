// SPDX-License-Identifier: MIT
#include "screens/ComponentCatalogue.h"

#include <algorithm>

namespace {

const CatalogueSection Sections[] = {
    {"Panel77", "STANDARD", false, "Страница STANDARD", "КОМПОНЕНТ", " ВЫБОР КОМПОНЕНТА VCL ",
     "doc\\topic\\komp\\logo01.rtf", 16, false},
    {"Panel78", "ADDITIONAL", false, "Страница ADDITIONAL", "КОМПОНЕНТ", " ВЫБОР КОМПОНЕНТА VCL ",
     "doc\\topic\\komp\\logo02.rtf", 21, false},
    {"Panel79", "WIN32", false, "Страница WIN32", "КОМПОНЕНТ", " ВЫБОР КОМПОНЕНТА VCL ", "doc\\topic\\komp\\logo03.rtf",
     20, false},
    {"Panel80", "SYSTEM", false, "Страница SYSTEM", "КОМПОНЕНТ", " ВЫБОР КОМПОНЕНТА VCL ",
     "doc\\topic\\komp\\logo04.rtf", 4, false},
    {"Panel81", "DIALOGS", false, "Страница DIALOGS", "КОМПОНЕНТ", " ВЫБОР КОМПОНЕНТА VCL ",
     "doc\\topic\\komp\\logo05.rtf", 11, true},
    {"Panel82", "SAMPLES", false, "Страница SAMPLES", "КОМПОНЕНТ", " ВЫБОР КОМПОНЕНТА VCL ",
     "doc\\topic\\komp\\logo06.rtf", 6, false},
    {"Panel83", "TComponent", true, "ОБЩИЕ СВОЙСТВА КОМПОНЕНТОВ", "КЛАСС", " ВЫБОР КЛАССА ИЛИ ИНТЕРФЕЙСА ",
     "doc\\topic\\komp\\logo07.rtf", 4, false},
    {"Panel84", "TGraphic", true, "КЛАССЫ РАБОТЫ С ГРАФИКОЙ", "КЛАСС", " ВЫБОР КЛАССА ", "doc\\topic\\komp\\logo08.rtf",
     6, false},
    {"Panel85", "TStrings", true, "КЛАССЫ ДЛЯ ТЕКСТОВ И СПИСКОВ", "КЛАСС", " ВЫБОР КЛАССА ",
     "doc\\topic\\komp\\logo09.rtf", 3, false},
};

const CatalogueEntry Entries[] = {
    // 1. STANDARD
    {1, 1, "MainMenu", "MainMenu", nullptr, "doc\\topic\\komp\\komp01\\mainmenu.rtf"},
    {1, 2, "Frames", "Frames", nullptr, "doc\\topic\\komp\\komp01\\frames.rtf"},
    {1, 3, "Label", "Label", nullptr, "doc\\topic\\komp\\komp01\\label.rtf"},
    {1, 4, "PopupMenu", "PopupMenu", nullptr, "doc\\topic\\komp\\komp01\\popupmenu.rtf"},
    {1, 5, "Memo", "Memo", nullptr, "doc\\topic\\komp\\komp01\\memo.rtf"},
    {1, 6, "Edit", "Edit", nullptr, "doc\\topic\\komp\\komp01\\edit.rtf"},
    {1, 7, "RadioButton", "RadioButton", nullptr, "doc\\topic\\komp\\komp01\\radiobutton.rtf"},
    {1, 8, "CheckBox", "CheckBox", nullptr, "doc\\topic\\komp\\komp01\\checkbox.rtf"},
    {1, 9, "Button", "Button", nullptr, "doc\\topic\\komp\\komp01\\button.rtf"},
    {1, 10, "ComboBox", "ComboBox", nullptr, "doc\\topic\\komp\\komp01\\combobox.rtf"},
    {1, 11, "ScrollBar", "ScrollBar", nullptr, "doc\\topic\\komp\\komp01\\scrollbar.rtf"},
    {1, 12, "ListBox", "ListBox", nullptr, "doc\\topic\\komp\\komp01\\listbox.rtf"},
    {1, 13, "RadioGroup", "RadioGroup", nullptr, "doc\\topic\\komp\\komp01\\radiogroup.rtf"},
    {1, 14, "GroupBox", "GroupBox", nullptr, "doc\\topic\\komp\\komp01\\groupbox.rtf"},
    {1, 15, "Panel", "Panel", nullptr, "doc\\topic\\komp\\komp01\\panel.rtf"},
    {1, 16, "ActionList", "ActionList", nullptr, "doc\\topic\\komp\\komp01\\actionlist.rtf"},
    // 2. ADDITIONAL
    {2, 1, "SpeedButton", "SpeedButton", nullptr, "doc\\topic\\komp\\komp02\\speedbutton.rtf"},
    {2, 2, "MaskEdit", "MaskEdit", nullptr, "doc\\topic\\komp\\komp02\\maskedit.rtf"},
    {2, 3, "BitBtn", "BitBtn", nullptr, "doc\\topic\\komp\\komp02\\bitbtn.rtf"},
    {2, 4, "StringGrid", "StringGrid", nullptr, "doc\\topic\\komp\\komp02\\stringgrid.rtf"},
    {2, 5, "DrawGrid", "DrawGrid", nullptr, "doc\\topic\\komp\\komp02\\drawgrid.rtf"},
    {2, 6, "Image", "Image", nullptr, "doc\\topic\\komp\\komp02\\image.rtf"},
    {2, 7, "ScrollBox", "ScrollBox", nullptr, "doc\\topic\\komp\\komp02\\scrollbox.rtf"},
    {2, 8, "StaticText", "StaticText", nullptr, "doc\\topic\\komp\\komp02\\statictext.rtf"},
    {2, 9, "Shape", "Shape", nullptr, "doc\\topic\\komp\\komp02\\shape.rtf"},
    {2, 10, "CheckListBox", "CheckListBox", nullptr, "doc\\topic\\komp\\komp02\\checklistbox.rtf"},
    {2, 11, "ControlBar", "ControlBar", nullptr, "doc\\topic\\komp\\komp02\\controlbar.rtf"},
    {2, 12, "Bevel", "Bevel", nullptr, "doc\\topic\\komp\\komp02\\bevel.rtf"},
    {2, 13, "ApplicationEvents", "ApplicationEvents", nullptr, "doc\\topic\\komp\\komp02\\applicationevents.rtf"},
    {2, 14, "LabelEdit", "LabelEdit", nullptr, "doc\\topic\\komp\\komp02\\labeledit.rtf"},
    {2, 15, "Splitter", "Splitter", nullptr, "doc\\topic\\komp\\komp02\\splitter.rtf"},
    {2, 16, "ValueListEditor", "ValueListEditor", nullptr, "doc\\topic\\komp\\komp02\\valuelisteditor.rtf"},
    {2, 17, "ColorBox", "ColorBox", nullptr, "doc\\topic\\komp\\komp02\\colorbox.rtf"},
    {2, 18, "Chart", "Chart", nullptr, "doc\\topic\\komp\\komp02\\chart.rtf"},
    {2, 19, "ActionManager", "ActionManager", nullptr, "doc\\topic\\komp\\komp02\\actionmanager.rtf"},
    {2, 20, "ActionBars", "ActionBars", nullptr, "doc\\topic\\komp\\komp02\\actionbars.rtf"},
    {2, 21, "CustDlg", "CustomizeDlg", nullptr, "doc\\topic\\komp\\komp02\\customizedlg.rtf"},
    // 3. WIN32
    {3, 1, "PageControl", "PageControl", nullptr, "doc\\topic\\komp\\komp03\\pagecontrol.rtf"},
    {3, 2, "TabControl", "TabControl", nullptr, "doc\\topic\\komp\\komp03\\tabcontrol.rtf"},
    {3, 3, "ImageList", "ImageList", nullptr, "doc\\topic\\komp\\komp03\\imagelist.rtf"},
    {3, 4, "ProgressBar", "ProgressBar", nullptr, "doc\\topic\\komp\\komp03\\progressbar.rtf"},
    {3, 5, "TrackBar", "TrackBar", nullptr, "doc\\topic\\komp\\komp03\\trackbar.rtf"},
    {3, 6, "RichEdit", "RichEdit", nullptr, "doc\\topic\\komp\\komp03\\richedit.rtf"},
    {3, 7, "DateTimePicker", "DateTimePicker", nullptr, "doc\\topic\\komp\\komp03\\datetimepicker.rtf"},
    {3, 8, "UpDown", "UpDown", nullptr, "doc\\topic\\komp\\komp03\\updown.rtf"},
    {3, 9, "HotKey", "HotKey", nullptr, "doc\\topic\\komp\\komp03\\hotkey.rtf"},
    {3, 10, "MonthCalendar", "MonthCalendar", nullptr, "doc\\topic\\komp\\komp03\\monthcalendar.rtf"},
    {3, 11, "TreeView", "TreeView", nullptr, "doc\\topic\\komp\\komp03\\treeview.rtf"},
    {3, 12, "Animate", "Animate", nullptr, "doc\\topic\\komp\\komp03\\animate.rtf"},
    {3, 13, "HeaderControl", "HeaderControl", nullptr, "doc\\topic\\komp\\komp03\\headercontrol.rtf"},
    {3, 14, "StatusBar", "StatusBar", nullptr, "doc\\topic\\komp\\komp03\\statusbar.rtf"},
    {3, 15, "ListView", "ListView", nullptr, "doc\\topic\\komp\\komp03\\listview.rtf"},
    {3, 16, "PageScroller", "PageScroller", nullptr, "doc\\topic\\komp\\komp03\\pagescroller.rtf"},
    {3, 17, "ToolBar", "ToolBar", nullptr, "doc\\topic\\komp\\komp03\\toolbar.rtf"},
    {3, 18, "CoolBar", "CoolBar", nullptr, "doc\\topic\\komp\\komp03\\coolbar.rtf"},
    {3, 19, "ComboBoxEx", "ComboBoxEx", nullptr, "doc\\topic\\komp\\komp03\\comboboxex.rtf"},
    {3, 20, "XPManifest", "XPManifest", nullptr, "doc\\topic\\komp\\komp03\\xpmanifest.rtf"},
    // 4. SYSTEM
    {4, 1, "MediaPlayer", "MediaPlayer", nullptr, "doc\\topic\\komp\\komp04\\mediaplayer.rtf"},
    {4, 2, "PaintBox", "PaintBox", nullptr, "doc\\topic\\komp\\komp04\\paintbox.rtf"},
    {4, 3, "Timer", "Timer", nullptr, "doc\\topic\\komp\\komp04\\timer.rtf"},
    {4, 4, "OleContainer", "OleContainer", nullptr, "doc\\topic\\komp\\komp04\\olecontainer.rtf"},
    // 5. DIALOGS
    {5, 1, "OpenPictureDlg", "OpenPictureDialog", nullptr, "doc\\topic\\komp\\komp05\\openpicturedlg.rtf"},
    {5, 2, "OpenDlg", "OpenDialog", nullptr, "doc\\topic\\komp\\komp05\\opendlg.rtf"},
    {5, 3, "SaveDlg", "SaveDialog", nullptr, "doc\\topic\\komp\\komp05\\savedlg.rtf"},
    {5, 4, "SavePictureDlg", "SavePictureDialog", nullptr, "doc\\topic\\komp\\komp05\\savepicturedlg.rtf"},
    {5, 5, "ColorDlg", "ColorDialog", nullptr, "doc\\topic\\komp\\komp05\\colordlg.rtf"},
    {5, 6, "FontDlg", "FontDialog", nullptr, "doc\\topic\\komp\\komp05\\fontdlg.rtf"},
    {5, 7, "PrinterSetupDlg", "PrinterSetupDialog", nullptr, "doc\\topic\\komp\\komp05\\printersetupdlg.rtf"},
    {5, 8, "PrintDlg", "PrintDialog", nullptr, "doc\\topic\\komp\\komp05\\printdlg.rtf"},
    {5, 9, "FindDlg", "FindDialog", nullptr, "doc\\topic\\komp\\komp05\\finddlg.rtf"},
    {5, 10, "PageSetupDlg", "PageSetupDialog", nullptr, "doc\\topic\\komp\\komp05\\pagesetupdlg.rtf"},
    {5, 11, "ReplaceDlg", "ReplaceDialog", nullptr, "doc\\topic\\komp\\komp05\\replacedlg.rtf"},
    // 6. SAMPLES
    {6, 1, "SpinButton", "SpinButton", nullptr, "doc\\topic\\komp\\komp06\\spinbutton.rtf"},
    {6, 2, "ColorGrid", "ColorGrid", nullptr, "doc\\topic\\komp\\komp06\\colorgrid.rtf"},
    {6, 3, "Gauge", "Gauge", nullptr, "doc\\topic\\komp\\komp06\\gauge.rtf"},
    {6, 4, "DirectoryOutLine", "DirectoryOutLine", nullptr, "doc\\topic\\komp\\komp06\\directoryoutline.rtf"},
    {6, 5, "SpinEdit", "SpinEdit", nullptr, "doc\\topic\\komp\\komp06\\spinedit.rtf"},
    {6, 6, "Calendar", "Calendar", nullptr, "doc\\topic\\komp\\komp06\\calendar.rtf"},
    // 7. TComponent
    {7, 1, "TComponent", "TComponent", "КЛАСС", "doc\\topic\\komp\\komp07\\component.rtf"},
    {7, 2, "TControl", "TControl", "КЛАСС", "doc\\topic\\komp\\komp07\\control.rtf"},
    {7, 3, "DragDrop", "DragDrop", "ИНТЕРФЕЙС", "doc\\topic\\komp\\komp07\\dragdrop.rtf"},
    {7, 4, "DragDock", "DragDock", "ИНТЕРФЕЙС", "doc\\topic\\komp\\komp07\\dragdock.rtf"},
    // 8. TGraphic
    {8, 1, "TGraphic", "TGraphic", nullptr, "doc\\topic\\komp\\komp08\\graphic.rtf"},
    {8, 2, "TPiture", "TPicture", nullptr, "doc\\topic\\komp\\komp08\\picture.rtf"},
    {8, 3, "TFont", "TFont", nullptr, "doc\\topic\\komp\\komp08\\font.rtf"},
    {8, 4, "TCanvas", "TCanvas", nullptr, "doc\\topic\\komp\\komp08\\canvas.rtf"},
    {8, 5, "TBrush", "TBrush", nullptr, "doc\\topic\\komp\\komp08\\brush.rtf"},
    {8, 6, "TPen", "TPen", nullptr, "doc\\topic\\komp\\komp08\\pen.rtf"},
    // 9. TStrings
    {9, 1, "TStringList", "TStringList", nullptr, "doc\\topic\\komp\\komp09\\stringlist.rtf"},
    {9, 2, "TStrings", "TStrings", nullptr, "doc\\topic\\komp\\komp09\\strings.rtf"},
    {9, 3, "TList", "TList", nullptr, "doc\\topic\\komp\\komp09\\list.rtf"},
};

const StandaloneTopic Standalone[] = {
    {"Panel30", "TForm", QRect(32, 440, 57, 25), Colors::Teal, "БАЗОВЫЙ КОМПОНЕНТ", "КОМПОНЕНТ", "TForm",
     "doc\\topic\\komp\\komp00\\form.rtf"},
    {"Panel31", "TApplication", QRect(104, 440, 89, 25), Colors::Teal, "ГЛОБАЛЬНЫЙ ОБЪЕКТ", "ОБЪЕКТ", "TApplication",
     "doc\\topic\\komp\\komp00\\app.rtf"},
    {"Panel32", "WinAPI", QRect(208, 440, 57, 25), Colors::Purple, "ТЕХНОЛОГИЯ WINDOWS API", "ТЕХНОЛОГИЯ",
     "Windows API", "doc\\topic\\komp\\komp00\\api.rtf"},
};

const char* const GridButtons[] = {"Panel2",  "Panel3",  "Panel4",  "Panel9",  "Panel10", "Panel11", "Panel12",
                                   "Panel13", "Panel14", "Panel15", "Panel16", "Panel17", "Panel18", "Panel19",
                                   "Panel20", "Panel21", "Panel22", "Panel23", "Panel24", "Panel25", "Panel26"};

// Both grids fill row by row, three buttons a row, 24 pixels apart, 17 pixels high.
constexpr int GridTop = 24;
constexpr int GridRowStep = 24;
constexpr int GridButtonHeight = 17;
constexpr int ComponentColumns[][2] = {{8, 89}, {96, 73}, {168, 57}};
constexpr int SectionColumns[][2] = {{8, 73}, {88, 73}, {168, 57}};

} // namespace

std::span<const CatalogueSection> ComponentCatalogue::sections()
{
    return Sections;
}

std::span<const CatalogueEntry> ComponentCatalogue::entries()
{
    return Entries;
}

std::span<const StandaloneTopic> ComponentCatalogue::standaloneTopics()
{
    return Standalone;
}

std::span<const CatalogueEntry> ComponentCatalogue::sectionEntries(int section)
{
    const auto first =
        std::find_if(std::begin(Entries), std::end(Entries), [section](const auto& e) { return e.section == section; });
    const auto last = std::find_if(first, std::end(Entries), [section](const auto& e) { return e.section != section; });
    return {first, last};
}

const CatalogueEntry* ComponentCatalogue::entry(int section, int position)
{
    const auto rows = sectionEntries(section);
    if (position < 1 || position > int(rows.size()))
        return nullptr;
    return &rows[size_t(position - 1)];
}

std::span<const char* const> ComponentCatalogue::gridButtons()
{
    return GridButtons;
}

QRect ComponentCatalogue::gridPlace(int position)
{
    const int row = (position - 1) / 3;
    const auto& column = ComponentColumns[(position - 1) % 3];
    return QRect(column[0], GridTop + row * GridRowStep, column[1], GridButtonHeight);
}

QRect ComponentCatalogue::sectionPlace(int section)
{
    const int row = (section - 1) / 3;
    const auto& column = SectionColumns[(section - 1) % 3];
    return QRect(column[0], GridTop + row * GridRowStep, column[1], GridButtonHeight);
}
