// SPDX-License-Identifier: MIT
// The values of the sample runner: references to components, records, numbers as a Russian Windows writes
// them, texts converted to numbers, the sample clock's dates and times, FormatFloat, arrays, and the value each
// type of variable starts with.
#include "SampleRunInternal.h"

#include <QDate>
#include <QRegularExpression>

#include <cmath>

namespace SampleRunInternal {

QVariant reference(const QString& path)
{
    return QVariant::fromValue(ObjectRef{path});
}

bool isReference(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<ObjectRef>();
}

bool isRecord(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<Record>();
}

QVariant integer(qint64 n)
{
    return QVariant::fromValue<qlonglong>(n);
}

QVariant rectRecord(const QRect& r)
{
    return QVariant::fromValue(Record{{{"left", integer(r.left())},
                                       {"top", integer(r.top())},
                                       {"right", integer(r.left() + r.width())},
                                       {"bottom", integer(r.top() + r.height())}}});
}

QVariant pointRecord(const QPoint& p)
{
    return QVariant::fromValue(Record{{{"x", integer(p.x())}, {"y", integer(p.y())}}});
}

bool isNumber(const QVariant& v)
{
    return v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double;
}

bool isFloat(const QVariant& v)
{
    return v.typeId() == QMetaType::Double;
}

QString floatText(double value, char format, int precision)
{
    QString text = QString::number(value, format, precision);
    if (format == 'g' && text.contains(QLatin1Char('e'))) {
        // Delphi writes exponents as E+015.
        text.replace(QLatin1Char('e'), QLatin1Char('E'));
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString text(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return floatText(v.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

std::optional<qint64> parseInt(const QString& value)
{
    bool ok = false;
    const QString trimmed = value.trimmed();
    const qint64 n =
        trimmed.startsWith(QLatin1Char('$')) ? trimmed.mid(1).toLongLong(&ok, 16) : trimmed.toLongLong(&ok);
    return ok && trimmed == value.trimmed() ? std::optional<qint64>(n) : std::nullopt;
}

std::optional<double> parseFloat(const QString& value)
{
    QString normal = value.trimmed();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = normal.toDouble(&ok);
    return ok && std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

const QSet<QString>& numberProperties()
{
    static const QSet<QString> names = {"left",      "top",       "width",    "height",      "position",
                                        "itemindex", "min",       "max",      "tag",         "interval",
                                        "value",     "maxlength", "selstart", "sellength",   "font.size",
                                        "pen.width", "colcount",  "rowcount", "clientwidth", "clientheight"};
    return names;
}

const QSet<QString>& flagProperties()
{
    static const QSet<QString> names = {"checked", "visible", "enabled", "readonly", "down", "stretch", "transparent"};
    return names;
}

QString timeText(double value, bool seconds)
{
    const int total = static_cast<int>(std::lround((value - std::floor(value)) * 86400.0)) % 86400;
    QString out = QStringLiteral("%1:%2").arg(total / 3600).arg((total / 60) % 60, 2, 10, QLatin1Char('0'));
    if (seconds)
        out += QStringLiteral(":%1").arg(total % 60, 2, 10, QLatin1Char('0'));
    return out;
}

QString dateText(double value)
{
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(value)));
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString formatFloat(const QString& pattern, double value)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString fraction = point < 0 ? QString() : pattern.mid(point + 1);
    const int required = static_cast<int>(fraction.count(QLatin1Char('0')));
    const int optional = static_cast<int>(fraction.count(QLatin1Char('#')));
    QString out = QString::number(std::fabs(value), 'f', required + optional);
    if (optional > 0) {
        while (out.endsWith(QLatin1Char('0')) && out.size() - out.indexOf(QLatin1Char('.')) - 1 > required)
            out.chop(1);
        if (out.endsWith(QLatin1Char('.')))
            out.chop(1);
    }
    const int integerZeros = static_cast<int>(pattern.left(point < 0 ? pattern.size() : point).count(QLatin1Char('0')));
    const qsizetype integerDigits = out.indexOf(QLatin1Char('.')) < 0 ? out.size() : out.indexOf(QLatin1Char('.'));
    if (integerDigits < integerZeros)
        out.prepend(QString(integerZeros - integerDigits, QLatin1Char('0')));
    if (value < 0 && out.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        out.prepend(QLatin1Char('-'));
    return out.replace(QLatin1Char('.'), QLatin1Char(','));
}

QVariant makeArray(qint64 low, QVariantList items)
{
    return QVariantMap{{QStringLiteral("low"), QVariant::fromValue<qlonglong>(low)}, {QStringLiteral("items"), items}};
}

bool isArray(const QVariant& v)
{
    return v.typeId() == QMetaType::QVariantMap;
}

namespace {

// array[1..N] of Integer, with bounds written as numbers or as constants of the unit.
QVariant zeroArray(const QString& type, const QHash<QString, QVariant>* constants)
{
    static const QRegularExpression shape(QStringLiteral(R"(^array\[(\w+)\.\.(\w+)(?:,(\w+)\.\.(\w+))?\]of(.+)$)"));
    const QRegularExpressionMatch match = shape.match(type);
    if (!match.hasMatch())
        return QVariant();
    // An array of two dimensions is an array of arrays: array[0..4, 0..4] is array[0..4] of array[0..4].
    if (!match.captured(3).isEmpty())
        return zeroArray(
            QStringLiteral("array[%1..%2]ofarray[%3..%4]of%5")
                .arg(match.captured(1), match.captured(2), match.captured(3), match.captured(4), match.captured(5)),
            constants);
    const auto bound = [&](const QString& text) -> std::optional<qint64> {
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (ok)
            return n;
        if (constants && constants->value(text).typeId() == QMetaType::LongLong)
            return constants->value(text).toLongLong();
        return std::nullopt;
    };
    const std::optional<qint64> low = bound(match.captured(1));
    const std::optional<qint64> high = bound(match.captured(2));
    const QVariant element = zeroOf(match.captured(5), constants);
    const qint64 inner = isArray(element) ? element.toMap().value(QStringLiteral("items")).toList().size() : 1;
    if (!low || !high || *high < *low || (*high - *low + 1) * inner > 10000 || !element.isValid())
        return QVariant();
    return makeArray(*low, QVariantList(*high - *low + 1, element));
}

} // namespace

QVariant zeroOf(const QString& written, const QHash<QString, QVariant>* constants)
{
    QString type = written;
    type.remove(QLatin1Char(' '));
    // A type of the unit: an enumeration, or another name for a type ("TWeek = array[1..7] of Integer").
    if (constants && !type.isEmpty()) {
        const QVariant declared = constants->value(QStringLiteral("type:") + type);
        if (declared == QLatin1String("enum"))
            return integer(0);
        if (declared.typeId() == QMetaType::QString && declared.toString() != type)
            return zeroOf(declared.toString(), nullptr);
    }
    // A dynamic array starts empty; SetLength gives it its elements.
    if (type.startsWith(QLatin1String("arrayof"))) {
        const QVariant element = zeroOf(type.mid(7), constants);
        return element.isValid() ? makeArray(0, {}) : QVariant();
    }
    if (type.startsWith(QLatin1String("array")))
        return zeroArray(type, constants);
    static const QSet<QString> integers = {"integer",  "longint",  "cardinal", "word",     "byte",
                                           "shortint", "smallint", "int64",    "longword", "tcolor"};
    static const QSet<QString> floats = {"real", "double", "single", "extended", "currency", "tdatetime", "real48"};
    static const QSet<QString> texts = {"string", "ansistring", "widestring", "shortstring", "char", "ansichar"};
    if (integers.contains(type))
        return QVariant::fromValue<qlonglong>(0);
    if (floats.contains(type))
        return QVariant::fromValue<double>(0.0);
    if (texts.contains(type) || type.startsWith(QLatin1String("string")))
        return QVariant::fromValue(QString());
    if (type == QLatin1String("boolean"))
        return QVariant::fromValue(false);
    if (type == QLatin1String("trect"))
        return rectRecord(QRect());
    if (type == QLatin1String("tpoint"))
        return pointRecord(QPoint());
    if (type == QLatin1String("tlogfont"))
        return QVariant::fromValue(Record{{{"lfheight", integer(0)},
                                           {"lfwidth", integer(0)},
                                           {"lfescapement", integer(0)},
                                           {"lforientation", integer(0)},
                                           {"lfweight", integer(400)}}});
    // Classes of the library (TBitmap, TCanvas, TStringGrid): a reference, nil to begin with.
    if (type.startsWith(QLatin1Char('t')) && !type.contains(QLatin1Char('(')))
        return QVariant::fromValue(ObjectRef{});
    return QVariant(); // arrays of unknown elements, records of the unit: unknown to the runner
}

} // namespace SampleRunInternal
