// SPDX-License-Identifier: MIT
// The values of form files as the painter reads them: colours by name, by number and as the system's colours of
// the classic Windows scheme, the library's colour constants and their order, fonts with the families that stand
// in for Windows fonts, captions as shown without their accelerators, and the pictures of binary properties and
// of image lists.
#include "FormPainter.h"

#include "FormFile.h"
#include "ResourcePictures.h"

#include <QHash>

#include <algorithm>

namespace {

// The classic Windows scheme for the system colours, by their index in the low byte.
const QColor kSystemColours[] = {{212, 208, 200}, {58, 110, 165},  {10, 36, 106},   {128, 128, 128}, {212, 208, 200},
                                 {255, 255, 255}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {255, 255, 255},
                                 {212, 208, 200}, {212, 208, 200}, {128, 128, 128}, {10, 36, 106},   {255, 255, 255},
                                 {212, 208, 200}, {128, 128, 128}, {128, 128, 128}, {0, 0, 0},       {212, 208, 200},
                                 {255, 255, 255}, {64, 64, 64},    {212, 208, 200}, {0, 0, 0},       {255, 255, 225},
                                 {181, 181, 181}, {0, 0, 128},     {166, 202, 240}, {192, 192, 192}, {49, 106, 197},
                                 {212, 208, 200}};

// The system colours by their index in the scheme, with the names the library gives them.
const char* const kSystemNames[] = {"clScrollBar",
                                    "clBackground",
                                    "clActiveCaption",
                                    "clInactiveCaption",
                                    "clMenu",
                                    "clWindow",
                                    "clWindowFrame",
                                    "clMenuText",
                                    "clWindowText",
                                    "clCaptionText",
                                    "clActiveBorder",
                                    "clInactiveBorder",
                                    "clAppWorkSpace",
                                    "clHighlight",
                                    "clHighlightText",
                                    "clBtnFace",
                                    "clBtnShadow",
                                    "clGrayText",
                                    "clBtnText",
                                    "clInactiveCaptionText",
                                    "clBtnHighlight",
                                    "cl3DDkShadow",
                                    "cl3DLight",
                                    "clInfoText",
                                    "clInfoBk",
                                    nullptr,
                                    "clHotLight",
                                    "clGradientActiveCaption",
                                    "clGradientInactiveCaption",
                                    "clMenuHighlight",
                                    "clMenuBar"};

const QHash<QString, QColor>& namedColours()
{
    static const QHash<QString, QColor> colours = {
        {"clblack", {0, 0, 0}},
        {"clmaroon", {128, 0, 0}},
        {"clgreen", {0, 128, 0}},
        {"clolive", {128, 128, 0}},
        {"clnavy", {0, 0, 128}},
        {"clpurple", {128, 0, 128}},
        {"clteal", {0, 128, 128}},
        {"clgray", {128, 128, 128}},
        {"clsilver", {192, 192, 192}},
        {"clred", {255, 0, 0}},
        {"cllime", {0, 255, 0}},
        {"clyellow", {255, 255, 0}},
        {"clblue", {0, 0, 255}},
        {"clfuchsia", {255, 0, 255}},
        {"claqua", {0, 255, 255}},
        {"clwhite", {255, 255, 255}},
        {"clltgray", {192, 192, 192}},
        {"cldkgray", {128, 128, 128}},
        {"clmoneygreen", {192, 220, 192}},
        {"clskyblue", {166, 202, 240}},
        {"clcream", {255, 251, 240}},
        {"clmedgray", {160, 160, 164}},
        {"clscrollbar", kSystemColours[0]},
        {"clbackground", kSystemColours[1]},
        {"clactivecaption", kSystemColours[2]},
        {"clinactivecaption", kSystemColours[3]},
        {"clmenu", kSystemColours[4]},
        {"clwindow", kSystemColours[5]},
        {"clwindowframe", kSystemColours[6]},
        {"clmenutext", kSystemColours[7]},
        {"clwindowtext", kSystemColours[8]},
        {"clcaptiontext", kSystemColours[9]},
        {"clactiveborder", kSystemColours[10]},
        {"clinactiveborder", kSystemColours[11]},
        {"clappworkspace", kSystemColours[12]},
        {"clhighlight", kSystemColours[13]},
        {"clhighlighttext", kSystemColours[14]},
        {"clbtnface", kSystemColours[15]},
        {"clbtnshadow", kSystemColours[16]},
        {"clgraytext", kSystemColours[17]},
        {"clbtntext", kSystemColours[18]},
        {"clinactivecaptiontext", kSystemColours[19]},
        {"clbtnhighlight", kSystemColours[20]},
        {"cl3ddkshadow", kSystemColours[21]},
        {"cl3dlight", kSystemColours[22]},
        {"clinfotext", kSystemColours[23]},
        {"clinfobk", kSystemColours[24]},
        {"clhotlight", kSystemColours[26]},
        {"clgradientactivecaption", kSystemColours[27]},
        {"clgradientinactivecaption", kSystemColours[28]},
        {"clmenuhighlight", kSystemColours[29]},
        {"clmenubar", kSystemColours[30]},
    };
    return colours;
}

QString family(const QString& name)
{
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String("courier")) || lower.contains(QLatin1String("mono")) ||
        lower.contains(QLatin1String("console")) || lower.contains(QLatin1String("fixedsys")))
        return QStringLiteral("Liberation Mono");
    if (lower.contains(QLatin1String("times")) || lower.contains(QLatin1String("serif")) ||
        lower.contains(QLatin1String("georgia")))
        return lower.contains(QLatin1String("sans")) ? QStringLiteral("Liberation Sans")
                                                     : QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

} // namespace

