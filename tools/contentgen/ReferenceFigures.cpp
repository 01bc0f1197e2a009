// SPDX-License-Identifier: MIT
#include "ReferenceFigures.h"

#include "IdeParts.h"
#include "Sketch.h"
#include "WindowsCyrillic.h"

#include <QFontMetrics>

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kLine = 20;

// A dialog with the usual OK, Cancel and Help buttons at the bottom right; returns the area above them.
QRect dialog(Sketch& sketch, const QString& caption) {
    return IdeParts::dialog(sketch, sketch.bounds(), caption);
}

// Check boxes in a column; returns the y below them.
int checks(Sketch& sketch, QPoint at, const QList<QPair<QString, bool>>& items) {
    for (const auto& [text, checked] : items) {
        sketch.checkBox(at, text, checked);
        at.ry() += kLine;
    }
    return at.y();
}

void palettePages(Sketch& sketch, const QList<int>& tabs) {
    const QRect all = sketch.bounds();
    sketch.fill(all, QColor(255, 255, 250));
    const int band = all.height() / static_cast<int>(tabs.size());
    for (int i = 0; i < tabs.size(); ++i) {
        const QRect strip(all.left() + 4, all.top() + i * band + 2, all.width() - 8, band - 4);
        sketch.text(QRect(strip.left(), strip.top(), strip.width(), 14),
                    QStringLiteral("Страница %1").arg(IdeParts::paletteTabs().value(tabs[i])), Qt::AlignLeft,
                    Sketch::uiFont(11, true), QColor(0, 0, 128));
        IdeParts::palette(sketch, strip.adjusted(0, 14, 0, 0), tabs[i], false);
    }
}

} // namespace

void ReferenceFigures::mainMenu(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Sketch::kDesktop);
    const QRect client =
        sketch.window(QRect(all.left(), all.top(), all.width(), 60), QStringLiteral("Project1 — среда"));
    sketch.menuBar(client, {"File", "Edit", "Search", "View", "Project", "Run"}, 0);
    const QRect menu = sketch.dropDown(QPoint(client.left() + 4, client.top() + 19),
                                       {"New", "Open...\tCtrl+O", "Open Project...\tCtrl+F11", "Reopen", "-",
                                        "Save\tCtrl+S", "Save As...", "Save Project As...", "Save All\tShift+Ctrl+S",
                                        "Close", "Close All", "-", "Use Unit...\tAlt+F11", "Print...", "-", "Exit"},
                                       1);
    // What each menu of the bar holds, for the pupil, in two columns under the open menu.
    const QStringList legend = {QStringLiteral("File — файлы, проекты"),   QStringLiteral("Edit — правка"),
                                QStringLiteral("Search — поиск и замена"), QStringLiteral("View — окна среды"),
                                QStringLiteral("Project — сборка"),        QStringLiteral("Run — запуск, отладка"),
                                QStringLiteral("Component — компоненты"),  QStringLiteral("Tools — настройки"),
                                QStringLiteral("Window — список окон"),    QStringLiteral("Help — справка")};
    const QRect box(all.left() + 6, menu.bottom() + 12, all.width() - 12, all.bottom() - menu.bottom() - 18);
    sketch.fill(box, Sketch::kInfo);
    sketch.painter().setPen(Qt::black);
    sketch.painter().setBrush(Qt::NoBrush);
    sketch.painter().drawRect(box.adjusted(0, 0, -1, -1));
    const int rows = static_cast<int>(legend.size() + 1) / 2;
    const int rowHeight = (box.height() - 8) / rows;
    for (int i = 0; i < legend.size(); ++i) {
        const QRect cell(box.left() + 8 + (i / rows) * (box.width() / 2), box.top() + 4 + (i % rows) * rowHeight,
                         box.width() / 2 - 12, rowHeight);
        sketch.text(cell, legend[i], Qt::AlignLeft | Qt::AlignVCenter, Sketch::uiFont(11));
    }
}

