// SPDX-License-Identifier: MIT
#include "EnvironmentFigures.h"

#include "IdeParts.h"
#include "Sketch.h"

#include <QFontMetrics>

namespace {

constexpr int kMainWindowHeight = 96;

// A help window: tool buttons with captions, a contents tree on the left and a topic on the right.
QRect helpWindow(Sketch& sketch, const QString& caption, int treeWidth, const QStringList& tree, int selected) {
    const QRect client = sketch.window(sketch.bounds(), caption);
    const QRect bar(client.left(), client.top(), client.width(), 40);
    sketch.fill(bar, Sketch::kFace);
    const QStringList tools = {QStringLiteral("Скрыть"), QStringLiteral("Назад"), QStringLiteral("Вперёд"),
                               QStringLiteral("Печать"), QStringLiteral("Параметры")};
    int x = bar.left() + 4;
    for (qsizetype i = 0; i < tools.size(); ++i) {
        sketch.glyph(QRect(x + 18, bar.top() + 3, 16, 16), i == 0 ? 6 : i == 3 ? 7 : static_cast<int>(i) + 2);
        sketch.text(QRect(x, bar.top() + 21, 52, 16), tools[i], Qt::AlignCenter, Sketch::uiFont(10));
        x += 56;
    }
    const QRect left(client.left(), bar.bottom() + 2, treeWidth, client.bottom() - bar.bottom() - 2);
    const QRect page = sketch.tabs(left, {QStringLiteral("Содержание"), QStringLiteral("Указатель")}, 0);
    sketch.sunken(page);
    int y = page.top() + 4;
    for (qsizetype i = 0; i < tree.size() && y < page.bottom() - 14; ++i) {
        const bool book = !tree[i].startsWith(' ');
        const int indent = book ? 4 : 20;
        const QRect icon(page.left() + indent, y + 2, 12, 11);
        if (book) {
            sketch.fill(icon, QColor(40, 80, 170));
            sketch.fill(icon.adjusted(2, 1, -6, -1), QColor(250, 250, 240));
        } else {
            sketch.fill(icon, Qt::white);
            sketch.frameLine(icon);
            sketch.text(icon, QStringLiteral("?"), Qt::AlignCenter, Sketch::uiFont(9, true), QColor(0, 0, 160));
        }
        const QRect row(icon.right() + 4, y, page.right() - icon.right() - 6, 15);
        if (i == selected)
            sketch.fill(row, Sketch::kSelection);
        sketch.text(row.adjusted(2, 0, 0, 0), tree[i].trimmed(), Qt::AlignLeft | Qt::AlignVCenter, Sketch::uiFont(11),
                    i == selected ? Qt::white : Qt::black);
        y += 17;
    }
    const QRect topic(left.right() + 4, left.top(), client.right() - left.right() - 4, left.height());
    sketch.sunken(topic, QColor(255, 255, 255));
    return topic.adjusted(8, 6, -8, -6);
}

int paragraph(Sketch& sketch, const QRect& area, int y, const QString& text, int pixels = 12, bool bold = false,
              const QColor& colour = Qt::black) {
    const QFont font = Sketch::serifFont(pixels, bold);
    const QRect box(area.left(), y, area.width(), area.bottom() - y);
    const QRect used = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap, text);
    sketch.text(box, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, font, colour);
    return y + used.height() + 6;
}

void link(Sketch& sketch, const QPoint& at, const QString& text) {
    QFont font = Sketch::serifFont(12);
    font.setUnderline(true);
    sketch.text(QRect(at, QSize(QFontMetrics(font).horizontalAdvance(text) + 2, 16)), text,
                Qt::AlignLeft | Qt::AlignVCenter, font, QColor(0, 128, 0));
}

// A note box with an arrow to a line of program text.
void annotate(Sketch& sketch, const QRect& box, const QString& text, const QPoint& target, const QColor& colour) {
    sketch.box(box, text, colour, 11, true);
    sketch.arrow(QPoint(box.left(), box.center().y()), target, QColor(128, 0, 0));
}

} // namespace

