// SPDX-License-Identifier: MIT
#include "Sketch.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPolygon>
#include <QRegularExpression>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTitleHeight = 18;
constexpr int kToolTitleHeight = 14;
constexpr int kMenuHeight = 19;
constexpr int kRowHeight = 16;
constexpr int kCheckSize = 13;

const QStringList& pascalKeywords() {
    static const QStringList words = {"and",
                                      "array",
                                      "as",
                                      "begin",
                                      "case",
                                      "class",
                                      "const",
                                      "constructor",
                                      "destructor",
                                      "div",
                                      "do",
                                      "downto",
                                      "else",
                                      "end",
                                      "except",
                                      "file",
                                      "finalization",
                                      "finally",
                                      "for",
                                      "function",
                                      "if",
                                      "implementation",
                                      "in",
                                      "inherited",
                                      "initialization",
                                      "interface",
                                      "is",
                                      "mod",
                                      "nil",
                                      "not",
                                      "object",
                                      "of",
                                      "or",
                                      "private",
                                      "procedure",
                                      "program",
                                      "property",
                                      "protected",
                                      "public",
                                      "published",
                                      "raise",
                                      "record",
                                      "repeat",
                                      "set",
                                      "shl",
                                      "shr",
                                      "string",
                                      "then",
                                      "to",
                                      "try",
                                      "type",
                                      "unit",
                                      "until",
                                      "uses",
                                      "var",
                                      "while",
                                      "with",
                                      "xor"};
    return words;
}

// Splits a line of program text into pieces with a style: 0 plain, 1 key word, 2 comment, 3 string.
QList<QPair<QString, int>> tokens(const QString& line) {
    QList<QPair<QString, int>> out;
    qsizetype at = 0;
    while (at < line.size()) {
        const QChar c = line[at];
        qsizetype end = at + 1;
        int style = 0;
        if (line.mid(at, 2) == QLatin1String("//")) {
            end = line.size();
            style = 2;
        } else if (c == '{') {
            end = line.indexOf('}', at);
            end = end < 0 ? line.size() : end + 1;
            style = 2;
        } else if (c == '\'') {
            end = line.indexOf('\'', at + 1);
            end = end < 0 ? line.size() : end + 1;
            style = 3;
        } else if (c.isLetter() || c == '_') {
            while (end < line.size() && (line[end].isLetterOrNumber() || line[end] == '_'))
                ++end;
            if (pascalKeywords().contains(line.mid(at, end - at).toLower()))
                style = 1;
        }
        out.append({line.mid(at, end - at), style});
        at = end;
    }
    return out;
}

} // namespace

Sketch::Sketch(QImage& image)
    : m_painter(&image)
    , m_bounds(image.rect()) {
    m_painter.fillRect(m_bounds, kFace);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QImage Sketch::canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kFace);
    return image;
}

QFont Sketch::uiFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont Sketch::serifFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont Sketch::codeFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void Sketch::fill(const QRect& area, const QColor& colour) {
    m_painter.fillRect(area, colour);
}

void Sketch::raised(const QRect& area, const QColor& face) {
    m_painter.fillRect(area, face);
    m_painter.setPen(kLight);
    m_painter.drawLine(area.topLeft(), area.topRight());
    m_painter.drawLine(area.topLeft(), area.bottomLeft());
    m_painter.setPen(kDarkShadow);
    m_painter.drawLine(area.bottomLeft(), area.bottomRight());
    m_painter.drawLine(area.topRight(), area.bottomRight());
    m_painter.setPen(kShadow);
    m_painter.drawLine(area.bottomLeft() + QPoint(1, -1), area.bottomRight() + QPoint(-1, -1));
    m_painter.drawLine(area.topRight() + QPoint(-1, 1), area.bottomRight() + QPoint(-1, -1));
}