void ReferenceFigures::toolBars(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, QColor(255, 255, 250));
    const struct {
        const char* name;
        int first;
        int count;
    } bars[] = {{"Standard", 0, 6}, {"View", 6, 4}, {"Debug", 3, 5}, {"Custom", 13, 1}};
    int x = all.left() + 6;
    int y = all.top() + 8;
    for (const auto& bar : bars) {
        const int width = bar.count * 24 + 12;
        if (x + width > all.right()) {
            x = all.left() + 6;
            y += 60;
        }
        const QRect band(x, y, width, 30);
        sketch.raised(band);
        sketch.fill(QRect(band.left() + 3, band.top() + 3, 3, band.height() - 6), Sketch::kShadow);
        sketch.toolButtons(QPoint(band.left() + 9, band.top() + 4), bar.count, bar.first, 22);
        sketch.text(QRect(band.center().x() - 40, band.bottom() + 2, 80, 16), QString::fromLatin1(bar.name),
                    Qt::AlignCenter, Sketch::uiFont(11, true), QColor(0, 0, 128));
        x += width + 10;
    }
}

void ReferenceFigures::paletteFirstPages(Sketch& sketch) {
    palettePages(sketch, {0, 1, 2});
}

void ReferenceFigures::paletteLastPages(Sketch& sketch) {
    palettePages(sketch, {3, 7, 9});
}

void ReferenceFigures::editorProperties(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("Editor Properties"));
    const QRect page = sketch.tabs(area, {"General", "Source Options", "Display", "Key Mappings", "Color"}, 0);
    const QRect group(page.left() + 6, page.top() + 6, page.width() - 12, 232);
    sketch.groupBox(group, QStringLiteral("Editor options"));
    const int half = group.width() / 2;
    checks(sketch, group.topLeft() + QPoint(10, 20),
           {{"Insert mode", true},
            {"Group undo", true},
            {"Cursor beyond EOF", false},
            {"Double click line", false},
            {"Force cut and copy enabled", false},
            {"Auto-complete text to find", true},
            {"Create backup file", true},
            {"Undo after save", false},
            {"Keep trailing blanks", false},
            {"Find text at cursor", true},
            {"Persistent blocks", false}});
    checks(sketch, group.topLeft() + QPoint(half + 6, 20),
           {{"BRIEF regular expressions", false},
            {"Overwrite blocks", false},
            {"Use tab character", false},
            {"Smart tab", true},
            {"Optimal fill", false},
            {"Backspace unindents", true},
            {"Auto indent mode", true},
            {"Show tab character", false},
            {"Show space character", false}});
    const int y = group.bottom() + 8;
    sketch.label(QPoint(page.left() + 10, y + 3), QStringLiteral("Undo limit:"));
    sketch.edit(QRect(page.left() + 90, y, 70, 21), QStringLiteral("32767"));
    sketch.label(QPoint(page.left() + 10, y + 29), QStringLiteral("Tab stops:"));
    sketch.combo(QRect(page.left() + 90, y + 26, 120, 21), QStringLiteral("2"));
    sketch.label(QPoint(page.left() + 10, y + 55), QStringLiteral("Syntax extensions:"));
    sketch.combo(QRect(page.left() + 130, y + 52, page.width() - 146, 21), QStringLiteral("pas;dpr;dpk;inc;dfm"));
}

void ReferenceFigures::repository(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("New Items"));
    const QRect page =
        sketch.tabs(area.adjusted(0, 0, 0, -34), {"New", "ActiveX", "Project1", "Forms", "Dialogs", "Projects"}, 0);
    sketch.sunken(page);
    const QStringList items = {
        "Application",   "Component", "Console Application", "Data Module", "DLL Wizard",    "Form", "Frame", "Package",
        "Project Group", "Report",    "Resource DLL",        "Service",     "Thread Object", "Unit"};
    const int cell = 80;
    const int columns = std::max(1, page.width() / cell);
    for (int i = 0; i < items.size(); ++i) {
        const int x = page.left() + 6 + (i % columns) * cell;
        const int y = page.top() + 8 + (i / columns) * 62;
        if (y + 56 > page.bottom())
            break;
        const QRect icon(x + cell / 2 - 16, y, 32, 32);
        sketch.fill(icon, i == 5 ? Sketch::kSelection : QColor(240, 240, 240));
        sketch.componentIcon(icon.adjusted(4, 4, -4, -4), i == 5 ? 17 : (i * 3) % 20);
        sketch.text(QRect(x, y + 34, cell - 4, 26), items[i], Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                    Sketch::uiFont(10), i == 5 ? Sketch::kSelection : QColor(Qt::black));
    }
    const int y = area.bottom() - 22;
    sketch.radio(QPoint(area.left() + 8, y), QStringLiteral("Copy"), true);
    sketch.radio(QPoint(area.left() + 80, y), QStringLiteral("Inherit"), false);
    sketch.radio(QPoint(area.left() + 160, y), QStringLiteral("Use"), false);
}

