// SPDX-License-Identifier: MIT
#include "ResourcePictures.h"

#include "Sketch.h"

#include "platform/Error.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using GlyphRows = std::array<const char*, 16>;

// The glyphs as pixel maps, one letter per pixel: '.' the background, then k black, w white, g grey,
// l light grey, y yellow, o olive, b navy, B blue, r red, m maroon, c teal, G green.
// clang-format off
constexpr std::array<GlyphRows, ResourcePictures::kButtonCount + 1> kGlyphs = {{
    // new
    {"................",
     "...kkkkkkkk.....",
     "...kwwwwwwkk....",
     "...kwwwwwwkwk...",
     "...kwwwwwwkkkk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kwwwwwwwwwk..",
     "...kkkkkkkkkkk..",
     "................"},
    // open
    {"................",
     "................",
     "..........kkk...",
     ".........k...k.k",
     "..............kk",
     ".kkk.........kkk",
     "kyyykkkkkkk.....",
     "kyyyyyyyyyk.....",
     "kyyyykkkkkkkkkkk",
     "kyyykoooooooook.",
     "kyykoooooooook..",
     "kykoooooooook...",
     "kkoooooooook....",
     "kkkkkkkkkkk.....",
     "................",
     "................"},
    // save
    {"................",
     ".kkkkkkkkkkkkkk.",
     ".kcckwwwwwwkcck.",
     ".kcckwwwwwwkcck.",
     ".kcckwwwwwwkcck.",
     ".kcckwwwwwwkcck.",
     ".kccckkkkkkccck.",
     ".kcccccccccccck.",
     ".kcccccccccccck.",
     ".kcckkkkkkkkcck.",
     ".kccgggggwggcck.",
     ".kccgggggwggcck.",
     ".kccgggggwggcck.",
     ".kkkkkkkkkkkkkk.",
     "................",
     "................"},
    // cut
    {"................",
     "....k.....k.....",
     "....k.....k.....",
     "....k.....k.....",
     "....kk...kk.....",
     ".....k...k......",
     ".....kk.kk......",
     "......kkk.......",
     ".......k........",
     "......b.b.......",
     "....bbb.bbb.....",
     "...b..b.b..b....",
     "...b..b.b..b....",
     "...b..b.b..b....",
     "....bbb.bbb.....",
     "................"},
    // copy
    {"................",
     ".kkkkkkkk.......",
     ".kwwwwwwk.......",
     ".kwkkkkwk.......",
     ".kwwwwwwk.......",
     ".kwkkkkkkkkkkkk.",
     ".kwwwwkwwwwwwwk.",
     ".kwkkkkwkkkkkwk.",
     ".kwwwwkwwwwwwwk.",
     ".kwkkkkwkkkkkwk.",
     ".kkkkkkwwwwwwwk.",
     "......kwkkkkkwk.",
     "......kwwwwwwwk.",
     "......kwkkkkkwk.",
     "......kkkkkkkkk.",
     "................"},
    // paste
    {"....kkkkk.......",
     ".kkkkgggkkkk....",
     ".kookkkkkook....",
     ".koooooooook....",
     ".koooooooook....",
     ".koooooooook....",
     ".kooookkkkkkkkk.",
     ".kooookwwwwwwwk.",
     ".kooookwkkkkkwk.",
     ".kooookwwwwwwwk.",
     ".kooookwkkkkkwk.",
     ".kooookwwwwwwwk.",
     ".kooookwkkkkkwk.",
     ".kkkkkkwwwwwwwk.",
     "......kkkkkkkkk.",
     "................"},
    // undo
    {"................",
     "................",
     "................",
     "....b...........",
     "...bb...........",
     "..bbbbbbbb......",
     ".bbbbbbbbbb.....",
     "..bbbbbbbbbb....",
     "...bb.....bbb...",
     "....b......bb...",
     "...........bb...",
     "..........bbb...",
     ".........bbb....",
     ".......bbbb.....",
     "................",
     "................"},
    // bold
    {"................",
     "................",
     "...kkkkkkkk.....",
     "....kkk..kkk....",
     "....kkk...kkk...",
     "....kkk...kkk...",
     "....kkk..kkk....",
     "....kkkkkkk.....",
     "....kkk...kkk...",
     "....kkk....kkk..",
     "....kkk....kkk..",
     "....kkk...kkk...",
     "...kkkkkkkkk....",
     "................",
     "................",
     "................"},
    // italic
    {"................",
     "................",
     "......kkkkkk....",
     "........kk......",
     "........kk......",
     ".......kk.......",
     ".......kk.......",
     "......kk........",
     "......kk........",
     ".....kk.........",
     ".....kk.........",
     "....kk..........",
     "..kkkkkk........",
     "................",
     "................",
     "................"},
    // underline
    {"................",
     "................",
     "...kkkk..kkkk...",
     "....kk....kk....",
     "....kk....kk....",
     "....kk....kk....",
     "....kk....kk....",
     "....kk....kk....",
     "....kk....kk....",
     "....kk....kk....",
     ".....kk..kk.....",
     "......kkkk......",
     "................",
     "...kkkkkkkkkk...",
     "................",
     "................"},
    // left
    {"................",
     "................",
     ".kkkkkkkkkkkk...",
     "................",
     ".kkkkkkkk.......",
     "................",
     ".kkkkkkkkkkkk...",
     "................",
     ".kkkkkkkk.......",
     "................",
     ".kkkkkkkkkkkk...",
     "................",
     ".kkkkkkkk.......",
     "................",
     "................",
     "................"},
    // centre
    {"................",
     "................",
     ".kkkkkkkkkkkk...",
     "................",
     "...kkkkkkkk.....",
     "................",
     ".kkkkkkkkkkkk...",
     "................",
     "...kkkkkkkk.....",
     "................",
     ".kkkkkkkkkkkk...",
     "................",
     "...kkkkkkkk.....",
     "................",
     "................",
     "................"},
    // right
    {"................",
     "................",
     "...kkkkkkkkkkkk.",
     "................",
     ".......kkkkkkkk.",
     "................",
     "...kkkkkkkkkkkk.",
     "................",
     ".......kkkkkkkk.",
     "................",
     "...kkkkkkkkkkkk.",
     "................",
     ".......kkkkkkkk.",
     "................",
     "................",
     "................"},
    // bullets
    {"................",
     "................",
     ".bb..kkkkkkkkk..",
     ".bb.............",
     "................",
     "................",
     ".bb..kkkkkkkkk..",
     ".bb.............",
     "................",
     "................",
     ".bb..kkkkkkkkk..",
     ".bb.............",
     "................",
     "................",
     "................",
     "................"},
    // font
    {"................",
     ".....kk.........",
     ".....kk.........",
     "....kkkk........",
     "....k.kk........",
     "...kk..kk.......",
     "...k...kk.......",
     "..kkkkkkkk......",
     "..k.....kk......",
     ".kk......kk.....",
     "kkkk....kkkk....",
     "...........bbb..",
     "..............b.",
     "...........bbbb.",
     "..........b...b.",
     "...........bbb.b"},
    // colour
    {"................",
     ".......kk.......",
     ".......kk.......",
     "......kkkk......",
     "......k.kk......",
     ".....kk..kk.....",
     ".....k...kk.....",
     "....kkkkkkkk....",
     "....k.....kk....",
     "...kk......kk...",
     "..kkkk....kkkk..",
     "................",
     "..rrrrrrrrrrrr..",
     "..rrrrrrrrrrrr..",
     "..rrrrrrrrrrrr..",
     "................"},
    // print
    {"................",
     "....kkkkkkkk....",
     "....kwwwwwwk....",
     "....kwkkkkwk....",
     "....kwwwwwwk....",
     "..kkkkkkkkkkkk..",
     ".kllllllllllllk.",
     ".kllllllllllGlk.",
     ".kllllllllllllk.",
     ".kggggggggggggk.",
     ".kkkkkkkkkkkkkk.",
     "..kwwwwwwwwwwk..",
     "..kwkkkkkkkkwk..",
     "..kwwwwwwwwwwk..",
     "..kkkkkkkkkkkk..",
     "................"},
    // exit
    {"................",
     ".kkkkkkkkk......",
     ".kmmmmmmmk......",
     ".kmmmmmmmk..r...",
     ".kmmmmmmmk..rr..",
     ".kmmmmmmmk..rrr.",
     ".kmmmmmmykrrrrrr",
     ".kmmmmmmmkrrrrrr",
     ".kmmmmmmmk..rrr.",
     ".kmmmmmmmk..rr..",
     ".kmmmmmmmk..r...",
     ".kmmmmmmmk......",
     ".kmmmmmmmk......",
     ".kmmmmmmmk......",
     ".kkkkkkkkk......",
     "................"},
    // eraser
    {"................",
     "................",
     "................",
     "......kkkkkkkkk.",
     ".....kwwwkBBBBk.",
     "....kwwwkBBBBkk.",
     "...kwwwkBBBBkbk.",
     "..kkkkkkkkkkbbk.",
     "..klllkbbbbkbbk.",
     "..klllkbbbbkbk..",
     "..klllkbbbbkk...",
     "..kkkkkkkkkk....",
     "................",
     ".g..g...........",
     "..g.............",
     "................"},
}};
// clang-format on

