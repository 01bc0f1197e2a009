// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>

// Drawing helpers for the course illustrations: the pieces of a classic desktop window (frame, title bar,
// menu bar, buttons, fields, tabs, grids, scroll bars), program text with its key words in bold, and boxes
// joined by lines for diagrams. Every figure is a short function over these.
class Sketch final {
public:
    Q_DISABLE_COPY_MOVE(Sketch)

    // Paints on image; the image keeps its size, the background is filled with the dialog face colour.
    explicit Sketch(QImage& image);

    static QImage canvas(int width, int height);

    static constexpr QColor kFace{212, 208, 200};
    static constexpr QColor kShadow{128, 128, 128};
    static constexpr QColor kDarkShadow{64, 64, 64};
    static constexpr QColor kLight{255, 255, 255};
    static constexpr QColor kTitle{10, 36, 106};
    static constexpr QColor kTitleEnd{166, 202, 240};
    static constexpr QColor kWindow{255, 255, 255};
    static constexpr QColor kSelection{10, 36, 106};
    static constexpr QColor kDesktop{58, 110, 165};
    static constexpr QColor kFormGrid{0, 0, 0};
    static constexpr QColor kInfo{255, 255, 225};

    QPainter& painter() { return m_painter; }
    QRect bounds() const { return m_bounds; }

    static QFont uiFont(int pixels, bool bold = false);
    static QFont serifFont(int pixels, bool bold = false);
    static QFont codeFont(int pixels, bool bold = false);

    void fill(const QRect& area, const QColor& colour);
    void raised(const QRect& area, const QColor& face = kFace);
    void sunken(const QRect& area, const QColor& fill = kWindow);
    void frameLine(const QRect& area); // etched rectangle of group boxes and separators
    // The one-pixel edge of panels and bevels: light above and left, shadow below and right when raised.
    void bevel(const QRect& area, bool raisedEdge);

    // A window with its border, title bar and caption buttons; returns the client area. A dialog frame has only
    // the close button.
    QRect window(const QRect& outer, const QString& caption, bool active = true, bool toolWindow = false,
                 bool dialogFrame = false);
    // A menu bar along the top of area; returns the rest.
    QRect menuBar(const QRect& area, const QStringList& items, int highlighted = -1);
    // A drop-down menu below anchor (left top corner); items "-" are separators.
    QRect dropDown(const QPoint& anchor, const QStringList& items, int highlighted = -1);
    // A row of small tool buttons with deterministic glyphs; returns the width used.
    int toolButtons(const QPoint& topLeft, int count, int firstGlyph = 0, int size = 22);
    void glyph(const QRect& area, int kind);

    void button(const QRect& area, const QString& text, bool isDefault = false);
    void edit(const QRect& area, const QString& text);
    void combo(const QRect& area, const QString& text);
    void checkBox(const QPoint& topLeft, const QString& text, bool checked);
    void radio(const QPoint& topLeft, const QString& text, bool checked);
    void groupBox(const QRect& area, const QString& title);
    void label(const QPoint& topLeft, const QString& text, const QColor& colour = Qt::black, int pixels = 11,
               bool bold = false);
    // Tabs along the top of area; returns the page below them.
    QRect tabs(const QRect& area, const QStringList& names, int current);
    // position 0..1 places the thumb along the track; without it the thumb rests near the start.
    void scrollBar(const QRect& area, bool vertical, double position = -1.0);
    void statusBar(const QRect& area, const QStringList& parts);
    // A list with one selected row.
    void listBox(const QRect& area, const QStringList& rows, int selected = -1);
    // Two columns of name and value rows, as an object inspector shows them.
    void propertyGrid(const QRect& area, const QList<QPair<QString, QString>>& rows, int selected = -1);
    // Object Pascal text with key words bold and comments in colour; returns the y after the last line.
    int code(const QRect& area, const QStringList& lines, int pixels = 12, int firstLine = 0);
    // The dotted grid of a form at design time.
    void designGrid(const QRect& area, int step = 8);
    // A component as the palette and the form designer show it.
    void componentIcon(const QRect& area, int kind);

    // A box with centred text for diagrams, and a connector from the bottom of parent to the top of child.
    void box(const QRect& area, const QString& text, const QColor& fill, int pixels = 12, bool bold = false);
    void connect(const QRect& parent, const QRect& child, bool elbow = true);
    void arrow(const QPoint& from, const QPoint& to, const QColor& colour = Qt::black);
    // A word-wrapped caption strip.
    void caption(const QRect& area, const QString& text, int pixels = 12);
    void text(const QRect& area, const QString& text, int flags, const QFont& font, const QColor& colour = Qt::black);

private:
    QPainter m_painter;
    QRect m_bounds;
};
