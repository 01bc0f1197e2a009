// SPDX-License-Identifier: MIT
#include "Illustration.h"

#include "EnvironmentFigures.h"
#include "LanguageFigures.h"
#include "ReferenceFigures.h"
#include "Sketch.h"

#include <QFontMetrics>

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

} // namespace

QImage Illustration::draw(int width, int height, const QString& description) {
    using Draw = void (*)(Sketch&);
    struct Choice {
        const char* words;
        int width;
        int height;
        Draw draw;
    };
    // Tested in order; the first match wins, so specific words come before general ones.
    static const std::array choices = {
        Choice{"экран статей,экран курса,ведариум", 720, 460, &articleScreen},
        Choice{"rgb,смешени", 323, 245, &ReferenceFigures::rgbModel},
        Choice{"цвет", 722, 245, &ReferenceFigures::colourPalette},
        Choice{"символ,кодиров,ascii,ansi", 520, 330, &ReferenceFigures::characterTable},
        Choice{"событи", 208, 511, &EnvironmentFigures::inspectorEvents},
        Choice{"инспектор,свойств", 208, 511, &EnvironmentFigures::inspectorProperties},
        Choice{"палитр", 657, 177, &EnvironmentFigures::componentPalette},
        Choice{"точк,останов,отлад", 333, 457, &ReferenceFigures::addBreakpoint},
        Choice{"компилятор", 424, 406, &ReferenceFigures::compilerOptions},
        Choice{"хранилищ,репозитор", 438, 373, &ReferenceFigures::repository},
        Choice{"настрой,параметр", 443, 441, &ReferenceFigures::environmentOptions},
        Choice{"главный файл,файл проекта,проект", 565, 433, &EnvironmentFigures::projectFile},
        Choice{"структур модул,модул,unit", 594, 509, &EnvironmentFigures::unitStructure},
        Choice{"обработчик,процедур,код,редактор", 661, 529, &EnvironmentFigures::eventHandlers},
        Choice{"иерарх,наслед,класс,объект", 602, 302, &LanguageFigures::classHierarchy},
        Choice{"тип", 554, 402, &LanguageFigures::dataTypes},
        Choice{"оператор,цикл,ветвлен,услов", 694, 301, &LanguageFigures::statements},
        Choice{"справк,справоч", 434, 435, &EnvironmentFigures::helpContents},
        Choice{"меню", 360, 476, &ReferenceFigures::mainMenu},
        Choice{"инструмент", 308, 135, &ReferenceFigures::toolBars},
        Choice{"форм,кнопк,окн,компонент", 485, 401, &EnvironmentFigures::formDesigner},
    };
    const QString lower = description.toLower();
    const Choice* chosen = nullptr;
    for (const Choice& choice : choices) {
        for (const QString& word : QString::fromUtf8(choice.words).split(',')) {
            if (lower.contains(word)) {
                chosen = &choice;
                break;
            }
        }
        if (chosen)
            break;
    }
    static const Choice kDefault{"", 704, 541, &EnvironmentFigures::environmentAfterStart};
    if (!chosen)
        chosen = &kDefault;

    QImage natural = Sketch::canvas(chosen->width, chosen->height);
    {
        Sketch sketch(natural);
        chosen->draw(sketch);
    }

    QImage out = Sketch::canvas(width, height);
    Sketch sketch(out);
    sketch.fill(out.rect(), QColor(255, 251, 240));
    // The caption takes up to three lines of small serif text under the drawing.
    const int pixels = std::clamp(height / 16, 9, 13);
    const QFontMetrics metrics(Sketch::serifFont(pixels));
    const QRect needed = metrics.boundingRect(QRect(0, 0, width - 12, height), Qt::TextWordWrap, description);
    const int captionHeight = std::min(needed.height() + 8, std::max(height / 3, metrics.height() + 8));
    const QRect picture(2, 2, width - 4, height - captionHeight - 4);
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