void ReferenceFigures::addToRepository(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("Add To Repository"));
    const int listWidth = area.width() * 30 / 100;
    sketch.label(area.topLeft(), QStringLiteral("Forms:"));
    sketch.listBox(QRect(area.left(), area.top() + 16, listWidth, area.height() - 16),
                   {QStringLiteral("Form1"), QStringLiteral("AboutBox")}, 0);
    const int x = area.left() + listWidth + 12;
    const int w = area.right() - x;
    sketch.label(QPoint(x, area.top()), QStringLiteral("Title:"));
    sketch.edit(QRect(x, area.top() + 16, w, 21), QStringLiteral("Форма с кнопками"));
    sketch.label(QPoint(x, area.top() + 44), QStringLiteral("Description:"));
    sketch.sunken(QRect(x, area.top() + 60, w, 54));
    sketch.text(QRect(x + 4, area.top() + 62, w - 8, 50),
                QStringLiteral("Заготовка окна с полем ввода и кнопками OK и Отмена"), Qt::TextWordWrap,
                Sketch::uiFont(11));
    sketch.label(QPoint(x, area.top() + 122), QStringLiteral("Page:"));
    sketch.combo(QRect(x, area.top() + 138, w / 2 - 6, 21), QStringLiteral("Forms"));
    sketch.label(QPoint(x + w / 2, area.top() + 122), QStringLiteral("Author:"));
    sketch.edit(QRect(x + w / 2, area.top() + 138, w / 2, 21), QStringLiteral("Ученик 9 класса"));
    sketch.label(QPoint(x, area.top() + 168), QStringLiteral("Select an icon to represent this object:"));
    sketch.fill(QRect(x, area.top() + 186, 32, 32), QColor(240, 240, 240));
    sketch.componentIcon(QRect(x + 4, area.top() + 190, 24, 24), 17);
    sketch.button(QRect(x + 44, area.top() + 190, kButtonWidth, kButtonHeight), QStringLiteral("Browse..."));
}

void ReferenceFigures::addBreakpoint(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("Add Source Breakpoint"));
    const int labelWidth = 90;
    const int x = area.left() + labelWidth;
    const int w = area.right() - x;
    const QList<QPair<QString, QString>> fields = {{"Filename:", "C:\\Проекты\\Unit1.pas"},
                                                   {"Line number:", "32"},
                                                   {"Condition:", "i > 10"},
                                                   {"Pass count:", "0"},
                                                   {"Group:", ""}};
    int y = area.top() + 4;
    for (const auto& [name, value] : fields) {
        sketch.label(QPoint(area.left(), y + 3), name);
        if (name == QLatin1String("Group:"))
            sketch.combo(QRect(x, y, w, 21), value);
        else
            sketch.edit(QRect(x, y,
                              name.startsWith(QLatin1String("Line")) || name.startsWith(QLatin1String("Pass")) ? 70 : w,
                              21),
                        value);
        y += 28;
    }
    sketch.button(QRect(area.left(), y + 2, 100, kButtonHeight), QStringLiteral("Advanced <<"));
    const QRect group(area.left(), y + 36, area.width(), area.bottom() - y - 36);
    sketch.groupBox(group, QStringLiteral("Actions"));
    int cy =
        checks(sketch, group.topLeft() + QPoint(10, 20),
               {{"Break", true}, {"Ignore subsequent exceptions", false}, {"Handle subsequent exceptions", false}});
    sketch.label(QPoint(group.left() + 10, cy + 3), QStringLiteral("Log message:"));
    sketch.edit(QRect(group.left() + 100, cy, group.width() - 110, 21), QString());
    cy += 28;
    sketch.label(QPoint(group.left() + 10, cy + 3), QStringLiteral("Eval expression:"));
    sketch.edit(QRect(group.left() + 100, cy, group.width() - 110, 21), QStringLiteral("Sum"));
    cy += 28;
    cy = checks(sketch, QPoint(group.left() + 10, cy), {{"Log result", true}});
    sketch.label(QPoint(group.left() + 10, cy + 3), QStringLiteral("Enable group:"));
    sketch.combo(QRect(group.left() + 100, cy, group.width() - 110, 21), QString());
    cy += 28;
    if (cy + 21 < group.bottom()) {
        sketch.label(QPoint(group.left() + 10, cy + 3), QStringLiteral("Disable group:"));
        sketch.combo(QRect(group.left() + 100, cy, group.width() - 110, 21), QString());
    }
}

