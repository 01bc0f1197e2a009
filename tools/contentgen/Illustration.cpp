// SPDX-License-Identifier: MIT
#include "Illustration.h"

#include "EnvironmentFigures.h"
#include "LanguageFigures.h"
#include "ReferenceFigures.h"
#include "Sketch.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <array>

namespace {

// The article screen of the course itself: topic buttons on the left, title and text on the right,
// figure buttons below.
void articleScreen(Sketch& sketch) {
    const QRect all = sketch.bounds();
    const QRect client = sketch.window(all, QStringLiteral("Ведариум DELPHI"));
    sketch.fill(client, QColor(255, 251, 240));
    sketch.fill(QRect(client.left(), client.top(), client.width(), 56), Sketch::kFace);
    sketch.text(QRect(client.left() + 20, client.top() + 8, 200, 20), QStringLiteral("ВЕДАРИУМ DELPHI"), Qt::AlignLeft,
                Sketch::uiFont(12, true), QColor(128, 128, 0));
    sketch.text(QRect(client.left() + 240, client.top() + 22, client.width() - 260, 20),
                QStringLiteral("СИСТЕМА ПРОГРАММИРОВАНИЯ"), Qt::AlignLeft, Sketch::uiFont(13, true),
                QColor(0, 128, 128));
    const QRect column(client.left() + 20, client.top() + 70, 200, client.height() - 130);
    sketch.groupBox(column, QString());
    sketch.text(QRect(column.left(), column.top() + 8, column.width(), 16), QStringLiteral("ВЫБОР СТАТЬИ"),
                Qt::AlignCenter, Sketch::uiFont(11, true), QColor(128, 128, 0));
    for (int i = 0; i < 8; ++i) {
        const QRect button(column.left() + 12, column.top() + 30 + i * 26, column.width() - 24, 22);
        sketch.raised(button, i == 2 ? QColor(128, 128, 128) : QColor(128, 0, 0));
        sketch.text(button, QStringLiteral("Тема %1").arg(i + 1), Qt::AlignCenter, Sketch::uiFont(11, true), Qt::white);
    }
    const QRect title(column.right() + 20, column.top(), client.right() - column.right() - 40, 24);
    sketch.raised(title);
    sketch.text(title, QStringLiteral("НАЗВАНИЕ СТАТЬИ"), Qt::AlignCenter, Sketch::uiFont(12, true), QColor(0, 0, 128));
    const QRect text(title.left(), title.bottom() + 16, title.width(), column.bottom() - title.bottom() - 16);
    sketch.sunken(text);
    for (int y = text.top() + 12, i = 0; y < text.bottom() - 10; y += 14, ++i)
        sketch.fill(QRect(text.left() + 12, y, (text.width() - 40) * (i % 4 == 3 ? 6 : 10) / 10, 5),
                    QColor(150, 150, 160));
    for (int i = 0; i < 2; ++i) {
        const QRect button(column.left() + 20 + i * 90, column.bottom() + 12, 80, 20);
        sketch.raised(button, QColor(128, 128, 0));
        sketch.text(button, QStringLiteral("Рисунок %1").arg(i + 1), Qt::AlignCenter, Sketch::uiFont(11), Qt::white);
    }
}

QString firstMatch(const QString& text, const QString& pattern, const QString& fallback) {
    const QRegularExpressionMatch match =
        QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption).match(text);
    return match.hasMatch() ? match.captured(1) : fallback;
}