void Sketch::sunken(const QRect& area, const QColor& fillColour) {
    m_painter.fillRect(area, fillColour);
    m_painter.setPen(kShadow);
    m_painter.drawLine(area.topLeft(), area.topRight());
    m_painter.drawLine(area.topLeft(), area.bottomLeft());
    m_painter.setPen(kLight);
    m_painter.drawLine(area.bottomLeft(), area.bottomRight());
    m_painter.drawLine(area.topRight(), area.bottomRight());
    m_painter.setPen(kDarkShadow);
    m_painter.drawLine(area.topLeft() + QPoint(1, 1), area.topRight() + QPoint(-1, 1));
    m_painter.drawLine(area.topLeft() + QPoint(1, 1), area.bottomLeft() + QPoint(1, -1));
}

void Sketch::frameLine(const QRect& area) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(kShadow);
    m_painter.drawRect(area.adjusted(0, 0, -1, -1));
    m_painter.setPen(kLight);
    m_painter.drawRect(area.adjusted(1, 1, 0, 0));
}

void Sketch::bevel(const QRect& area, bool raisedEdge) {
    m_painter.setPen(raisedEdge ? kLight : kShadow);
    m_painter.drawLine(area.topLeft(), area.topRight());
    m_painter.drawLine(area.topLeft(), area.bottomLeft());
    m_painter.setPen(raisedEdge ? kShadow : kLight);
    m_painter.drawLine(area.bottomLeft(), area.bottomRight());
    m_painter.drawLine(area.topRight(), area.bottomRight());
}

QRect Sketch::window(const QRect& outer, const QString& caption, bool active, bool toolWindow, bool dialogFrame) {
    raised(outer);
    const int titleHeight = toolWindow ? kToolTitleHeight : kTitleHeight;
    const QRect title(outer.left() + 3, outer.top() + 3, outer.width() - 6, titleHeight);
    QLinearGradient gradient(title.topLeft(), title.topRight());
    gradient.setColorAt(0, active ? kTitle : kShadow);
    gradient.setColorAt(1, active ? kTitleEnd : QColor(192, 192, 192));
    m_painter.fillRect(title, gradient);
    // Caption buttons: minimise, maximise, close (a tool window only closes).
    const int buttonSize = titleHeight - 4;
    int x = title.right() - buttonSize - 1;
    for (int i = 0; i < (toolWindow || dialogFrame ? 1 : 3); ++i) {
        const QRect b(x, title.top() + 2, buttonSize + 2, buttonSize);
        raised(b);
        m_painter.setPen(QPen(Qt::black, 1));
        const QRect g = b.adjusted(4, 3, -5, -4);
        if (i == 0) {
            m_painter.drawLine(g.topLeft(), g.bottomRight());
            m_painter.drawLine(g.bottomLeft(), g.topRight());
        } else if (i == 1) {
            m_painter.drawRect(g.adjusted(0, 0, -1, -1));
            m_painter.drawLine(g.topLeft() + QPoint(0, 1), g.topRight() + QPoint(-1, 1));
        } else {
            m_painter.drawLine(g.bottomLeft() + QPoint(1, -1), g.bottomLeft() + QPoint(5, -1));
        }
        x -= buttonSize + (i == 0 ? 4 : 2);
    }
    text(title.adjusted(4, 0, -(3 * buttonSize + 12), 0), caption, Qt::AlignLeft | Qt::AlignVCenter,
         uiFont(toolWindow ? 10 : 11, true), active ? Qt::white : QColor(212, 208, 200));
    return QRect(outer.left() + 4, title.bottom() + 2, outer.width() - 8, outer.bottom() - title.bottom() - 5);
}

QRect Sketch::menuBar(const QRect& area, const QStringList& items, int highlighted) {
    const QRect bar(area.left(), area.top(), area.width(), kMenuHeight);
    fill(bar, kFace);
    const QFont font = uiFont(11);
    const QFontMetrics metrics(font);
    int x = bar.left() + 4;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int width = metrics.horizontalAdvance(items[i]) + 14;
        const QRect item(x, bar.top() + 1, width, bar.height() - 2);
        if (i == highlighted) {
            fill(item, kSelection);
            text(item, items[i], Qt::AlignCenter, font, Qt::white);
        } else {
            text(item, items[i], Qt::AlignCenter, font);
        }
        x += width;
    }
    return QRect(area.left(), bar.bottom() + 1, area.width(), area.height() - bar.height());
}