void ReferenceFigures::environmentOptions(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("Environment Options"));
    const QRect page =
        sketch.tabs(area, {"Preferences", "Designer", "Object Inspector", "Library", "Palette", "Explorer"}, 0);
    const int half = page.width() / 2;
    const QRect autosave(page.left() + 6, page.top() + 6, half - 10, 70);
    sketch.groupBox(autosave, QStringLiteral("Autosave options"));
    checks(sketch, autosave.topLeft() + QPoint(10, 20), {{"Editor files", true}, {"Project desktop", true}});
    const QRect desktop(page.left() + half + 2, page.top() + 6, half - 8, 70);
    sketch.groupBox(desktop, QStringLiteral("Desktop contents"));
    sketch.radio(desktop.topLeft() + QPoint(10, 20), QStringLiteral("Desktop only"), false);
    sketch.radio(desktop.topLeft() + QPoint(10, 40), QStringLiteral("Desktop and symbols"), true);
    const QRect compiling(page.left() + 6, autosave.bottom() + 8, page.width() - 12, 106);
    sketch.groupBox(compiling, QStringLiteral("Compiling and running"));
    checks(sketch, compiling.topLeft() + QPoint(10, 20),
           {{"Show compiler progress", true},
            {"Warn on package rebuild", true},
            {"Minimize on run", false},
            {"Hide designers on run", true}});
    const QRect designer(page.left() + 6, compiling.bottom() + 8, page.width() - 12, 90);
    sketch.groupBox(designer, QStringLiteral("Form designer"));
    checks(sketch, designer.topLeft() + QPoint(10, 20),
           {{"Display grid", true}, {"Snap to grid", true}, {"Show component captions", false}});
    sketch.label(designer.topLeft() + QPoint(half + 10, 22), QStringLiteral("Grid size X"));
    sketch.edit(QRect(designer.left() + half + 80, designer.top() + 18, 40, 21), QStringLiteral("8"));
    sketch.label(designer.topLeft() + QPoint(half + 10, 50), QStringLiteral("Grid size Y"));
    sketch.edit(QRect(designer.left() + half + 80, designer.top() + 46, 40, 21), QStringLiteral("8"));
    const QRect shared(page.left() + 6, designer.bottom() + 8, page.width() - 12,
                       page.bottom() - designer.bottom() - 12);
    if (shared.height() > 40) {
        sketch.groupBox(shared, QStringLiteral("Shared repository"));
        sketch.label(shared.topLeft() + QPoint(10, 22), QStringLiteral("Directory:"));
        sketch.edit(QRect(shared.left() + 80, shared.top() + 18, shared.width() - 180, 21), QString());
        sketch.button(QRect(shared.right() - 90, shared.top() + 16, 80, kButtonHeight), QStringLiteral("Browse..."));
    }
}

void ReferenceFigures::projectOptions(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("Project Options for Project1.exe"));
    const QRect page = sketch.tabs(area, {"Forms", "Application", "Compiler", "Linker", "Directories/Conditionals"}, 0);
    sketch.label(QPoint(page.left() + 8, page.top() + 10), QStringLiteral("Main form:"));
    sketch.combo(QRect(page.left() + 80, page.top() + 6, 150, 21), QStringLiteral("Form1"));
    const int listTop = page.top() + 52;
    const int listWidth = (page.width() - 70) / 2;
    const int listHeight = page.bottom() - listTop - 36;
    sketch.label(QPoint(page.left() + 8, listTop - 16), QStringLiteral("Auto-create forms:"));
    sketch.listBox(QRect(page.left() + 8, listTop, listWidth, listHeight),
                   {QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("AboutBox")}, 0);
    const int middle = page.left() + 8 + listWidth + 8;
    for (int i = 0; i < 4; ++i)
        sketch.button(QRect(middle, listTop + 10 + i * 30, 38, 24), QStringList{">", ">>", "<", "<<"}[i]);
    sketch.label(QPoint(middle + 46, listTop - 16), QStringLiteral("Available forms:"));
    sketch.listBox(QRect(middle + 46, listTop, listWidth, listHeight), {QStringLiteral("ReportForm")});
    sketch.checkBox(QPoint(page.left() + 8, page.bottom() - 24), QStringLiteral("Default"), false);
}

