// SPDX-License-Identifier: MIT
#include "IdeParts.h"

#include "Sketch.h"

#include <QFontMetrics>

namespace {

constexpr int kPaletteButton = 26;
constexpr int kStatusHeight = 20;

} // namespace

const QStringList& IdeParts::menuNames() {
    static const QStringList names = {"File", "Edit",      "Search", "View",   "Project",
                                      "Run",  "Component", "Tools",  "Window", "Help"};
    return names;
}

const QStringList& IdeParts::paletteTabs() {
    static const QStringList tabs = {"Standard",      "Additional", "Win32",   "System",  "Data Access",
                                     "Data Controls", "Internet",   "Dialogs", "Win 3.1", "Samples"};
    return tabs;
}

QList<IdeParts::Component> IdeParts::palettePage(const QString& tab) {
    if (tab == QLatin1String("Additional"))
        return {{5, "BitBtn"},           {5, "SpeedButton"},
                {3, "MaskEdit"},         {15, "StringGrid"},
                {15, "DrawGrid"},        {13, "Image"},
                {14, "Shape"},           {12, "Bevel"},
                {11, "ScrollBox"},       {8, "CheckListBox"},
                {10, "Splitter"},        {2, "StaticText"},
                {18, "ControlBar"},      {16, "ApplicationEvents"},
                {15, "ValueListEditor"}, {3, "LabeledEdit"},
                {9, "ColorBox"},         {19, "Chart"}};
    if (tab == QLatin1String("Win32"))
        return {{18, "TabControl"}, {18, "PageControl"},   {13, "ImageList"},     {4, "RichEdit"},
                {10, "TrackBar"},   {19, "ProgressBar"},   {10, "UpDown"},        {3, "HotKey"},
                {17, "Animate"},    {9, "DateTimePicker"}, {15, "MonthCalendar"}, {8, "TreeView"},
                {8, "ListView"},    {12, "HeaderControl"}, {12, "StatusBar"},     {1, "ToolBar"},
                {18, "CoolBar"},    {10, "PageScroller"},  {9, "ComboBoxEx"},     {17, "XPManifest"}};
    if (tab == QLatin1String("System"))
        return {{16, "Timer"},        {14, "PaintBox"},      {19, "MediaPlayer"},
                {17, "OleContainer"}, {17, "DdeClientConv"}, {17, "DdeServerConv"}};
    if (tab == QLatin1String("Dialogs"))
        return {{17, "OpenDialog"}, {17, "SaveDialog"},   {13, "OpenPictureDialog"}, {13, "SavePictureDialog"},
                {2, "FontDialog"},  {14, "ColorDialog"},  {17, "PrintDialog"},       {17, "PrinterSetupDialog"},
                {3, "FindDialog"},  {4, "ReplaceDialog"}, {17, "PageSetupDialog"}};
    if (tab == QLatin1String("Samples"))
        return {{19, "Gauge"},   {15, "ColorGrid"},       {10, "SpinButton"},
                {3, "SpinEdit"}, {8, "DirectoryOutline"}, {15, "Calendar"}};
    return {{17, "Frames"},     {1, "MainMenu"},    {1, "PopupMenu"}, {2, "Label"},
            {3, "Edit"},        {4, "Memo"},        {5, "Button"},    {6, "CheckBox"},
            {7, "RadioButton"}, {8, "ListBox"},     {9, "ComboBox"},  {10, "ScrollBar"},
            {11, "GroupBox"},   {11, "RadioGroup"}, {12, "Panel"},    {16, "ActionList"}};
}

void IdeParts::palette(Sketch& sketch, const QRect& area, int tab, bool names) {
    // Tabs that do not fit are scrolled away on the left, as the palette does, so the chosen one shows.
    const QFontMetrics metrics(Sketch::uiFont(11));
    qsizetype first = 0;
    const auto widthFrom = [&](qsizetype start) {
        int width = 0;
        for (qsizetype i = start; i <= tab && i < paletteTabs().size(); ++i)
            width += metrics.horizontalAdvance(paletteTabs()[i]) + 16;
        return width;
    };
    while (first < tab && widthFrom(first) > area.width() - 8)
        ++first;
    const QRect page = sketch.tabs(area, paletteTabs().mid(first), static_cast<int>(tab - first));
    const QList<Component> components = palettePage(paletteTabs().value(tab));
    int x = page.left() + 2;
    const int step = names ? std::max(kPaletteButton + 2, page.width() / std::max<int>(1, components.size() + 1))
                           : kPaletteButton + 1;
    // The selection arrow comes first on every page.
    sketch.raised(QRect(x, page.top() + 2, kPaletteButton, kPaletteButton));
    sketch.componentIcon(QRect(x, page.top() + 2, kPaletteButton, kPaletteButton), 0);
    x += step;
    for (const Component& component : components) {
        if (x + kPaletteButton > page.right())
            break;
        const QRect button(x, page.top() + 2, kPaletteButton, kPaletteButton);
        sketch.raised(button);
        sketch.componentIcon(button, component.icon);
        if (names) {
            // Names alternate between two rows so that long ones have room.
            const int row = static_cast<int>(&component - components.data()) % 2;
            const QRect nameArea(x + kPaletteButton / 2 - step, button.bottom() + 3 + row * 14, 2 * step, 14);
            sketch.text(nameArea, component.name, Qt::AlignHCenter | Qt::AlignTop, Sketch::uiFont(10));
        }
        x += step;
    }
}