QRect Sketch::dropDown(const QPoint& anchor, const QStringList& items, int highlighted) {
    const QFont font = uiFont(11);
    const QFontMetrics metrics(font);
    int width = 120;
    int height = 6;
    for (const QString& item : items) {
        width = std::max(width, metrics.horizontalAdvance(item) + 48);
        height += item == QLatin1String("-") ? 8 : kRowHeight + 2;
    }
    const QRect menu(anchor, QSize(width, height));
    raised(menu);
    int y = menu.top() + 3;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i] == QLatin1String("-")) {
            frameLine(QRect(menu.left() + 3, y + 3, menu.width() - 6, 2));
            y += 8;
            continue;
        }
        const QRect row(menu.left() + 3, y, menu.width() - 6, kRowHeight + 2);
        const bool on = i == highlighted;
        if (on)
            fill(row, kSelection);
        QString label = items[i];
        QString shortcut;
        if (const qsizetype tab = label.indexOf('\t'); tab >= 0) {
            shortcut = label.mid(tab + 1);
            label.truncate(tab);
        }
        text(row.adjusted(22, 0, -6, 0), label, Qt::AlignLeft | Qt::AlignVCenter, font, on ? Qt::white : Qt::black);
        if (!shortcut.isEmpty())
            text(row.adjusted(22, 0, -8, 0), shortcut, Qt::AlignRight | Qt::AlignVCenter, font,
                 on ? Qt::white : Qt::black);
        y += kRowHeight + 2;
    }
    return menu;
}

int Sketch::toolButtons(const QPoint& topLeft, int count, int firstGlyph, int size) {
    for (int i = 0; i < count; ++i) {
        const QRect b(topLeft.x() + i * (size + 1), topLeft.y(), size, size);
        raised(b);
        glyph(b.adjusted(3, 3, -4, -4), firstGlyph + i);
    }
    return count * (size + 1);
}