// An array as a row of cells with their indices above; the name and the values come from the description
// ("Массив A ... значениями 4, 5, 3").
void arrayCells(Sketch& sketch, const QString& description) {
    const QRect all = sketch.bounds();
    sketch.fill(all, QColor(255, 255, 250));
    const QString name = firstMatch(description, QStringLiteral("[Мм]ассив\\s+(\\w+)"), QStringLiteral("A"));
    QStringList values;
    const QString tail = firstMatch(description, QStringLiteral("значени\\w*\\s+(.*)$"), QString());
    static const QRegularExpression number(QStringLiteral("-?\\d+(?:[.,]\\d+)?"));
    for (auto it = number.globalMatch(tail); it.hasNext();)
        values.append(it.next().captured(0));
    if (values.isEmpty())
        values = {QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("9"), QStringLiteral("4"),
                  QStringLiteral("5")};
    const int count = static_cast<int>(std::min<qsizetype>(values.size(), 12));
    const int nameWidth = 60;
    const int cell = std::min(56, (all.width() - nameWidth - 20) / count);
    const int top = all.center().y() - cell / 2 + 8;
    sketch.text(QRect(all.left() + 8, top, nameWidth, cell), name + QStringLiteral(" ="), Qt::AlignCenter,
                Sketch::codeFont(std::min(22, cell / 2), true), QColor(0, 0, 128));
    for (int i = 0; i < count; ++i) {
        const QRect box(all.left() + nameWidth + 12 + i * cell, top, cell, cell);
        sketch.box(box, values[i], i % 2 == 0 ? QColor(255, 240, 200) : QColor(220, 240, 255), std::min(20, cell / 2),
                   true);
        sketch.text(QRect(box.left(), top - 22, cell, 18), QStringLiteral("[%1]").arg(i + 1), Qt::AlignCenter,
                    Sketch::codeFont(12), QColor(128, 0, 0));
    }
}

// A class as a blueprint and three objects made from it, each with its own value of a field.
void classAndObjects(Sketch& sketch, const QString& description) {
    const QRect all = sketch.bounds();
    sketch.fill(all, QColor(255, 255, 250));
    const QString className = firstMatch(description, QStringLiteral("\\b(T[A-Z]\\w*)"), QStringLiteral("TCounter"));
    const QString field = firstMatch(description, QStringLiteral("\\b(F[A-Z]\\w*)"), QStringLiteral("FValue"));
    const int blueprintWidth = all.width() * 36 / 100;
    const QRect blueprint(all.left() + 8, all.top() + 8, blueprintWidth, all.height() - 16);
    sketch.fill(blueprint, QColor(30, 70, 150));
    sketch.painter().setPen(QColor(120, 160, 230));
    for (int x = blueprint.left() + 10; x < blueprint.right(); x += 10)
        sketch.painter().drawLine(x, blueprint.top(), x, blueprint.bottom());
    for (int y = blueprint.top() + 10; y < blueprint.bottom(); y += 10)
        sketch.painter().drawLine(blueprint.left(), y, blueprint.right(), y);
    const int line = std::max(12, blueprint.height() / 6);
    sketch.text(QRect(blueprint.left(), blueprint.top() + 4, blueprint.width(), line),
                QStringLiteral("класс ") + className, Qt::AlignCenter, Sketch::codeFont(std::min(14, line - 2), true),
                Qt::white);
    const QStringList members = {field + QStringLiteral(": Integer;"), QStringLiteral("procedure Inc;"),
                                 QStringLiteral("function Value: Integer;")};
    // Fixed-pitch characters are about 0.62 of their height wide.
    const int memberPixels = std::min({12, line - 3, static_cast<int>((blueprint.width() - 14) / (24 * 0.62))});
    for (int i = 0; i < members.size(); ++i)
        sketch.text(QRect(blueprint.left() + 8, blueprint.top() + 8 + (i + 1) * line, blueprint.width() - 12, line),
                    members[i], Qt::AlignLeft | Qt::AlignVCenter, Sketch::codeFont(memberPixels),
                    QColor(220, 235, 255));
    const int objectsLeft = blueprint.right() + 40;
    const int objectHeight = (all.height() - 16 - 2 * 8) / 3;
    const int values[] = {3, 10, 42};
    for (int i = 0; i < 3; ++i) {
        const QRect object(objectsLeft, all.top() + 8 + i * (objectHeight + 8), all.right() - objectsLeft - 8,
                           objectHeight);
        sketch.box(object, QStringLiteral("Counter%1: %2\n%3 = %4").arg(i + 1).arg(className, field).arg(values[i]),
                   QColor(255, 240, 200), std::min(12, objectHeight / 3), false);
        sketch.arrow(QPoint(blueprint.right() + 2, blueprint.center().y()),
                     QPoint(object.left() - 2, object.center().y()), QColor(128, 0, 0));
    }
}