void IdeParts::mainWindow(Sketch& sketch, const QRect& outer, int paletteTab) {
    const QRect client = sketch.window(outer, QStringLiteral("Project1 — среда визуального программирования"));
    const QRect belowMenu = sketch.menuBar(client, menuNames());
    const int toolHeight = belowMenu.height() - 2;
    // Tool bars on the left: two rows of speed buttons in sunken bands.
    const int toolWidth = std::min(belowMenu.width() / 3, 200);
    const QRect toolArea(belowMenu.left(), belowMenu.top() + 1, toolWidth, toolHeight);
    sketch.fill(toolArea, Sketch::kFace);
    sketch.frameLine(toolArea);
    const int rowHeight = std::min(24, (toolHeight - 6) / 2);
    const int perRow = (toolWidth - 8) / (rowHeight + 1);
    sketch.toolButtons(QPoint(toolArea.left() + 4, toolArea.top() + 3), perRow, 0, rowHeight);
    if (toolHeight >= 2 * rowHeight + 6)
        sketch.toolButtons(QPoint(toolArea.left() + 4, toolArea.top() + 4 + rowHeight), perRow, 6, rowHeight);
    const QRect paletteArea(toolArea.right() + 4, belowMenu.top() + 1, belowMenu.right() - toolArea.right() - 4,
                            toolHeight);
    palette(sketch, paletteArea, paletteTab, false);
}

QList<QPair<QString, QString>> IdeParts::formProperties() {
    return {{"Action", ""},
            {"ActiveControl", ""},
            {"Align", "alNone"},
            {"AlphaBlend", "False"},
            {"+Anchors", "[akLeft,akTop]"},
            {"AutoScroll", "True"},
            {"AutoSize", "False"},
            {"BiDiMode", "bdLeftToRight"},
            {"+BorderIcons", "[biSystemMenu,biMinimize]"},
            {"BorderStyle", "bsSizeable"},
            {"BorderWidth", "0"},
            {"Caption", "Form1"},
            {"ClientHeight", "293"},
            {"ClientWidth", "426"},
            {"Color", "clBtnFace"},
            {"+Constraints", "(TSizeConstraints)"},
            {"Ctl3D", "True"},
            {"Cursor", "crDefault"},
            {"DefaultMonitor", "dmActiveForm"},
            {"DockSite", "False"},
            {"DragKind", "dkDrag"},
            {"DragMode", "dmManual"},
            {"Enabled", "True"},
            {"+Font", "(TFont)"},
            {"FormStyle", "fsNormal"},
            {"Height", "320"},
            {"HelpContext", "0"},
            {"Hint", ""},
            {"+HorzScrollBar", "(TControlScrollBar)"},
            {"Icon", "(None)"},
            {"KeyPreview", "False"},
            {"Left", "192"},
            {"Menu", ""},
            {"Name", "Form1"},
            {"ParentFont", "False"},
            {"Position", "poDesigned"},
            {"ShowHint", "False"},
            {"Tag", "0"},
            {"Top", "114"},
            {"Visible", "False"},
            {"Width", "434"},
            {"WindowState", "wsNormal"}};
}

QList<QPair<QString, QString>> IdeParts::formEvents() {
    return {{"OnActivate", ""},   {"OnCanResize", ""},        {"OnClick", ""},    {"OnClose", ""},
            {"OnCloseQuery", ""}, {"OnCreate", "FormCreate"}, {"OnDblClick", ""}, {"OnDeactivate", ""},
            {"OnDestroy", ""},    {"OnDragDrop", ""},         {"OnDragOver", ""}, {"OnHelp", ""},
            {"OnHide", ""},       {"OnKeyDown", ""},          {"OnKeyPress", ""}, {"OnKeyUp", ""},
            {"OnMouseDown", ""},  {"OnMouseMove", ""},        {"OnMouseUp", ""},  {"OnMouseWheel", ""},
            {"OnPaint", ""},      {"OnResize", ""},           {"OnShortCut", ""}, {"OnShow", "FormShow"}};
}