void Sketch::glyph(const QRect& g, int kind) {
    QPainter& p = m_painter;
    p.save();
    p.setPen(QPen(Qt::black, 1));
    switch (kind % 14) {
    case 0: // new page
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({g.topLeft() + QPoint(2, 0), g.topRight() + QPoint(-4, 0), g.topRight() + QPoint(-1, 3),
                                g.bottomRight() + QPoint(-1, 0), g.bottomLeft() + QPoint(2, 0)}));
        break;
    case 1: // open folder
        p.setBrush(QColor(230, 200, 90));
        p.drawRect(g.adjusted(0, 4, -2, -2));
        p.setBrush(QColor(250, 230, 140));
        p.drawPolygon(QPolygon({g.bottomLeft() + QPoint(0, -2), g.bottomRight() + QPoint(-2, -2),
                                g.topRight() + QPoint(0, 7), g.topLeft() + QPoint(3, 7)}));
        break;
    case 2: // floppy
        p.setBrush(QColor(40, 40, 140));
        p.drawRect(g.adjusted(0, 0, -1, -1));
        p.fillRect(g.adjusted(3, 1, -4, -g.height() / 2), Qt::white);
        p.fillRect(g.adjusted(4, g.height() - 5, -5, -1), QColor(192, 192, 192));
        break;
    case 3: // run
        p.setBrush(QColor(0, 160, 0));
        p.drawPolygon(QPolygon(
            {g.topLeft() + QPoint(3, 0), g.bottomLeft() + QPoint(3, 0), QPoint(g.right() - 1, g.center().y())}));
        break;
    case 4: // pause
        p.fillRect(QRect(g.left() + 3, g.top() + 1, 3, g.height() - 2), QColor(0, 0, 160));
        p.fillRect(QRect(g.right() - 5, g.top() + 1, 3, g.height() - 2), QColor(0, 0, 160));
        break;
    case 5: // step into: arrow down onto a line
        p.drawLine(g.center().x(), g.top(), g.center().x(), g.bottom() - 4);
        p.drawLine(g.center().x() - 3, g.bottom() - 7, g.center().x(), g.bottom() - 4);
        p.drawLine(g.center().x() + 3, g.bottom() - 7, g.center().x(), g.bottom() - 4);
        p.drawLine(g.left(), g.bottom(), g.right(), g.bottom());
        break;
    case 6: // forms
        p.setBrush(Qt::white);
        p.drawRect(g.adjusted(0, 2, -4, -1));
        p.fillRect(QRect(g.left() + 1, g.top() + 3, g.width() - 5, 3), kTitle);
        break;
    case 7: // unit: page with lines
        p.setBrush(Qt::white);
        p.drawRect(g.adjusted(1, 0, -2, -1));
        for (int y = g.top() + 3; y < g.bottom() - 1; y += 3)
            p.drawLine(g.left() + 3, y, g.right() - 4, y);
        break;
    case 8: // toggle form/unit
        p.setBrush(QColor(255, 255, 0));
        p.drawEllipse(g.adjusted(1, 1, -2, -2));
        p.drawLine(g.topLeft() + QPoint(2, g.height() / 2), g.topRight() + QPoint(-2, g.height() / 2));
        break;
    case 9: // add file: plus
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(g.center().x(), g.top() + 1, g.center().x(), g.bottom() - 1);
        p.drawLine(g.left() + 1, g.center().y(), g.right() - 1, g.center().y());
        break;
    case 10: // remove file: minus
        p.setPen(QPen(QColor(192, 0, 0), 2));
        p.drawLine(g.left() + 1, g.center().y(), g.right() - 1, g.center().y());
        break;
    case 11: // scissors
        p.drawEllipse(QRect(g.left(), g.bottom() - 4, 5, 5));
        p.drawEllipse(QRect(g.right() - 5, g.bottom() - 4, 5, 5));
        p.drawLine(g.left() + 3, g.bottom() - 4, g.right() - 3, g.top());
        p.drawLine(g.right() - 3, g.bottom() - 4, g.left() + 3, g.top());
        break;
    case 12: // copy: two pages
        p.setBrush(Qt::white);
        p.drawRect(g.adjusted(0, 0, -5, -5));
        p.drawRect(g.adjusted(4, 4, -1, -1));
        break;
    default: // help: question mark
        p.setFont(uiFont(g.height(), true));
        p.setPen(QColor(0, 0, 160));
        p.drawText(g, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    p.restore();
}

void Sketch::button(const QRect& area, const QString& caption, bool isDefault) {
    QRect b = area;
    if (isDefault) {
        m_painter.setPen(Qt::black);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(area.adjusted(0, 0, -1, -1));
        b = area.adjusted(1, 1, -1, -1);
    }
    raised(b);
    text(b, caption, Qt::AlignCenter, uiFont(11));
}

void Sketch::edit(const QRect& area, const QString& value) {
    sunken(area);
    text(area.adjusted(4, 0, -2, 0), value, Qt::AlignLeft | Qt::AlignVCenter, uiFont(11));
}

void Sketch::combo(const QRect& area, const QString& value) {
    edit(area, value);
    const QRect b(area.right() - area.height() + 3, area.top() + 2, area.height() - 4, area.height() - 4);
    raised(b);
    const QPoint c = b.center();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::black);
    m_painter.drawPolygon(QPolygon({c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 2)}));
}

void Sketch::checkBox(const QPoint& topLeft, const QString& caption, bool checked) {
    const QRect b(topLeft, QSize(kCheckSize, kCheckSize));
    sunken(b);
    if (checked) {
        m_painter.setPen(QPen(Qt::black, 2));
        m_painter.drawPolyline(
            QPolygon({b.topLeft() + QPoint(3, 6), b.topLeft() + QPoint(5, 9), b.topLeft() + QPoint(10, 3)}));
    }
    label(topLeft + QPoint(kCheckSize + 5, 0), caption);
}

void Sketch::radio(const QPoint& topLeft, const QString& caption, bool checked) {
    const QRect b(topLeft, QSize(kCheckSize - 1, kCheckSize - 1));
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(kShadow);
    m_painter.setBrush(Qt::white);
    m_painter.drawEllipse(b);
    if (checked) {
        m_painter.setBrush(Qt::black);
        m_painter.setPen(Qt::NoPen);
        m_painter.drawEllipse(b.adjusted(4, 4, -4, -4));
    }
    m_painter.restore();
    label(topLeft + QPoint(kCheckSize + 5, 0), caption);
}