// The component palette on the left, a form on the right with the components the description names,
// and an arrow from one to the other.
void paletteAndForm(Sketch& sketch, const QString& description) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Sketch::kDesktop);
    const QRect palette(all.left() + 6, all.top() + 6, all.width() * 30 / 100, all.height() - 12);
    const QRect paletteClient = sketch.window(palette, QStringLiteral("Палитра"), true, true);
    const struct {
        const char* name;
        int icon;
    } components[] = {{"Button", 5}, {"Edit", 3}, {"Label", 2}, {"CheckBox", 6}, {"ListBox", 8}, {"Memo", 4}};
    int y = paletteClient.top() + 4;
    for (const auto& component : components) {
        if (y + 24 > paletteClient.bottom())
            break;
        const QRect button(paletteClient.left() + 4, y, 24, 24);
        sketch.raised(button);
        sketch.componentIcon(button, component.icon);
        sketch.text(QRect(button.right() + 6, y, paletteClient.width() - 36, 24), QString::fromLatin1(component.name),
                    Qt::AlignLeft | Qt::AlignVCenter, Sketch::uiFont(11));
        y += 27;
    }
    const QRect form(palette.right() + 40, all.top() + 6, all.right() - palette.right() - 46, all.height() - 12);
    const QRect client =
        sketch.window(form, firstMatch(description, QStringLiteral("\\b(Form\\d+)"), QStringLiteral("Form1")));
    sketch.designGrid(client);
    const int row = std::max(24, client.height() / 4);
    sketch.label(QPoint(client.left() + 12, client.top() + 10), QStringLiteral("Label1"));
    sketch.edit(QRect(client.left() + 12, client.top() + 10 + row, client.width() / 2, 21), QStringLiteral("Edit1"));
    sketch.button(QRect(client.left() + 12, client.top() + 10 + 2 * row, 75, 25), QStringLiteral("Button1"));
    sketch.arrow(QPoint(palette.right() - 20, palette.top() + 40),
                 QPoint(client.left() + 40, client.top() + 14 + 2 * row), QColor(255, 220, 0));
}

} // namespace