namespace {

void inspectorWindow(Sketch& sketch, const QRect& outer, const QString& selection,
                     const QList<QPair<QString, QString>>& rows, int selected, bool events) {
    const QRect client = sketch.window(outer, QStringLiteral("Object Inspector"), true, true);
    const QRect selector(client.left() + 2, client.top() + 2, client.width() - 4, 20);
    sketch.combo(selector, selection);
    const QRect page = sketch.tabs(QRect(client.left() + 2, selector.bottom() + 4, client.width() - 4,
                                         client.bottom() - selector.bottom() - 4 - kStatusHeight),
                                   {QStringLiteral("Properties"), QStringLiteral("Events")}, events ? 1 : 0);
    sketch.propertyGrid(page, rows, selected);
    sketch.statusBar(QRect(client.left(), client.bottom() - kStatusHeight + 1, client.width(), kStatusHeight),
                     {QStringLiteral("All shown")});
}

} // namespace

void IdeParts::inspector(Sketch& sketch, const QRect& outer, bool events) {
    inspectorWindow(sketch, outer, QStringLiteral("Form1: TForm1"), events ? formEvents() : formProperties(),
                    events ? 5 : 11, events);
}

void IdeParts::inspector(Sketch& sketch, const QRect& outer, const QString& selection,
                         const QList<QPair<QString, QString>>& rows, int selected) {
    inspectorWindow(sketch, outer, selection, rows, selected, false);
}

QRect IdeParts::dialog(Sketch& sketch, const QRect& outer, const QString& caption, const QStringList& buttons,
                       bool dialogFrame) {
    constexpr int kButtonWidth = 75;
    constexpr int kButtonHeight = 25;
    const QRect client = sketch.window(outer, caption, true, false, dialogFrame);
    const int y = client.bottom() - kButtonHeight - 6;
    int x = client.right() - static_cast<int>(buttons.size()) * (kButtonWidth + 6);
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        sketch.button(QRect(x, y, kButtonWidth, kButtonHeight), buttons[i], i == 0);
        x += kButtonWidth + 6;
    }
    return QRect(client.left() + 6, client.top() + 6, client.width() - 12, y - client.top() - 12);
}

QRect IdeParts::designForm(Sketch& sketch, const QRect& outer, bool withComponents) {
    const QRect client = sketch.window(outer, QStringLiteral("Form1"));
    sketch.designGrid(client);
    if (!withComponents)
        return client;
    const int x = client.left() + 16;
    const int y = client.top() + 16;
    const int w = client.width();
    sketch.label(QPoint(x, y), QStringLiteral("Введите имя:"));
    sketch.edit(QRect(x, y + 18, std::min(180, w / 2 - 24), 21), QStringLiteral("Edit1"));
    sketch.button(QRect(x + std::min(190, w / 2 - 14), y + 16, 75, 25), QStringLiteral("Button1"));
    sketch.checkBox(QPoint(x, y + 52), QStringLiteral("CheckBox1"), true);
    sketch.listBox(
        QRect(x, y + 74, std::min(140, w / 3), 90),
        {QStringLiteral("Понедельник"), QStringLiteral("Вторник"), QStringLiteral("Среда"), QStringLiteral("Четверг")},
        1);
    const QRect group(x + std::min(150, w / 3) + 12, y + 70, std::min(150, w / 3), 94);
    if (group.right() < client.right() - 8) {
        sketch.groupBox(group, QStringLiteral("RadioGroup1"));
        sketch.radio(group.topLeft() + QPoint(10, 22), QStringLiteral("Красный"), true);
        sketch.radio(group.topLeft() + QPoint(10, 44), QStringLiteral("Зелёный"), false);
        sketch.radio(group.topLeft() + QPoint(10, 66), QStringLiteral("Синий"), false);
    }
    // A panel along the bottom, selected, with the designer's sizing handles.
    const QRect panel(client.left() + 8, client.bottom() - 48, client.width() - 16, 40);
    if (panel.top() > y + 170) {
        sketch.raised(panel);
        sketch.text(panel, QStringLiteral("Panel1"), Qt::AlignCenter, Sketch::uiFont(11));
        for (const QPoint& handle :
             {panel.topLeft(), panel.topRight(), panel.bottomLeft(), panel.bottomRight(),
              QPoint(panel.center().x(), panel.top()), QPoint(panel.center().x(), panel.bottom()),
              QPoint(panel.left(), panel.center().y()), QPoint(panel.right(), panel.center().y())})
            sketch.fill(QRect(handle - QPoint(2, 2), QSize(5, 5)), Qt::black);
    }
    return client;
}