void Sketch::groupBox(const QRect& area, const QString& title) {
    frameLine(area.adjusted(0, 6, 0, 0));
    const QFont font = uiFont(11);
    const int width = QFontMetrics(font).horizontalAdvance(title) + 6;
    const QRect titleArea(area.left() + 8, area.top(), width, 13);
    fill(titleArea, kFace);
    text(titleArea, title, Qt::AlignCenter, font);
}

void Sketch::label(const QPoint& topLeft, const QString& value, const QColor& colour, int pixels, bool bold) {
    const QFont font = uiFont(pixels, bold);
    const QFontMetrics metrics(font);
    text(QRect(topLeft, QSize(metrics.horizontalAdvance(value) + 2, metrics.height())), value,
         Qt::AlignLeft | Qt::AlignVCenter, font, colour);
}

QRect Sketch::tabs(const QRect& area, const QStringList& names, int current) {
    const QFont font = uiFont(11);
    const QFontMetrics metrics(font);
    constexpr int tabHeight = 20;
    const QRect page(area.left(), area.top() + tabHeight, area.width(), area.height() - tabHeight);
    raised(page);
    int x = area.left() + 2;
    QRect currentTab;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int width = metrics.horizontalAdvance(names[i]) + 16;
        if (x + width > area.right())
            break;
        const QRect tab(x, area.top() + 2, width, tabHeight - 1);
        if (i == current) {
            currentTab = tab.adjusted(-2, -2, 2, 2);
        } else {
            raised(tab);
            text(tab, names[i], Qt::AlignCenter, font);
        }
        x += width;
    }
    if (currentTab.isValid()) {
        raised(currentTab);
        fill(QRect(currentTab.left() + 1, currentTab.bottom() - 1, currentTab.width() - 3, 3), kFace);
        text(currentTab, names[current], Qt::AlignCenter, font);
    }
    return page.adjusted(2, 2, -3, -3);
}

void Sketch::scrollBar(const QRect& area, bool vertical, double position) {
    QColor track(234, 232, 228);
    fill(area, track);
    const int thickness = vertical ? area.width() : area.height();
    const QRect first(area.topLeft(), QSize(thickness, thickness));
    const QRect last = vertical ? QRect(area.left(), area.bottom() - thickness + 1, thickness, thickness)
                                : QRect(area.right() - thickness + 1, area.top(), thickness, thickness);
    raised(first);
    raised(last);
    const int trackLength = (vertical ? area.height() : area.width()) - 4 * thickness;
    const int offset = position < 0 ? 4 : static_cast<int>(std::lround(std::clamp(position, 0.0, 1.0) * std::max(0, trackLength)));
    const QRect thumb = vertical ? QRect(area.left(), area.top() + thickness + offset, thickness, thickness * 2)
                                 : QRect(area.left() + thickness + offset, area.top(), thickness * 2, thickness);
    raised(thumb);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::black);
    const QPoint a = first.center();
    const QPoint b = last.center();
    if (vertical) {
        m_painter.drawPolygon(QPolygon({a + QPoint(-3, 1), a + QPoint(3, 1), a + QPoint(0, -2)}));
        m_painter.drawPolygon(QPolygon({b + QPoint(-3, -1), b + QPoint(3, -1), b + QPoint(0, 2)}));
    } else {
        m_painter.drawPolygon(QPolygon({a + QPoint(1, -3), a + QPoint(1, 3), a + QPoint(-2, 0)}));
        m_painter.drawPolygon(QPolygon({b + QPoint(-1, -3), b + QPoint(-1, 3), b + QPoint(2, 0)}));
    }
}

void Sketch::statusBar(const QRect& area, const QStringList& parts) {
    fill(area, kFace);
    const int width = parts.isEmpty() ? area.width() : area.width() / static_cast<int>(parts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QRect part(area.left() + static_cast<int>(i) * width, area.top() + 2, width - 2, area.height() - 3);
        sunken(part, kFace);
        text(part.adjusted(4, 0, -2, 0), parts[i], Qt::AlignLeft | Qt::AlignVCenter, uiFont(11));
    }
}