void EnvironmentFigures::environmentAfterStart(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Sketch::kDesktop);
    IdeParts::mainWindow(sketch, QRect(all.left(), all.top(), all.width(), kMainWindowHeight));
    const int top = all.top() + kMainWindowHeight + 2;
    const int inspectorWidth = std::max(150, all.width() * 27 / 100);
    IdeParts::inspector(sketch, QRect(all.left(), top, inspectorWidth, all.bottom() - top + 1), false);
    // The code editor lies behind the form; the form is in front.
    const QRect editor(all.left() + inspectorWidth + 4, top + 6, all.width() - inspectorWidth - 6,
                       all.bottom() - top - 8);
    IdeParts::codeEditor(sketch, editor, QStringLiteral("Unit1.pas"), IdeParts::generatedUnit(), true, 11);
    const QRect form(editor.left() + editor.width() / 7, top + 34, editor.width() * 3 / 4, editor.height() * 2 / 3);
    IdeParts::designForm(sketch, form, false);
}

void EnvironmentFigures::mainWindow(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Sketch::kDesktop);
    IdeParts::mainWindow(sketch, QRect(all.left() + 4, all.top() + 8, all.width() - 8, kMainWindowHeight + 6));
    // Callouts naming the parts of the window.
    const int y = all.top() + kMainWindowHeight + 40;
    const QColor note(255, 255, 225);
    const int third = all.width() / 3;
    const QRect boxes[] = {QRect(all.left() + 12, y, third - 24, 44), QRect(all.left() + third + 12, y, third - 24, 44),
                           QRect(all.left() + 2 * third + 12, y, third - 24, 44)};
    sketch.box(boxes[0], QStringLiteral("Главное меню"), note, 12, true);
    sketch.box(boxes[1], QStringLiteral("Панели инструментов (быстрые кнопки)"), note, 12, true);
    sketch.box(boxes[2], QStringLiteral("Палитра компонентов"), note, 12, true);
    sketch.arrow(QPoint(boxes[0].center().x(), boxes[0].top()), QPoint(all.left() + 60, all.top() + 34),
                 QColor(128, 0, 0));
    sketch.arrow(QPoint(boxes[1].center().x(), boxes[1].top()), QPoint(all.left() + 90, all.top() + 66),
                 QColor(128, 0, 0));
    sketch.arrow(QPoint(boxes[2].center().x(), boxes[2].top()), QPoint(all.width() * 2 / 3, all.top() + 76),
                 QColor(128, 0, 0));
    sketch.text(QRect(all.left(), all.bottom() - 34, all.width(), 30),
                QStringLiteral("Главное окно занимает верхнюю часть экрана; остальные окна среды открываются под ним"),
                Qt::AlignCenter, Sketch::uiFont(12), Qt::white);
}

void EnvironmentFigures::componentPalette(Sketch& sketch) {
    const QRect all = sketch.bounds();
    const QRect client = sketch.window(all, QStringLiteral("Палитра компонентов — страница Standard"));
    IdeParts::palette(sketch, client.adjusted(4, 6, -4, -34), 0, true);
    sketch.text(QRect(client.left(), client.bottom() - 30, client.width(), 28),
                QStringLiteral("Щёлкните по кнопке компонента, а затем по форме — компонент появится на форме"),
                Qt::AlignCenter, Sketch::uiFont(12), QColor(0, 0, 128));
}

void EnvironmentFigures::inspectorProperties(Sketch& sketch) {
    IdeParts::inspector(sketch, sketch.bounds(), false);
}

void EnvironmentFigures::inspectorEvents(Sketch& sketch) {
    IdeParts::inspector(sketch, sketch.bounds(), true);
}

void EnvironmentFigures::formDesigner(Sketch& sketch) {
    IdeParts::designForm(sketch, sketch.bounds(), true);
}

void EnvironmentFigures::generatedUnit(Sketch& sketch) {
    IdeParts::codeEditor(sketch, sketch.bounds(), QStringLiteral("Unit1.pas"), IdeParts::generatedUnit(), true, 13);
}

void EnvironmentFigures::eventHandlers(Sketch& sketch) {
    IdeParts::codeEditor(sketch, sketch.bounds(), QStringLiteral("Unit1.pas"), IdeParts::eventHandlerUnit(), false, 13);
}