QImage Illustration::draw(int width, int height, const QString& description) {
    using Figure = void (*)(Sketch&);
    using Described = void (*)(Sketch&, const QString&);
    struct Choice {
        // Word stems, comma separated; the choice with most stems found in the description wins, the earlier
        // one on a tie.
        const char* words;
        // The natural size of a figure; drawings that follow the description are drawn at the picture's size.
        int width;
        int height;
        Figure figure;
        Described described;
    };
    static const std::array choices = {
        Choice{"экран статей,экран курса,ведариум", 720, 460, &articleScreen, nullptr},
        Choice{"массив,ячейк,индекс", 0, 0, nullptr, &arrayCells},
        Choice{"класс,объект,чертёж,экземпляр", 0, 0, nullptr, &classAndObjects},
        Choice{"палитр,форм,перенес", 0, 0, nullptr, &paletteAndForm},
        Choice{"rgb,смешени,круг", 323, 245, &ReferenceFigures::rgbModel, nullptr},
        Choice{"цвет", 722, 245, &ReferenceFigures::colourPalette, nullptr},
        Choice{"символ,кодиров,ascii,ansi", 520, 330, &ReferenceFigures::characterTable, nullptr},
        Choice{"событи,onclick", 208, 511, &EnvironmentFigures::inspectorEvents, nullptr},
        Choice{"инспектор,свойств", 208, 511, &EnvironmentFigures::inspectorProperties, nullptr},
        Choice{"палитр,компонент", 657, 177, &EnvironmentFigures::componentPalette, nullptr},
        Choice{"останов,отладч,отладк", 333, 457, &ReferenceFigures::addBreakpoint, nullptr},
        Choice{"компилятор,директив", 424, 406, &ReferenceFigures::compilerOptions, nullptr},
        Choice{"хранилищ,репозитор", 438, 373, &ReferenceFigures::repository, nullptr},
        Choice{"настрой,параметр", 443, 441, &ReferenceFigures::environmentOptions, nullptr},
        Choice{"главный файл,файл проекта,проект,dpr", 565, 433, &EnvironmentFigures::projectFile, nullptr},
        Choice{"модул,unit,interface,implementation", 594, 509, &EnvironmentFigures::unitStructure, nullptr},
        Choice{"обработчик,процедур,код,редактор", 661, 529, &EnvironmentFigures::eventHandlers, nullptr},
        Choice{"иерарх,наслед,предок,потом", 602, 302, &LanguageFigures::classHierarchy, nullptr},
        Choice{"тип,данн", 554, 402, &LanguageFigures::dataTypes, nullptr},
        Choice{"оператор,цикл,ветвлен,услов", 694, 301, &LanguageFigures::statements, nullptr},
        Choice{"справк,справоч", 434, 435, &EnvironmentFigures::helpContents, nullptr},
        Choice{"меню", 360, 476, &ReferenceFigures::mainMenu, nullptr},
        Choice{"инструмент", 308, 135, &ReferenceFigures::toolBars, nullptr},
        Choice{"форм,кнопк,окн", 485, 401, &EnvironmentFigures::formDesigner, nullptr},
    };
    const QString lower = description.toLower();
    static const Choice kDefault{"", 704, 541, &EnvironmentFigures::environmentAfterStart, nullptr};
    const Choice* chosen = &kDefault;
    int best = 0;
    for (const Choice& choice : choices) {
        int score = 0;
        for (const QString& word : QString::fromUtf8(choice.words).split(','))
            score += lower.contains(word) ? 1 : 0;
        // Drawings that follow the description need at least two of their words.
        const int needed = choice.described ? 2 : 1;
        if (score >= needed && score > best) {
            best = score;
            chosen = &choice;
        }
    }

    // The caption takes up to a third of the height in small serif text under the drawing.
    const int pixels = std::clamp(height / 16, 9, 13);
    const QFontMetrics metrics(Sketch::serifFont(pixels));
    const QRect needed = metrics.boundingRect(QRect(0, 0, width - 12, height), Qt::TextWordWrap, description);
    const int captionHeight = std::min(needed.height() + 8, std::max(height / 3, metrics.height() + 8));
    const QRect picture(2, 2, width - 4, height - captionHeight - 4);

    QImage natural = Sketch::canvas(chosen->described ? std::max(1, picture.width()) : chosen->width,
                                    chosen->described ? std::max(1, picture.height()) : chosen->height);
    {
        Sketch sketch(natural);
        if (chosen->described)
            chosen->described(sketch, description);
        else
            chosen->figure(sketch);
    }

    QImage out = Sketch::canvas(width, height);
    Sketch sketch(out);
    sketch.fill(out.rect(), QColor(255, 251, 240));
    if (picture.width() > 4 && picture.height() > 4) {
        const QImage scaled = natural.scaled(picture.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint at(picture.left() + (picture.width() - scaled.width()) / 2,
                        picture.top() + (picture.height() - scaled.height()) / 2);
        sketch.painter().drawImage(at, scaled);
        sketch.painter().setPen(Sketch::kShadow);
        sketch.painter().setBrush(Qt::NoBrush);
        sketch.painter().drawRect(QRect(at, scaled.size()).adjusted(-1, -1, 0, 0));
    }
    sketch.caption(QRect(0, height - captionHeight, width, captionHeight), description, pixels);
    return out;
}