void Sketch::listBox(const QRect& area, const QStringList& rows, int selected) {
    sunken(area);
    const QFont font = uiFont(11);
    int y = area.top() + 2;
    for (qsizetype i = 0; i < rows.size() && y + kRowHeight <= area.bottom(); ++i) {
        const QRect row(area.left() + 2, y, area.width() - 4, kRowHeight);
        if (i == selected)
            fill(row, kSelection);
        text(row.adjusted(3, 0, 0, 0), rows[i], Qt::AlignLeft | Qt::AlignVCenter, font,
             i == selected ? Qt::white : Qt::black);
        y += kRowHeight;
    }
}

void Sketch::propertyGrid(const QRect& area, const QList<QPair<QString, QString>>& rows, int selected) {
    sunken(area);
    const QFont font = uiFont(11);
    const int split = area.left() + area.width() * 9 / 20;
    int y = area.top() + 2;
    m_painter.setPen(kShadow);
    m_painter.drawLine(split, area.top() + 2, split, area.bottom() - 2);
    for (qsizetype i = 0; i < rows.size() && y + kRowHeight <= area.bottom(); ++i) {
        const QRect nameArea(area.left() + 2, y, split - area.left() - 2, kRowHeight);
        const QRect valueArea(split + 1, y, area.right() - split - 2, kRowHeight);
        if (i == selected)
            fill(nameArea, kSelection);
        const bool group = rows[i].first.startsWith('+');
        text(nameArea.adjusted(group ? 2 : 11, 0, 0, 0), rows[i].first, Qt::AlignLeft | Qt::AlignVCenter, font,
             i == selected ? Qt::white : Qt::black);
        text(valueArea.adjusted(3, 0, 0, 0), rows[i].second, Qt::AlignLeft | Qt::AlignVCenter, font, QColor(0, 0, 128));
        m_painter.setPen(QColor(192, 192, 192));
        m_painter.drawLine(area.left() + 2, y + kRowHeight - 1, area.right() - 2, y + kRowHeight - 1);
        y += kRowHeight;
    }
}

int Sketch::code(const QRect& area, const QStringList& lines, int pixels, int firstLine) {
    const QFont plain = codeFont(pixels);
    const QFont bold = codeFont(pixels, true);
    // Columns are placed at fractional positions: a rounded advance would drift along a long line.
    const QFontMetricsF metrics(plain);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('M'));
    const int lineHeight = qCeil(metrics.height());
    int y = area.top() + 2;
    m_painter.save();
    m_painter.setClipRect(area);
    for (qsizetype i = firstLine; i < lines.size() && y < area.bottom(); ++i) {
        int column = 0;
        for (const auto& [piece, style] : tokens(lines[i])) {
            m_painter.setFont(style == 1 ? bold : plain);
            m_painter.setPen(style == 2 ? QColor(0, 0, 128) : style == 3 ? QColor(0, 0, 255) : QColor(Qt::black));
            if (style == 2) {
                QFont italic = plain;
                italic.setItalic(true);
                m_painter.setFont(italic);
            }
            m_painter.drawText(QPointF(area.left() + 4 + column * advance, y + metrics.ascent()), piece);
            column += static_cast<int>(piece.size());
        }
        y += lineHeight;
    }
    m_painter.restore();
    return y;
}

void Sketch::designGrid(const QRect& area, int step) {
    for (int y = area.top() + step / 2; y < area.bottom(); y += step)
        for (int x = area.left() + step / 2; x < area.right(); x += step)
            m_painter.fillRect(QRect(x, y, 1, 1), kFormGrid);
}