void EnvironmentFigures::unitStructure(Sketch& sketch) {
    const QRect all = sketch.bounds();
    const QRect editor(all.left(), all.top(), all.width() * 62 / 100, all.height());
    IdeParts::codeEditor(sketch, editor, QStringLiteral("Unit1.pas"), IdeParts::generatedUnit(), false, 12);
    // Line positions of the code: the editor's text starts below its title bar and tab.
    const int lineHeight = QFontMetrics(Sketch::codeFont(12)).height();
    const int firstLine = all.top() + 18 + 4 + 20 + 2 + 4 + lineHeight / 2;
    const auto lineY = [&](int line) { return firstLine + line * lineHeight; };
    const int noteLeft = editor.right() + 30;
    const int noteWidth = all.right() - noteLeft - 4;
    const QColor note(255, 255, 225);
    const struct {
        int line;
        const char* text;
    } notes[] = {{0, "Заголовок модуля"},         {2, "Интерфейсная часть"}, {4, "Подключаемые модули"},
                 {9, "Описание класса формы"},    {17, "Переменная формы"},  {19, "Раздел реализации"},
                 {21, "Подключение файла формы"}, {23, "Конец модуля"}};
    int y = all.top() + 30;
    const int step = (all.height() - 60) / static_cast<int>(std::size(notes));
    for (const auto& n : notes) {
        const QRect box(noteLeft, y, noteWidth, std::min(step - 8, 40));
        annotate(sketch, box, QString::fromUtf8(n.text), QPoint(editor.left() + 150, lineY(n.line)), note);
        y += step;
    }
}

void EnvironmentFigures::projectFile(Sketch& sketch) {
    IdeParts::codeEditor(sketch, sketch.bounds(), QStringLiteral("Project1.dpr"), IdeParts::projectSource(), false, 14);
}

void EnvironmentFigures::helpContents(Sketch& sketch) {
    const QStringList tree = {QStringLiteral("Что нового"),
                              QStringLiteral("Начало работы"),
                              QStringLiteral(" Среда разработки"),
                              QStringLiteral(" Первое приложение"),
                              QStringLiteral("Язык Object Pascal"),
                              QStringLiteral(" Типы данных"),
                              QStringLiteral(" Операторы"),
                              QStringLiteral("Библиотека компонентов"),
                              QStringLiteral(" Визуальные компоненты"),
                              QStringLiteral(" Невизуальные компоненты"),
                              QStringLiteral("Отладка программ"),
                              QStringLiteral("Справочник по ошибкам")};
    const QRect topic =
        helpWindow(sketch, QStringLiteral("Справочная система"), sketch.bounds().width() * 45 / 100, tree, 8);
    int y = paragraph(sketch, topic, topic.top(), QStringLiteral("Визуальные компоненты"), 16, true, QColor(0, 0, 128));
    y = paragraph(sketch, topic, y,
                  QStringLiteral("Визуальные компоненты видны на форме и во время работы программы: кнопки, "
                                 "надписи, поля ввода, списки."));
    y = paragraph(sketch, topic, y, QStringLiteral("См. также:"), 12, true);
    for (const char* name : {"TButton", "TLabel", "TEdit", "TImage", "TListBox"}) {
        link(sketch, QPoint(topic.left() + 12, y), QString::fromLatin1(name));
        y += 18;
    }
}

void EnvironmentFigures::helpOnImage(Sketch& sketch) {
    const QStringList tree = {QStringLiteral("Библиотека компонентов"),
                              QStringLiteral(" TBevel"),
                              QStringLiteral(" TImage"),
                              QStringLiteral(" TShape"),
                              QStringLiteral(" TSpeedButton"),
                              QStringLiteral("Свойства"),
                              QStringLiteral(" Picture"),
                              QStringLiteral(" Stretch")};
    const QRect topic =
        helpWindow(sketch, QStringLiteral("Справка: компонент Image"), sketch.bounds().width() * 36 / 100, tree, 2);
    int y = paragraph(sketch, topic, topic.top(), QStringLiteral("TImage"), 18, true, QColor(0, 0, 128));
    y = paragraph(sketch, topic, y, QStringLiteral("Иерархия   Свойства   Методы   События"), 11, false,
                  QColor(0, 128, 0));
    y = paragraph(sketch, topic, y, QStringLiteral("Модуль: ExtCtrls"), 12, true);
    y = paragraph(sketch, topic, y,
                  QStringLiteral("TImage показывает на форме рисунок: точечный (BMP), значок (ICO), метафайл "
                                 "(WMF) или JPEG."));
    y = paragraph(sketch, topic, y, QStringLiteral("Описание"), 12, true);
    y = paragraph(sketch, topic, y,
                  QStringLiteral("Рисунок задаётся свойством Picture. Свойства Stretch, Proportional и Center "
                                 "определяют, как он вписывается в рамку компонента, а Transparent делает фон "
                                 "рисунка прозрачным."));
    for (const char* name : {"Picture", "Stretch", "Center", "Proportional", "Transparent", "AutoSize"}) {
        if (y > topic.bottom() - 16)
            break;
        link(sketch, QPoint(topic.left() + 12, y), QString::fromLatin1(name));
        y += 18;
    }
}