QColor FormPainter::colour(const QString& value, const QColor& fallback)
{
    if (value.isEmpty())
        return fallback;
    const auto named = namedColours().constFind(value.toLower());
    if (named != namedColours().constEnd())
        return *named;
    bool ok = false;
    qint64 number = 0;
    if (value.startsWith(QLatin1Char('$')))
        number = value.mid(1).toLongLong(&ok, 16);
    else
        number = value.toLongLong(&ok, 10);
    if (!ok)
        return fallback;
    const quint32 bits = static_cast<quint32>(number);
    // System colours have the top byte set; their low byte indexes the scheme.
    if (bits & 0xFF000000u) {
        const quint32 index = bits & 0xFFu;
        return index < std::size(kSystemColours) ? kSystemColours[index] : fallback;
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

std::optional<qint64> FormPainter::colourConstant(const QString& name)
{
    const QString lower = name.toLower();
    for (int i = 0; i < int(std::size(kSystemNames)); ++i)
        if (kSystemNames[i] && name.compare(QLatin1String(kSystemNames[i]), Qt::CaseInsensitive) == 0)
            return qint32(0x80000000u | quint32(i));
    if (lower == QLatin1String("clnone"))
        return 0x1FFFFFFF;
    if (lower == QLatin1String("cldefault"))
        return 0x20000000;
    const auto named = namedColours().constFind(lower);
    if (named == namedColours().constEnd())
        return std::nullopt;
    return named->red() | (named->green() << 8) | (qint64(named->blue()) << 16);
}

const QStringList& FormPainter::colourNames()
{
    // The library's order: the sixteen standard colours, four more, then the system colours by name.
    static const QStringList names = {"clBlack",
                                      "clMaroon",
                                      "clGreen",
                                      "clOlive",
                                      "clNavy",
                                      "clPurple",
                                      "clTeal",
                                      "clGray",
                                      "clSilver",
                                      "clRed",
                                      "clLime",
                                      "clYellow",
                                      "clBlue",
                                      "clFuchsia",
                                      "clAqua",
                                      "clWhite",
                                      "clMoneyGreen",
                                      "clSkyBlue",
                                      "clCream",
                                      "clMedGray",
                                      "clActiveBorder",
                                      "clActiveCaption",
                                      "clAppWorkSpace",
                                      "clBackground",
                                      "clBtnFace",
                                      "clBtnHighlight",
                                      "clBtnShadow",
                                      "clBtnText",
                                      "clCaptionText",
                                      "clDefault",
                                      "clGradientActiveCaption",
                                      "clGradientInactiveCaption",
                                      "clGrayText",
                                      "clHighlight",
                                      "clHighlightText",
                                      "clHotLight",
                                      "clInactiveBorder",
                                      "clInactiveCaption",
                                      "clInactiveCaptionText",
                                      "clInfoBk",
                                      "clInfoText",
                                      "clMenu",
                                      "clMenuBar",
                                      "clMenuHighlight",
                                      "clMenuText",
                                      "clNone",
                                      "clScrollBar",
                                      "cl3DDkShadow",
                                      "cl3DLight",
                                      "clWindow",
                                      "clWindowFrame",
                                      "clWindowText"};
    return names;
}

QImage FormPainter::listPicture(const QString& resourceFiles, int index)
{
    // The tool-bar pictures of the text editor, which its image list holds.
    if (resourceFiles.contains(QLatin1String("18 FILES BMP"), Qt::CaseInsensitive) && index >= 0 &&
        index < ResourcePictures::kButtonCount)
        return ResourcePictures::button(index + 1);
    return QImage();
}

QImage FormPainter::picture(const QString& hex, bool classNamed)
{
    if (hex.isEmpty())
        return QImage();
    QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    // Picture.Data begins with the name of the graphic's class as a short string ("\x07TBitmap").
    QByteArray className;
    if (classNamed) {
        const int length = bytes.isEmpty() ? 0 : static_cast<uchar>(bytes.at(0));
        className = bytes.mid(1, length);
        bytes = bytes.mid(1 + length);
    }
    // A bitmap's bytes follow their count.
    if (!classNamed || className == "TBitmap") {
        if (bytes.size() < 4)
            return QImage();
        const quint32 size = quint32(uchar(bytes[0])) | quint32(uchar(bytes[1])) << 8 | quint32(uchar(bytes[2])) << 16 |
                             quint32(uchar(bytes[3])) << 24;
        bytes = bytes.mid(4, size);
    }
    QImage image;
    image.loadFromData(bytes);
    return image;
}

QFont FormPainter::font(const FormObject& object, const QFont& inherited, QColor* colour)
{
    QFont result = inherited;
    const QString name = object.value(QStringLiteral("Font.Name"));
    if (!name.isEmpty())
        result.setFamily(family(name));
    if (object.has(QStringLiteral("Font.Height"))) {
        const int height = object.number(QStringLiteral("Font.Height"), -11);
        // A negative height is the character height in pixels; a positive one includes the leading.
        const int pixels = height < 0 ? -height : height * 4 / 5;
        result.setPixelSize(std::clamp(pixels, 4, 200));
    } else if (object.has(QStringLiteral("Font.Size"))) {
        result.setPixelSize(std::clamp(object.number(QStringLiteral("Font.Size"), 8) * 96 / 72, 4, 200));
    }
    if (object.lists.contains(QStringLiteral("Font.Style"))) {
        const QStringList style = object.strings(QStringLiteral("Font.Style"));
        result.setBold(style.contains(QLatin1String("fsBold")));
        result.setItalic(style.contains(QLatin1String("fsItalic")));
        result.setUnderline(style.contains(QLatin1String("fsUnderline")));
        result.setStrikeOut(style.contains(QLatin1String("fsStrikeOut")));
    }
    if (colour && object.has(QStringLiteral("Font.Color")))
        *colour = FormPainter::colour(object.value(QStringLiteral("Font.Color")), *colour);
    return result;
}

QString FormPainter::shownCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                out.append(caption[++i]);
            continue;
        }
        out.append(caption[i]);
    }
    return out;
}
