// SPDX-License-Identifier: MIT
#include "ComponentFigures.h"

#include "Sketch.h"

namespace {

constexpr int kSpeedButton = 25;
constexpr int kToolBarHeight = 33;
constexpr int kHandle = 5;

void sizingHandles(Sketch& sketch, const QRect& area) {
    const QPoint points[] = {area.topLeft(),
                             area.topRight(),
                             area.bottomLeft(),
                             area.bottomRight(),
                             QPoint(area.center().x(), area.top()),
                             QPoint(area.center().x(), area.bottom()),
                             QPoint(area.left(), area.center().y()),
                             QPoint(area.right(), area.center().y())};
    for (const QPoint& point : points)
        sketch.fill(QRect(point - QPoint(kHandle / 2, kHandle / 2), QSize(kHandle, kHandle)), Qt::black);
}

} // namespace

void ComponentFigures::speedButtons(Sketch& sketch) {
    const QRect all = sketch.bounds();
    sketch.fill(all, Sketch::kDesktop);
    const int inspectorWidth = all.width() * 36 / 100;
    const QRect formOuter(all.left() + 4, all.top() + 4, all.width() - inspectorWidth - 12, all.height() - 8);
    const QRect client = sketch.window(formOuter, QStringLiteral("Form1"));
    sketch.designGrid(client);

    // Panel1 aligned to the top of the form holds the speed buttons, in groups with a gap between them.
    const QRect bar(client.left(), client.top(), client.width(), kToolBarHeight);
    sketch.raised(bar);
    const int glyphs[] = {0, 1, 2, -1, 11, 12, -1, 3, 4, 13};
    const int downButton = 5;    // "Run", pressed: GroupIndex set and Down = True
    const int chosenButton = 0;  // the button selected in the designer
    int x = bar.left() + 6;
    int number = 0;
    QRect chosen;
    QRect down;
    for (const int glyph : glyphs) {
        if (glyph < 0) {
            x += 8;
            continue;
        }
        const QRect button(x, bar.top() + 4, kSpeedButton, kSpeedButton);
        if (number == downButton) {
            sketch.sunken(button, QColor(234, 232, 226));
            sketch.glyph(button.adjusted(4, 4, -3, -3), glyph);
            down = button;
        } else {
            sketch.raised(button);
            sketch.glyph(button.adjusted(3, 3, -4, -4), glyph);
        }
        if (number == chosenButton)
            chosen = button;
        x += kSpeedButton + 1;
        ++number;
    }
    sizingHandles(sketch, chosen);

    // A memo fills the rest of the form, under the bar.
    const QRect memo(client.left() + 8, bar.bottom() + 64, client.width() - 16, client.bottom() - bar.bottom() - 72);
    sketch.sunken(memo);
    sketch.text(memo.adjusted(6, 4, -6, -4), QStringLiteral("Memo1"), Qt::AlignLeft | Qt::AlignTop,
                Sketch::uiFont(11));

    // Notes on the two marked buttons.
    const QRect chosenNote(client.left() + 8, bar.bottom() + 12, 126, 40);
    const QRect downNote(chosenNote.right() + 12, bar.bottom() + 12, client.right() - chosenNote.right() - 20, 40);
    sketch.box(chosenNote, QStringLiteral("SpeedButton1 выделена"), Sketch::kInfo, 11, true);
    sketch.box(downNote, QStringLiteral("Down = True: кнопка «залипла»"), Sketch::kInfo, 11, true);
    sketch.arrow(QPoint(chosenNote.center().x(), chosenNote.top()), QPoint(chosen.center().x(), chosen.bottom() + 3),
                 QColor(128, 0, 0));
    sketch.arrow(QPoint(downNote.center().x(), downNote.top()), QPoint(down.center().x(), down.bottom() + 3),
                 QColor(128, 0, 0));

    // The object inspector with the chosen button's own properties.
    const QRect inspector(formOuter.right() + 5, all.top() + 4, inspectorWidth, all.height() - 8);
    const QRect inner = sketch.window(inspector, QStringLiteral("Object Inspector"), false, true);
    const QRect selector(inner.left() + 2, inner.top() + 2, inner.width() - 4, 20);
    sketch.combo(selector, QStringLiteral("SpeedButton1: TSpeedButton"));
    const QRect page = sketch.tabs(
        QRect(inner.left() + 2, selector.bottom() + 4, inner.width() - 4, inner.bottom() - selector.bottom() - 6),
        {QStringLiteral("Properties"), QStringLiteral("Events")}, 0);
    sketch.propertyGrid(page,
                        {{"AllowAllUp", "False"},
                         {"Caption", ""},
                         {"Down", "False"},
                         {"Enabled", "True"},
                         {"Flat", "False"},
                         {"Glyph", "(TBitmap)"},
                         {"GroupIndex", "0"},
                         {"Height", "25"},
                         {"Hint", "Новый файл"},
                         {"Layout", "blGlyphLeft"},
                         {"Left", "6"},
                         {"Margin", "-1"},
                         {"Name", "SpeedButton1"},
                         {"NumGlyphs", "1"},
                         {"ShowHint", "True"},
                         {"Spacing", "4"},
                         {"Top", "4"},
                         {"Transparent", "True"},
                         {"Visible", "True"},
                         {"Width", "25"}},
                        5);
}