void ReferenceFigures::compilerOptions(Sketch& sketch) {
    const QRect area = dialog(sketch, QStringLiteral("Project Options for Project1.exe"));
    const QRect page = sketch.tabs(area, {"Forms", "Application", "Compiler", "Linker", "Directories/Conditionals"}, 2);
    const int half = page.width() / 2;
    const QRect code(page.left() + 4, page.top() + 4, half - 8, 96);
    sketch.groupBox(code, QStringLiteral("Code generation"));
    checks(sketch, code.topLeft() + QPoint(8, 18),
           {{"Optimization", true}, {"Stack frames", false}, {"Pentium-safe FDIV", false}});
    sketch.label(code.topLeft() + QPoint(8, 80), QStringLiteral("Record field alignment: 8"));
    const QRect syntax(page.left() + half, page.top() + 4, half - 4, 170);
    sketch.groupBox(syntax, QStringLiteral("Syntax options"));
    checks(sketch, syntax.topLeft() + QPoint(8, 18),
           {{"Strict var-strings", true},
            {"Complete boolean eval", false},
            {"Extended syntax", true},
            {"Typed @ operator", false},
            {"Open parameters", true},
            {"Huge strings", true},
            {"Assignable typed constants", false}});
    const QRect runtime(page.left() + 4, code.bottom() + 6, half - 8, 78);
    sketch.groupBox(runtime, QStringLiteral("Runtime errors"));
    checks(sketch, runtime.topLeft() + QPoint(8, 18),
           {{"Range checking", true}, {"I/O checking", true}, {"Overflow checking", true}});
    const QRect debugging(page.left() + 4, runtime.bottom() + 6, half - 8, page.bottom() - runtime.bottom() - 10);
    sketch.groupBox(debugging, QStringLiteral("Debugging"));
    checks(sketch, debugging.topLeft() + QPoint(8, 18),
           {{"Debug information", true}, {"Local symbols", true}, {"Reference info", true}, {"Assertions", true}});
    const QRect messages(page.left() + half, syntax.bottom() + 6, half - 4, 60);
    sketch.groupBox(messages, QStringLiteral("Messages"));
    checks(sketch, messages.topLeft() + QPoint(8, 18), {{"Show hints", true}, {"Show warnings", true}});
}

void ReferenceFigures::colourPalette(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, QColor(255, 255, 250));
    const struct {
        const char* name;
        QRgb colour;
    } colours[] = {
        {"clBlack", 0x000000},      {"clMaroon", 0x800000},  {"clGreen", 0x008000},     {"clOlive", 0x808000},
        {"clNavy", 0x000080},       {"clPurple", 0x800080},  {"clTeal", 0x008080},      {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},     {"clRed", 0xFF0000},     {"clLime", 0x00FF00},      {"clYellow", 0xFFFF00},
        {"clBlue", 0x0000FF},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0x00FFFF},      {"clWhite", 0xFFFFFF},
        {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xA6CAF0}, {"clCream", 0xFFFBF0},     {"clMedGray", 0xA0A0A4},
        {"clBtnFace", 0xD4D0C8},    {"clWindow", 0xFFFFFF},  {"clHighlight", 0x0A246A}, {"clInfoBk", 0xFFFFE1}};
    sketch.text(QRect(all.left(), all.top() + 2, all.width(), 20),
                QStringLiteral("Именованные цвета: имя константы и значение $00BBGGRR"), Qt::AlignCenter,
                Sketch::uiFont(13, true), QColor(0, 0, 128));
    constexpr int kColumns = 8;
    const int cellWidth = (all.width() - 8) / kColumns;
    const int cellHeight = (all.height() - 30) / 3;
    for (int i = 0; i < static_cast<int>(std::size(colours)); ++i) {
        const QRect cell(all.left() + 4 + (i % kColumns) * cellWidth, all.top() + 26 + (i / kColumns) * cellHeight,
                         cellWidth - 6, cellHeight - 6);
        const QRgb rgb = colours[i].colour;
        const QRect swatch(cell.left(), cell.top(), cell.width(), cell.height() - 30);
        sketch.sunken(swatch, QColor::fromRgb(rgb));
        const QString value = QStringLiteral("$00%1%2%3")
                                  .arg(qBlue(rgb), 2, 16, QLatin1Char('0'))
                                  .arg(qGreen(rgb), 2, 16, QLatin1Char('0'))
                                  .arg(qRed(rgb), 2, 16, QLatin1Char('0'))
                                  .toUpper();
        sketch.text(QRect(cell.left(), swatch.bottom() + 2, cell.width(), 14), QString::fromLatin1(colours[i].name),
                    Qt::AlignCenter, Sketch::uiFont(11, true));
        sketch.text(QRect(cell.left(), swatch.bottom() + 15, cell.width(), 14), value, Qt::AlignCenter,
                    Sketch::codeFont(10));
    }
}