constexpr std::size_t kEraserGlyph = ResourcePictures::kButtonCount;

QRgb glyphColour(char letter)
{
    switch (letter) {
    case '.':
        return ResourcePictures::kGlyphBackground;
    case 'k':
        return qRgb(0, 0, 0);
    case 'w':
        return qRgb(255, 255, 255);
    case 'g':
        return qRgb(128, 128, 128);
    case 'l':
        return qRgb(224, 224, 224);
    case 'y':
        return qRgb(255, 255, 0);
    case 'o':
        return qRgb(128, 128, 0);
    case 'b':
        return qRgb(0, 0, 128);
    case 'B':
        return qRgb(0, 0, 255);
    case 'r':
        return qRgb(255, 0, 0);
    case 'm':
        return qRgb(128, 0, 0);
    case 'c':
        return qRgb(0, 128, 128);
    case 'G':
        return qRgb(0, 128, 0);
    default:
        throw Error(QStringLiteral("Unknown glyph colour '%1'").arg(QLatin1Char(letter)));
    }
}

QImage glyph(const GlyphRows& rows)
{
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        const QByteArray row(rows[static_cast<std::size_t>(y)]);
        if (row.size() != 16)
            throw Error(QStringLiteral("Glyph row %1 is %2 pixels wide").arg(y).arg(row.size()));
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, glyphColour(row[x]));
    }
    return image;
}