void Sketch::componentIcon(const QRect& area, int kind) {
    QPainter& p = m_painter;
    const QRect g = area.adjusted(3, 3, -3, -3);
    p.save();
    p.setPen(Qt::black);
    switch (kind % 20) {
    case 0: // selection arrow
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({g.topLeft() + QPoint(4, 0), g.topLeft() + QPoint(4, g.height() - 3),
                                g.topLeft() + QPoint(7, g.height() - 6), g.topLeft() + QPoint(11, g.height() - 6)}));
        break;
    case 1: // main menu
        p.fillRect(QRect(g.left(), g.top() + 2, g.width(), 4), QColor(255, 255, 255));
        p.drawRect(g.adjusted(0, 2, -1, -g.height() / 2));
        p.fillRect(QRect(g.left() + 2, g.top() + 3, 5, 2), kTitle);
        break;
    case 2: // label
        p.setFont(serifFont(g.height(), true));
        p.drawText(g, Qt::AlignCenter, QStringLiteral("A"));
        break;
    case 3: // edit
        sunken(g.adjusted(0, g.height() / 4, 0, -g.height() / 4));
        p.setFont(uiFont(9));
        p.setPen(Qt::black);
        p.drawText(g, Qt::AlignCenter, QStringLiteral("ab"));
        break;
    case 4: // memo
        sunken(g);
        for (int y = g.top() + 4; y < g.bottom() - 2; y += 3)
            p.drawLine(g.left() + 3, y, g.right() - 4, y);
        break;
    case 5: // button
        raised(g.adjusted(0, g.height() / 4, 0, -g.height() / 4));
        p.setFont(uiFont(8, true));
        p.setPen(Qt::black);
        p.drawText(g, Qt::AlignCenter, QStringLiteral("OK"));
        break;
    case 6: // check box
        sunken(QRect(g.left() + 3, g.top() + 3, 10, 10));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(g.left() + 5, g.top() + 8, g.left() + 7, g.top() + 11);
        p.drawLine(g.left() + 7, g.top() + 11, g.left() + 12, g.top() + 5);
        break;
    case 7: // radio button
        p.setBrush(Qt::white);
        p.drawEllipse(QRect(g.left() + 3, g.top() + 3, 11, 11));
        p.setBrush(Qt::black);
        p.drawEllipse(QRect(g.left() + 7, g.top() + 7, 3, 3));
        break;
    case 8: // list box
        sunken(g);
        p.fillRect(QRect(g.left() + 2, g.top() + 6, g.width() - 4, 3), kSelection);
        break;
    case 9: // combo box
        sunken(g.adjusted(0, g.height() / 4, 0, -g.height() / 4));
        raised(QRect(g.right() - 6, g.top() + g.height() / 4 + 1, 6, g.height() / 2 - 1));
        break;
    case 10: // scroll bar
        raised(QRect(g.left(), g.center().y() - 3, g.width(), 7), QColor(234, 232, 228));
        raised(QRect(g.left() + 5, g.center().y() - 3, 6, 7));
        break;
    case 11: // group box
        p.setPen(kShadow);
        p.drawRect(g.adjusted(0, 3, -1, -1));
        p.fillRect(QRect(g.left() + 3, g.top() + 1, 8, 4), kFace);
        break;
    case 12: // panel
        raised(g.adjusted(0, 3, 0, -3));
        break;
    case 13: // image
        p.fillRect(g, QColor(120, 190, 240));
        p.setBrush(QColor(40, 140, 40));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({g.bottomLeft(), QPoint(g.left() + g.width() / 3, g.top() + g.height() / 3),
                                QPoint(g.center().x() + 2, g.bottom() - 3), g.bottomRight()}));
        p.setBrush(QColor(255, 220, 0));
        p.drawEllipse(QRect(g.right() - 6, g.top() + 1, 5, 5));
        break;
    case 14: // shape
        p.setBrush(QColor(255, 255, 0));
        p.drawEllipse(g.adjusted(0, 0, -6, -6));
        p.setBrush(QColor(0, 128, 255));
        p.drawRect(g.adjusted(6, 6, -1, -1));
        break;
    case 15: // string grid
        p.setBrush(Qt::white);
        p.drawRect(g.adjusted(0, 0, -1, -1));
        p.fillRect(QRect(g.left() + 1, g.top() + 1, g.width() - 2, 4), kFace);
        for (int x = g.left() + 6; x < g.right(); x += 6)
            p.drawLine(x, g.top(), x, g.bottom());
        for (int y = g.top() + 5; y < g.bottom(); y += 5)
            p.drawLine(g.left(), y, g.right(), y);
        break;
    case 16: // timer: a clock
        p.setBrush(Qt::white);
        p.drawEllipse(g.adjusted(1, 1, -1, -1));
        p.drawLine(g.center(), g.center() + QPoint(0, -5));
        p.drawLine(g.center(), g.center() + QPoint(4, 0));
        break;
    case 17: // dialog: window with buttons
        p.setBrush(Qt::white);
        p.drawRect(g.adjusted(0, 0, -1, -1));
        p.fillRect(QRect(g.left() + 1, g.top() + 1, g.width() - 2, 3), kTitle);
        raised(QRect(g.right() - 8, g.bottom() - 5, 7, 4));
        break;
    case 18: // page control: tabs
        raised(QRect(g.left(), g.top() + 4, g.width(), g.height() - 4));
        raised(QRect(g.left() + 1, g.top(), 7, 5));
        raised(QRect(g.left() + 8, g.top() + 1, 6, 4));
        break;
    default: // progress bar
        sunken(g.adjusted(0, g.height() / 3, 0, -g.height() / 3));
        p.fillRect(QRect(g.left() + 2, g.top() + g.height() / 3 + 2, g.width() / 2, g.height() / 3 - 3),
                   QColor(0, 0, 160));
        break;
    }
    p.restore();
}