void ReferenceFigures::rgbModel(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Qt::black);
    QPainter& p = sketch.painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    const int radius = std::min(all.width(), all.height() - 40) * 30 / 100;
    const QPoint centre(all.center().x(), all.top() + 24 + radius * 16 / 10);
    const QPoint places[] = {centre + QPoint(0, -radius * 6 / 10), centre + QPoint(-radius * 6 / 10, radius * 4 / 10),
                             centre + QPoint(radius * 6 / 10, radius * 4 / 10)};
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawEllipse(places[i], radius, radius);
    }
    p.restore();
    const QFont font = Sketch::uiFont(12, true);
    sketch.text(QRect(places[0].x() - 60, places[0].y() - radius - 18, 120, 16), QStringLiteral("Красный (R)"),
                Qt::AlignCenter, font, Qt::white);
    sketch.text(QRect(places[1].x() - radius - 40, places[1].y() + radius - 4, 110, 16), QStringLiteral("Зелёный (G)"),
                Qt::AlignCenter, font, Qt::white);
    sketch.text(QRect(places[2].x() + radius - 70, places[2].y() + radius - 4, 110, 16), QStringLiteral("Синий (B)"),
                Qt::AlignCenter, font, Qt::white);
    sketch.text(QRect(centre.x() - 40, centre.y() - 8, 80, 16), QStringLiteral("Белый"), Qt::AlignCenter, font,
                Qt::black);
    sketch.text(QRect(all.left(), all.bottom() - 18, all.width(), 16),
                QStringLiteral("RGB(255, 255, 0) — жёлтый, RGB(0, 255, 255) — голубой"), Qt::AlignCenter,
                Sketch::uiFont(11), QColor(255, 255, 200));
}

void ReferenceFigures::characterTable(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Qt::white);
    // Rows 2 to 15 of the code page: 14 rows of 16 characters, with row and column headings.
    constexpr int kColumns = 16;
    constexpr int kRows = 14;
    const int cellWidth = (all.width() - 4) / (kColumns + 1);
    const int cellHeight = (all.height() - 4) / (kRows + 1);
    const QFont heading = Sketch::codeFont(std::max(7, cellHeight * 45 / 100), true);
    const QFont character = Sketch::serifFont(std::max(8, cellHeight * 60 / 100));
    for (int column = 0; column < kColumns; ++column) {
        const QRect cell(all.left() + 2 + (column + 1) * cellWidth, all.top() + 2, cellWidth, cellHeight);
        sketch.fill(cell, Sketch::kFace);
        sketch.text(cell, QString::number(column, 16).toUpper(), Qt::AlignCenter, heading, QColor(0, 0, 128));
    }
    for (int row = 0; row < kRows; ++row) {
        const int high = row + 2;
        const QRect head(all.left() + 2, all.top() + 2 + (row + 1) * cellHeight, cellWidth, cellHeight);
        sketch.fill(head, Sketch::kFace);
        sketch.text(head, QStringLiteral("%1_").arg(QString::number(high, 16).toUpper()), Qt::AlignCenter, heading,
                    QColor(0, 0, 128));
        for (int column = 0; column < kColumns; ++column) {
            const QRect cell(head.left() + (column + 1) * cellWidth, head.top(), cellWidth, cellHeight);
            sketch.painter().setPen(QColor(200, 200, 200));
            sketch.painter().setBrush(Qt::NoBrush);
            sketch.painter().drawRect(cell);
            const char32_t code = WindowsCyrillic::toUnicode(static_cast<unsigned char>(high * 16 + column));
            if (code >= 0x21 && code != 0x7F && code != 0xA0 && code != 0xAD)
                sketch.text(cell, QString::fromUcs4(&code, 1), Qt::AlignCenter, character);
        }
    }
}