void IdeParts::codeEditor(Sketch& sketch, const QRect& outer, const QString& fileName, const QStringList& lines,
                          bool explorer, int pixels) {
    const QRect client = sketch.window(outer, fileName);
    QRect textArea = client.adjusted(0, 0, 0, -kStatusHeight);
    if (explorer) {
        const QRect tree(client.left(), client.top(), client.width() / 4, textArea.height());
        sketch.sunken(tree);
        const QStringList items = {
            QStringLiteral("TForm1"),   QStringLiteral("  Button1"),           QStringLiteral("  Edit1"),
            QStringLiteral("  Label1"), QStringLiteral("Variables/Constants"), QStringLiteral("  Form1"),
            QStringLiteral("Uses")};
        int y = tree.top() + 4;
        for (const QString& item : items) {
            sketch.text(QRect(tree.left() + 6, y, tree.width() - 8, 16), item, Qt::AlignLeft | Qt::AlignVCenter,
                        Sketch::uiFont(11));
            y += 16;
        }
        textArea.setLeft(tree.right() + 3);
    }
    const QRect page = sketch.tabs(textArea, {fileName.section(QLatin1Char('.'), 0, 0)}, 0);
    sketch.fill(page, Sketch::kWindow);
    // Gutter on the left, a scroll bar on the right.
    sketch.fill(QRect(page.left(), page.top(), 14, page.height()), QColor(236, 233, 216));
    sketch.scrollBar(QRect(page.right() - 15, page.top(), 16, page.height()), true);
    sketch.code(QRect(page.left() + 16, page.top() + 2, page.width() - 34, page.height() - 4), lines, pixels);
    sketch.statusBar(QRect(client.left(), client.bottom() - kStatusHeight + 1, client.width(), kStatusHeight),
                     {QStringLiteral("1: 1"), QStringLiteral("Modified"), QStringLiteral("Insert")});
}

const QStringList& IdeParts::generatedUnit() {
    static const QStringList lines = {
        "unit Unit1;",
        "",
        "interface",
        "",
        "uses",
        "  Windows, Messages, SysUtils, Variants, Classes, Graphics, Controls,",
        "  Forms, Dialogs;",
        "",
        "type",
        "  TForm1 = class(TForm)",
        "  private",
        "    { Private declarations }",
        "  public",
        "    { Public declarations }",
        "  end;",
        "",
        "var",
        "  Form1: TForm1;",
        "",
        "implementation",
        "",
        "{$R *.dfm}",
        "",
        "end.",
    };
    return lines;
}

const QStringList& IdeParts::eventHandlerUnit() {
    static const QStringList lines = {
        "type",
        "  TForm1 = class(TForm)",
        "    Label1: TLabel;",
        "    Edit1: TEdit;",
        "    Button1: TButton;",
        "    procedure Button1Click(Sender: TObject);",
        "    procedure FormCreate(Sender: TObject);",
        "    procedure Edit1KeyPress(Sender: TObject; var Key: Char);",
        "  end;",
        "",
        "implementation",
        "",
        "{$R *.dfm}",
        "",
        "procedure TForm1.Button1Click(Sender: TObject);",
        "begin",
        "  Label1.Caption := 'Привет, ' + Edit1.Text + '!';",
        "end;",
        "",
        "procedure TForm1.FormCreate(Sender: TObject);",
        "begin",
        "  Edit1.Text := '';",
        "  Color := clSkyBlue;  // цвет формы",
        "end;",
        "",
        "procedure TForm1.Edit1KeyPress(Sender: TObject; var Key: Char);",
        "begin",
        "  if Key = #13 then    { нажата клавиша Enter }",
        "    Button1Click(Sender);",
        "end;",
        "",
        "end.",
    };
    return lines;
}

const QStringList& IdeParts::projectSource() {
    static const QStringList lines = {
        "program Project1;",
        "",
        "uses",
        "  Forms,",
        "  Unit1 in 'Unit1.pas' {Form1};",
        "",
        "{$R *.res}",
        "",
        "begin",
        "  Application.Initialize;",
        "  Application.Title := 'Моя первая программа';",
        "  Application.CreateForm(TForm1, Form1);",
        "  Application.Run;",
        "end.",
    };
    return lines;
}