void Sketch::box(const QRect& area, const QString& value, const QColor& fillColour, int pixels, bool bold) {
    m_painter.save();
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(QColor(0, 0, 0, 60));
    m_painter.drawRect(area.translated(3, 3).adjusted(0, 0, -1, -1));
    m_painter.setBrush(fillColour);
    m_painter.drawRect(area.adjusted(0, 0, -1, -1));
    m_painter.restore();
    // Long names get a smaller font rather than being cut off.
    const QRect inner = area.adjusted(3, 1, -3, -1);
    QFont font = uiFont(pixels, bold);
    for (int size = pixels; size >= 7; --size) {
        font = uiFont(size, bold);
        const QRect needed = QFontMetrics(font).boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, value);
        if (needed.width() <= inner.width() && needed.height() <= inner.height())
            break;
    }
    text(inner, value, Qt::AlignCenter | Qt::TextWordWrap, font);
}

void Sketch::connect(const QRect& parent, const QRect& child, bool elbow) {
    m_painter.save();
    m_painter.setPen(QPen(Qt::black, 1));
    const QPoint from(parent.center().x(), parent.bottom() + 1);
    const QPoint to(child.center().x(), child.top() - 1);
    if (elbow) {
        const int middle = (from.y() + to.y()) / 2;
        m_painter.drawPolyline(QPolygon({from, QPoint(from.x(), middle), QPoint(to.x(), middle), to}));
    } else {
        m_painter.drawLine(from, to);
    }
    m_painter.restore();
}

void Sketch::arrow(const QPoint& from, const QPoint& to, const QColor& colour) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(QPen(colour, 1.5));
    m_painter.drawLine(from, to);
    const QLineF line(to, from);
    const QLineF left = QLineF::fromPolar(8, line.angle() + 25).translated(to);
    const QLineF right = QLineF::fromPolar(8, line.angle() - 25).translated(to);
    m_painter.setBrush(colour);
    m_painter.drawPolygon(QPolygonF({QPointF(to), left.p2(), right.p2()}));
    m_painter.restore();
}

void Sketch::caption(const QRect& area, const QString& value, int pixels) {
    fill(area, QColor(255, 251, 240));
    m_painter.setPen(kShadow);
    m_painter.drawLine(area.topLeft(), area.topRight());
    text(area.adjusted(6, 2, -6, -2), value, Qt::AlignCenter | Qt::TextWordWrap, serifFont(pixels), QColor(0, 0, 96));
}

void Sketch::text(const QRect& area, const QString& value, int flags, const QFont& font, const QColor& colour) {
    m_painter.setFont(font);
    m_painter.setPen(colour);
    m_painter.drawText(area, flags, value);
}