QImage canvas(int width, int height, QRgb background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QPolygon polygon(std::initializer_list<QPoint> points)
{
    return QPolygon(QList<QPoint>(points));
}

QFont labelFont(int pixels, bool italic)
{
    QFont font = Sketch::serifFont(pixels);
    font.setItalic(italic);
    return font;
}

} // namespace

QImage ResourcePictures::parallelepiped()
{
    QImage image = canvas(320, 240, qRgb(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Cabinet projection: the depth b drawn up and to the right.
    const QPointF depth(60, -50);
    const QPointF a(60, 200), b(220, 200), c(220, 90), d(60, 90);
    const QPointF a2 = a + depth, b2 = b + depth, c2 = c + depth, d2 = d + depth;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 200, 240, 200));
    p.drawPolygon(QPolygonF({a, b, c, d}));
    p.setBrush(QColor(205, 225, 250, 220));
    p.drawPolygon(QPolygonF({d, c, c2, d2}));
    p.setBrush(QColor(130, 170, 225, 220));
    p.drawPolygon(QPolygonF({b, b2, c2, c}));
    // Hidden edges dashed, visible ones solid.
    p.setPen(QPen(QColor(90, 100, 120), 1.5, Qt::DashLine));
    p.drawLine(a, a2);
    p.drawLine(a2, b2);
    p.drawLine(a2, d2);
    p.setPen(QPen(QColor(20, 40, 90), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({a, b, c, d}));
    p.drawPolyline(QPolygonF({d, d2, c2, b2, b}));
    p.drawLine(c, c2);
    p.setPen(QColor(160, 20, 20));
    p.setFont(labelFont(22, true));
    p.drawText(QPointF(134, 226), QStringLiteral("a"));
    p.drawText(QPointF(258, 190), QStringLiteral("b"));
    p.drawText(QPointF(38, 152), QStringLiteral("c"));
    p.setPen(QColor(20, 20, 20));
    p.setFont(labelFont(20, false));
    p.drawText(QPointF(14, 30), QStringLiteral("V = a · b · c"));
    return image;
}

QImage ResourcePictures::cylinder()
{
    QImage image = canvas(240, 320, qRgb(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF top(40, 36, 160, 48);
    const QRectF bottom(40, 216, 160, 48);
    QLinearGradient shade(40, 0, 200, 0);
    shade.setColorAt(0.0, QColor(120, 150, 60));
    shade.setColorAt(0.4, QColor(215, 235, 150));
    shade.setColorAt(1.0, QColor(100, 125, 45));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(bottom);
    p.drawRect(QRectF(40, 60, 160, 180));
    p.setBrush(QColor(200, 225, 140));
    p.drawEllipse(top);
    // Outline: the back half of the bottom rim is hidden.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 60, 20), 2.5));
    p.drawEllipse(top);
    p.drawLine(QPointF(40, 60), QPointF(40, 240));
    p.drawLine(QPointF(200, 60), QPointF(200, 240));
    p.drawArc(bottom, 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(80, 90, 60), 1.5, Qt::DashLine));
    p.drawArc(bottom, 0, 180 * 16);
    // Radius and height.
    p.setPen(QPen(QColor(160, 20, 20), 2));
    p.drawLine(QPointF(120, 60), QPointF(200, 60));
    p.setBrush(QColor(160, 20, 20));
    p.drawEllipse(QPointF(120, 60), 3, 3);
    p.drawLine(QPointF(222, 60), QPointF(222, 240));
    p.drawPolygon(QPolygonF({QPointF(222, 60), QPointF(217, 72), QPointF(227, 72)}));
    p.drawPolygon(QPolygonF({QPointF(222, 240), QPointF(217, 228), QPointF(227, 228)}));
    p.setFont(labelFont(22, true));
    p.drawText(QPointF(152, 54), QStringLiteral("r"));
    p.drawText(QPointF(206, 160), QStringLiteral("h"));
    p.setPen(QColor(20, 20, 20));
    p.setFont(labelFont(20, false));
    p.drawText(QRectF(0, 276, 240, 30), Qt::AlignCenter, QStringLiteral("V = π · r² · h"));
    return image;
}

QImage ResourcePictures::landscape()
{
    QImage image = canvas(520, 300, qRgb(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 210);
    sky.setColorAt(0.0, QColor(70, 130, 220));
    sky.setColorAt(1.0, QColor(200, 228, 250));
    p.fillRect(QRect(0, 0, 520, 300), sky);
    // Sun with a soft glow.
    QRadialGradient glow(QPointF(440, 58), 60);
    glow.setColorAt(0.0, QColor(255, 250, 200, 220));
    glow.setColorAt(1.0, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(440, 58), 60, 60);
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(QPointF(440, 58), 26, 26);
    // Clouds, each a few overlapping puffs.
    p.setBrush(QColor(250, 250, 252));
    for (const QPointF at : {QPointF(90, 60), QPointF(260, 100), QPointF(380, 150)}) {
        p.drawEllipse(at, 34, 16);
        p.drawEllipse(at + QPointF(-26, 6), 22, 12);
        p.drawEllipse(at + QPointF(28, 5), 24, 13);
        p.drawEllipse(at + QPointF(4, -10), 20, 14);
    }
    // Far hills, the near meadow and a road running into the distance.
    QPainterPath hills(QPointF(0, 215));
    hills.cubicTo(QPointF(80, 170), QPointF(150, 180), QPointF(220, 200));
    hills.cubicTo(QPointF(300, 175), QPointF(380, 165), QPointF(520, 205));
    hills.lineTo(520, 300);
    hills.lineTo(0, 300);
    p.setBrush(QColor(110, 160, 120));
    p.drawPath(hills);
    QPainterPath meadow(QPointF(0, 235));
    meadow.cubicTo(QPointF(140, 215), QPointF(340, 225), QPointF(520, 228));
    meadow.lineTo(520, 300);
    meadow.lineTo(0, 300);
    p.setBrush(QColor(95, 170, 70));
    p.drawPath(meadow);
    p.setBrush(QColor(150, 140, 120));
    p.drawPolygon(QPolygonF({QPointF(236, 222), QPointF(248, 222), QPointF(330, 300), QPointF(250, 300)}));
    // A village on the hill and trees in the meadow.
    const struct {
        double x, y, width;
        QColor wall, roof;
    } houses[] = {{60, 196, 34, QColor(240, 220, 180), QColor(170, 50, 40)},
                  {110, 200, 28, QColor(230, 230, 235), QColor(90, 90, 140)},
                  {380, 186, 36, QColor(245, 210, 150), QColor(150, 60, 30)}};
    for (const auto& house : houses) {
        const double height = house.width * 0.7;
        p.setBrush(house.wall);
        p.setPen(QPen(QColor(60, 50, 40), 1));
        p.drawRect(QRectF(house.x, house.y - height, house.width, height));
        p.setBrush(house.roof);
        p.drawPolygon(QPolygonF({QPointF(house.x - 4, house.y - height),
                                 QPointF(house.x + house.width / 2, house.y - height - 16),
                                 QPointF(house.x + house.width + 4, house.y - height)}));
        p.setBrush(QColor(120, 180, 230));
        p.drawRect(QRectF(house.x + house.width / 2 - 5, house.y - height + 6, 10, 8));
    }
    for (const QPointF at : {QPointF(30, 250), QPointF(170, 262), QPointF(420, 256), QPointF(480, 272)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 70, 30));
        p.drawRect(QRectF(at.x() - 3, at.y() - 6, 6, 22));
        p.setBrush(QColor(40, 120, 40));
        p.drawEllipse(at + QPointF(0, -22), 16, 20);
        p.setBrush(QColor(60, 145, 55));
        p.drawEllipse(at + QPointF(-5, -28), 8, 9);
    }
    return image;
}

QImage ResourcePictures::airplane()
{
    QImage image = canvas(128, 56, kSpriteBackground);
    QPainter p(&image);
    const QColor outline(50, 50, 60);
    p.setPen(outline);
    // Far wing, tail fin and stabiliser behind the fuselage.
    p.setBrush(QColor(140, 140, 155));
    p.drawPolygon(polygon({{56, 18}, {76, 18}, {66, 6}, {58, 6}}));
    p.setBrush(QColor(200, 30, 30));
    p.drawPolygon(polygon({{8, 22}, {3, 3}, {17, 3}, {34, 19}}));
    p.setBrush(QColor(190, 190, 200));
    p.drawPolygon(polygon({{4, 28}, {28, 28}, {24, 33}, {2, 33}}));
    p.drawPolygon(polygon({{8, 20}, {20, 17}, {96, 17}, {112, 21}, {124, 29}, {112, 37}, {20, 37}, {8, 32}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRect(20, 30, 92, 3));
    p.setBrush(QColor(40, 80, 170));
    for (int x = 40; x <= 96; x += 8)
        p.drawRect(QRect(x, 22, 4, 4));
    p.setBrush(QColor(20, 30, 80));
    p.drawPolygon(polygon({{106, 21}, {114, 22}, {119, 27}, {107, 27}}));
    // Near wing with its engine.
    p.setPen(outline);
    p.setBrush(QColor(160, 160, 175));
    p.drawPolygon(polygon({{50, 31}, {80, 31}, {68, 53}, {54, 53}}));
    p.setBrush(QColor(110, 110, 125));
    p.drawRect(QRect(58, 40, 16, 6));
    return image;
}

QImage ResourcePictures::airplaneIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Only the 16 standard colours, so the 4-bit icon loses nothing.
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(128, 128, 128));
    p.drawPolygon(polygon({{13, 12}, {18, 12}, {16, 6}, {14, 6}}));
    p.setBrush(QColor(255, 0, 0));
    p.drawPolygon(polygon({{3, 12}, {1, 3}, {6, 3}, {10, 12}}));
    p.setBrush(QColor(192, 192, 192));
    p.drawPolygon(polygon({{2, 12}, {25, 12}, {30, 16}, {25, 19}, {2, 19}}));
    p.setBrush(QColor(128, 128, 128));
    p.drawPolygon(polygon({{11, 16}, {19, 16}, {15, 28}, {11, 28}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    for (int x = 8; x <= 22; x += 3)
        p.drawRect(QRect(x, 14, 2, 1));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRect(25, 13, 2, 2));
    return image;
}

QImage ResourcePictures::eraser()
{
    return glyph(kGlyphs[kEraserGlyph]);
}

QImage ResourcePictures::button(int number)
{
    if (number < 1 || number > kButtonCount)
        throw Error(QStringLiteral("There is no tool-bar glyph %1").arg(number));
    return glyph(kGlyphs[static_cast<std::size_t>(number - 1)]);
}

QImage ResourcePictures::butterfly(int frame)
{
    if (frame < 1 || frame > kAnimationFrames)
        throw Error(QStringLiteral("There is no animation frame %1").arg(frame));
    const double phase = 2.0 * std::numbers::pi * (frame - 1) / kAnimationFrames;
    // How far the wings are open, seen from above: fully at the first frame, nearly closed half way.
    const double open = 0.15 + 0.85 * (0.5 + 0.5 * std::cos(phase));
    const int bob = static_cast<int>(std::lround(2.0 * std::sin(phase)));

    QImage image = canvas(72, 64, kSpriteBackground);
    QPainter p(&image);
    const QPoint root(36, 26 + bob);
    const auto wing = [&](std::initializer_list<QPointF> points, int side) {
        QPolygon out;
        for (const QPointF& point : points)
            out << root + QPoint(static_cast<int>(std::lround(side * point.x() * open)), static_cast<int>(point.y()));
        return out;
    };
    const QColor edge(25, 20, 15);
    const QColor spots(250, 245, 230);
    for (const int side : {-1, 1}) {
        p.setPen(QPen(edge, 2));
        p.setBrush(QColor(235, 130, 20));
        p.drawPolygon(wing({{2, -2}, {14, -16}, {28, -18}, {32, -10}, {26, 2}, {4, 6}}, side));
        p.setBrush(QColor(245, 165, 40));
        p.drawPolygon(wing({{2, 4}, {22, 6}, {24, 18}, {14, 26}, {4, 16}}, side));
        p.setPen(QPen(edge, 1));
        p.drawLine(wing({{4, 0}, {26, -12}}, side)[0], wing({{4, 0}, {26, -12}}, side)[1]);
        p.drawLine(wing({{4, 6}, {18, 20}}, side)[0], wing({{4, 6}, {18, 20}}, side)[1]);
        if (open > 0.35) {
            p.setPen(Qt::NoPen);
            p.setBrush(spots);
            for (const QPointF spot : {QPointF(27, -12), QPointF(22, -15), QPointF(20, 14)}) {
                const QPoint at = wing({spot}, side)[0];
                p.drawRect(QRect(at.x() - 1, at.y() - 1, 3, 3));
            }
        }
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(70, 45, 25));
    p.drawEllipse(QRect(root.x() - 3, root.y() - 10, 6, 32));
    p.drawEllipse(QRect(root.x() - 4, root.y() - 16, 8, 8));
    p.drawLine(root + QPoint(-2, -15), root + QPoint(-8, -24));
    p.drawLine(root + QPoint(2, -15), root + QPoint(8, -24));
    p.drawRect(QRect(root.x() - 9, root.y() - 25, 2, 2));
    p.drawRect(QRect(root.x() + 7, root.y() - 25, 2, 2));
    return image;
}

QImage ResourcePictures::coolFrame(int frame)
{
    // The word COOL shimmering through the colours of the rainbow over a bouncing equaliser.
    constexpr int kFrames = kCoolFrames;
    const QSize kSize(160, 120);
    const QFont font = Sketch::uiFont(44, true);
    const double phase = 2.0 * std::numbers::pi * frame / kFrames;
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 51));
    QPainter p(&image);
    // Equaliser: twelve bars of lit blocks, green at the bottom, then yellow, then red.
    for (int bar = 0; bar < 12; ++bar) {
        const double level =
            0.55 + 0.25 * std::sin(phase * (1 + bar % 3) + bar * 1.3) + 0.2 * std::sin(phase * 2 + bar * 0.7);
        const int blocks = std::clamp(static_cast<int>(level * 10), 1, 10);
        for (int block = 0; block < blocks; ++block) {
            const QRgb colour = block < 6 ? qRgb(0, 204, 51) : (block < 8 ? qRgb(255, 204, 0) : qRgb(255, 51, 0));
            p.fillRect(QRect(8 + bar * 12, 112 - block * 5, 10, 4), QColor::fromRgb(colour));
        }
    }
    // The word, its colours running along the letters.
    QPainterPath word;
    word.addText(QPointF(22, 52), font, QStringLiteral("COOL"));
    QLinearGradient rainbow(0, 0, 160, 0);
    for (int stop = 0; stop <= 6; ++stop) {
        const double hue = std::fmod(stop / 6.0 + static_cast<double>(frame) / kFrames, 1.0);
        rainbow.setColorAt(stop / 6.0, QColor::fromHsvF(static_cast<float>(hue), 1.0F, 1.0F));
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(rainbow);
    p.drawPath(word);
    // A star that sweeps across, once a loop.
    const QPointF star(10 + 140.0 * frame / kFrames, 12);
    p.setPen(QPen(QColor(255, 255, 204), 1));
    p.drawLine(star - QPointF(4, 0), star + QPointF(4, 0));
    p.drawLine(star - QPointF(0, 4), star + QPointF(0, 4));
    return image;
}
