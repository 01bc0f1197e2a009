// SPDX-License-Identifier: MIT
// The runtime library of the sample runner: the built-in functions and constants a program calls (conversions
// between numbers and texts, string routines, arithmetic, dates and times, colours, rectangles and points,
// files of the working folder, message boxes), with Format and FormatDateTime.
#include "SampleRunInternal.h"

#include "FormPainter.h"

#include <QDate>
#include <QRegularExpression>
#include <QtMath>

#include <cmath>

namespace SampleRunInternal {

// Library functions; nullopt when the name is no function the runner knows.
std::optional<QVariant> Interpreter::function(const Segment& call)
{
    const QString& f = call.lower;
    const QList<QVariant>& a = call.arguments;
    const auto number = [&](int i) { return a.value(i).toDouble(); };
    const auto needs = [&](int count) {
        if (a.size() < count)
            fail();
        return a.size() >= count;
    };
    if (f == QLatin1String("true") || f == QLatin1String("false"))
        return QVariant(f == QLatin1String("true"));
    if (f == QLatin1String("pi"))
        return M_PI;
    // Colour constants: clRed, clBtnFace, as the numbers they are.
    if (f.startsWith(QLatin1String("cl")) && a.isEmpty())
        if (const std::optional<qint64> colour = FormPainter::colourConstant(call.name))
            return integer(*colour);
    // The names of the library's enumerations, spelled as the form files spell them.
    static const QStringList enumerations = {
        "fsBold",     "fsItalic",  "fsUnderline", "fsStrikeOut", "bsSolid",   "bsClear",   "bsHorizontal",
        "bsVertical", "bsCross",   "bsDiagCross", "psSolid",     "psDash",    "psDot",     "psDashDot",
        "psClear",    "pmCopy",    "pmNotXor",    "pmXor",       "pmNot",     "mbLeft",    "mbRight",
        "mbMiddle",   "ssShift",   "ssCtrl",      "ssAlt",       "ssLeft",    "goAnimate", "goLoop",
        "gdSelected", "gdFocused", "gdFixed",     "dupAccept",   "dupIgnore", "dupError"};
    for (const QString& name : enumerations)
        if (name.toLower() == f)
            return name;
    if (f == QLatin1String("rect") && needs(4))
        return rectRecord(fromCorners(a[0].toLongLong(), a[1].toLongLong(), a[2].toLongLong(), a[3].toLongLong()));
    if (f == QLatin1String("bounds") && needs(4))
        return rectRecord(fromCorners(a[0].toLongLong(), a[1].toLongLong(), a[0].toLongLong() + a[2].toLongLong(),
                                      a[1].toLongLong() + a[3].toLongLong()));
    if (f == QLatin1String("point") && needs(2))
        return pointRecord(QPoint(int(std::clamp<qint64>(a[0].toLongLong(), -100000, 100000)),
                                  int(std::clamp<qint64>(a[1].toLongLong(), -100000, 100000))));
    if (f == QLatin1String("ptinrect") && needs(2))
        return isRecord(a[0]) && isRecord(a[1]) && rectOf(a[0]).contains(pointOf(a[1]));
    // No key is held down while the figures are made.
    if (f == QLatin1String("getkeystate") || f == QLatin1String("getasynckeystate"))
        return integer(0);
    if (f.startsWith(QLatin1String("vk_"))) {
        static const QHash<QString, qint64> keys = {
            {"vk_back", 8},      {"vk_tab", 9},     {"vk_return", 13},  {"vk_shift", 16},  {"vk_control", 17},
            {"vk_menu", 18},     {"vk_pause", 19},  {"vk_capital", 20}, {"vk_escape", 27}, {"vk_space", 32},
            {"vk_prior", 33},    {"vk_next", 34},   {"vk_end", 35},     {"vk_home", 36},   {"vk_left", 37},
            {"vk_up", 38},       {"vk_right", 39},  {"vk_down", 40},    {"vk_insert", 45}, {"vk_delete", 46},
            {"vk_lwin", 91},     {"vk_f1", 112},    {"vk_f2", 113},     {"vk_f10", 121},   {"vk_f12", 123},
            {"vk_numlock", 144}, {"vk_scroll", 145}};
        if (keys.contains(f))
            return integer(keys.value(f));
    }
    if (f == QLatin1String("maxint"))
        return integer(2147483647);
    if (f == QLatin1String("changefileext") && needs(2)) {
        const QString path = text(a[0]);
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        return (dot > path.lastIndexOf(QLatin1Char('\\')) ? path.left(dot) : path) + text(a[1]);
    }
    if (f == QLatin1String("extractfilepath") && needs(1))
        return text(a[0]).left(text(a[0]).lastIndexOf(QLatin1Char('\\')) + 1);
    if (f == QLatin1String("extractfileext") && needs(1)) {
        const QString name = text(a[0]).section(QLatin1Char('\\'), -1);
        return name.contains(QLatin1Char('.')) ? name.mid(name.lastIndexOf(QLatin1Char('.'))) : QString();
    }
    if (f == QLatin1String("includetrailingpathdelimiter") && needs(1))
        return text(a[0]).endsWith(QLatin1Char('\\')) ? text(a[0]) : text(a[0]) + QLatin1Char('\\');
    if (f == QLatin1String("encodetime") && needs(4))
        return (number(0) * 3600 + number(1) * 60 + number(2) + number(3) / 1000) / 86400.0;
    // The sample session's program was started without parameters.
    if (f == QLatin1String("paramcount"))
        return integer(0);
    if (f == QLatin1String("paramstr"))
        return QString();
    if (f == QLatin1String("sizeof"))
        return integer(60);
    if (f == QLatin1String("createfontindirect") && needs(1))
        return a[0];
    if (f == QLatin1String("stringtocolor") && needs(1)) {
        if (const std::optional<qint64> colour = FormPainter::colourConstant(text(a[0])))
            return integer(*colour);
        if (const std::optional<qint64> n = parseInt(text(a[0])))
            return integer(*n);
        raise(QStringLiteral("'%1' is not a valid integer value").arg(text(a[0])));
        return integer(0);
    }
    if (f == QLatin1String("colortorgb") && needs(1))
        return integer(colourNumber(FormPainter::colour(text(a[0]), Qt::black)));
    if ((f == QLatin1String("getrvalue") || f == QLatin1String("getgvalue") || f == QLatin1String("getbvalue")) &&
        needs(1))
        return integer((a[0].toLongLong() >> (f == QLatin1String("getrvalue")   ? 0
                                              : f == QLatin1String("getgvalue") ? 8
                                                                                : 16)) &
                       0xFF);
    // Type casts keep the value: TTool(Tag), TColor(N), TGIFImage(Image1.Picture.Graphic).
    if (a.size() == 1 &&
        (m_globals.contains(QStringLiteral("type:") + f) || (f.startsWith(QLatin1Char('t')) && isReference(a[0])) ||
         QStringList{"integer", "longint", "byte", "word", "tcolor", "cardinal"}.contains(f)))
        return a[0];
    if (f == QLatin1String("time"))
        return kSampleTime;
    if (f == QLatin1String("date"))
        return kSampleDate;
    if (f == QLatin1String("now"))
        return kSampleDate + kSampleTime;
    if (f == QLatin1String("random")) {
        m_random = (m_random * 1103515245u + 12345u) & 0x7FFFFFFFu;
        if (a.isEmpty())
            return double(m_random) / 0x80000000u;
        const qint64 range = std::max<qint64>(1, a.value(0).toLongLong());
        return QVariant::fromValue<qlonglong>(m_random % range);
    }
    if (f == QLatin1String("inttostr") && needs(1)) {
        if (a[0].typeId() != QMetaType::LongLong)
            fail();
        return text(a[0]);
    }
    if (f == QLatin1String("floattostr") && needs(1))
        return floatText(number(0), 'g', 15);
    if (f == QLatin1String("floattostrf") && needs(4)) {
        const QString format = text(a[1]).toLower();
        return format == QLatin1String("ffgeneral") ? floatText(number(0), 'g', int(a[2].toLongLong()))
                                                    : floatText(number(0), 'f', int(a[3].toLongLong()));
    }
    if (f == QLatin1String("formatfloat") && needs(2))
        return formatFloat(text(a[0]), number(1));
    if ((f == QLatin1String("strtoint") || f == QLatin1String("strtointdef")) && needs(1)) {
        const std::optional<qint64> n = parseInt(text(a[0]));
        if (n)
            return QVariant::fromValue<qlonglong>(*n);
        if (f == QLatin1String("strtointdef") && a.size() > 1)
            return a[1];
        raise(QStringLiteral("'%1' is not a valid integer value").arg(text(a[0])));
        return QVariant::fromValue<qlonglong>(0);
    }
    if ((f == QLatin1String("strtofloat") || f == QLatin1String("strtofloatdef")) && needs(1)) {
        const std::optional<double> d = parseFloat(text(a[0]));
        if (d)
            return *d;
        if (f == QLatin1String("strtofloatdef") && a.size() > 1)
            return a[1].toDouble();
        raise(QStringLiteral("'%1' is not a valid floating point value").arg(text(a[0])));
        return 0.0;
    }
    // The sample machine's files are those of its working folder.
    if (f == QLatin1String("fileexists") && needs(1))
        return folderFile(text(a[0])).has_value();
    if (f == QLatin1String("directoryexists") && needs(1))
        return folderExists(text(a[0]));
    if (f == QLatin1String("extractfilename") && needs(1))
        return text(a[0]).section(QRegularExpression(QStringLiteral("[\\\\/]")), -1);
    if (f == QLatin1String("formatdatetime") && needs(2))
        return formatDateTime(text(a[0]), number(1));
    if (f == QLatin1String("timetostr") && needs(1))
        return timeText(number(0));
    if (f == QLatin1String("datetostr") && needs(1))
        return dateText(number(0));
    if (f == QLatin1String("datetimetostr") && needs(1))
        return dateText(number(0)) + QLatin1Char(' ') + timeText(number(0));
    if ((f == QLatin1String("high") || f == QLatin1String("low")) && needs(1) && isArray(a[0])) {
        const QVariantMap array = a[0].toMap();
        const qint64 low = array.value(QStringLiteral("low")).toLongLong();
        return QVariant::fromValue<qlonglong>(
            f == QLatin1String("low") ? low : low + array.value(QStringLiteral("items")).toList().size() - 1);
    }
    if (f == QLatin1String("length") && needs(1) && isArray(a[0]))
        return QVariant::fromValue<qlonglong>(a[0].toMap().value(QStringLiteral("items")).toList().size());
    if (f == QLatin1String("inttohex") && needs(2)) {
        // A negative number is written as the 32 bits it is: IntToHex(clBtnFace, 8) is 8000000F.
        const qint64 n = a[0].toLongLong();
        const quint64 bits = n < 0 && n >= INT32_MIN ? quint64(quint32(qint32(n))) : quint64(n);
        return QStringLiteral("%1").arg(bits, int(a[1].toLongLong()), 16, QLatin1Char('0')).toUpper();
    }
    if (f == QLatin1String("rgb") && needs(3))
        return QVariant::fromValue<qlonglong>((a[0].toLongLong() & 0xFF) | ((a[1].toLongLong() & 0xFF) << 8) |
                                              ((a[2].toLongLong() & 0xFF) << 16));
    if (f == QLatin1String("length") && needs(1))
        return QVariant::fromValue<qlonglong>(text(a[0]).size());
    if (f == QLatin1String("copy") && needs(3)) {
        const QString s = text(a[0]);
        const qint64 from = std::max<qint64>(1, a[1].toLongLong());
        return s.mid(from - 1, std::max<qint64>(0, a[2].toLongLong()));
    }
    if (f == QLatin1String("pos") && needs(2))
        return QVariant::fromValue<qlonglong>(text(a[1]).indexOf(text(a[0])) + 1);
    if ((f == QLatin1String("comparetext") || f == QLatin1String("ansicomparetext") ||
         f == QLatin1String("comparestr") || f == QLatin1String("ansicomparestr")) &&
        needs(2))
        return integer(text(a[0]).compare(text(a[1]),
                                          f.endsWith(QLatin1String("text")) ? Qt::CaseInsensitive : Qt::CaseSensitive));
    if ((f == QLatin1String("uppercase") || f == QLatin1String("ansiuppercase")) && needs(1))
        return text(a[0]).toUpper();
    if ((f == QLatin1String("lowercase") || f == QLatin1String("ansilowercase")) && needs(1))
        return text(a[0]).toLower();
    if (f == QLatin1String("trim") && needs(1))
        return text(a[0]).trimmed();
    if (f == QLatin1String("chr") && needs(1))
        return QString(QChar(char16_t(a[0].toLongLong() & 0xFFFF)));
    if (f == QLatin1String("ord") && needs(1)) {
        const QString s = text(a[0]);
        return QVariant::fromValue<qlonglong>(s.isEmpty() ? 0 : s[0].unicode());
    }
    if ((f == QLatin1String("sqr") || f == QLatin1String("abs")) && needs(1)) {
        if (a[0].typeId() == QMetaType::LongLong) {
            const qint64 x = a[0].toLongLong();
            return QVariant::fromValue<qlonglong>(f == QLatin1String("sqr") ? x * x : std::llabs(x));
        }
        return f == QLatin1String("sqr") ? number(0) * number(0) : std::fabs(number(0));
    }
    if (f == QLatin1String("sqrt") && needs(1)) {
        if (number(0) < 0) {
            raise(QStringLiteral("Invalid floating point operation"));
            return 0.0;
        }
        return std::sqrt(number(0));
    }
    // Round takes halves to the even neighbour, as the Pascal library does: Round(2.5) is 2.
    if ((f == QLatin1String("round") || f == QLatin1String("trunc")) && needs(1))
        return QVariant::fromValue<qlonglong>(f == QLatin1String("round") ? std::llrint(number(0))
                                                                          : static_cast<qint64>(number(0)));
    if (f == QLatin1String("int") && needs(1))
        return std::trunc(number(0));
    if (f == QLatin1String("frac") && needs(1))
        return number(0) - std::trunc(number(0));
    if (f == QLatin1String("power") && needs(2))
        return std::pow(number(0), number(1));
    if ((f == QLatin1String("sin") || f == QLatin1String("cos") || f == QLatin1String("exp") ||
         f == QLatin1String("ln") || f == QLatin1String("arctan")) &&
        needs(1)) {
        const double x = number(0);
        return f == QLatin1String("sin")   ? std::sin(x)
               : f == QLatin1String("cos") ? std::cos(x)
               : f == QLatin1String("exp") ? std::exp(x)
               : f == QLatin1String("ln")  ? std::log(x)
                                           : std::atan(x);
    }
    if (f == QLatin1String("odd") && needs(1))
        return (a[0].toLongLong() & 1) != 0;
    if ((f == QLatin1String("max") || f == QLatin1String("min")) && needs(2)) {
        const bool larger = a[0].toDouble() > a[1].toDouble();
        return (f == QLatin1String("max")) == larger ? a[0] : a[1];
    }
    if (f == QLatin1String("format") && needs(2))
        return format(text(a[0]), a[1].toList());
    if (f == QLatin1String("messagedlg") && needs(2)) {
        const QString type = text(a[1]).toLower();
        const struct {
            const char* type;
            const char* caption;
            SampleRun::Message::Icon icon;
        } kinds[] = {{"mterror", "Error", SampleRun::Message::Icon::Error},
                     {"mtwarning", "Warning", SampleRun::Message::Icon::Warning},
                     {"mtinformation", "Information", SampleRun::Message::Icon::Information},
                     {"mtconfirmation", "Confirm", SampleRun::Message::Icon::Question}};
        for (const auto& kind : kinds)
            if (type == QLatin1String(kind.type))
                show(QString::fromLatin1(kind.caption), text(a[0]), kind.icon);
        if (!m_message)
            show(QStringLiteral("Project1"), text(a[0]), SampleRun::Message::Icon::None);
        return QVariant::fromValue<qlonglong>(1); // mrOk
    }
    if (f == QLatin1String("messagebox") && needs(3)) {
        show(text(a[2]), text(a[1]), SampleRun::Message::Icon::Information);
        return QVariant::fromValue<qlonglong>(1);
    }
    static const QHash<QString, qint64> constants = {{"mrok", 1}, {"mrcancel", 2}, {"mryes", 6}, {"mrno", 7}};
    if (constants.contains(f))
        return QVariant::fromValue<qlonglong>(constants.value(f));
    static const QSet<QString> identifiers = {"ffgeneral", "fffixed",       "ffnumber",       "ffexponent", "mterror",
                                              "mtwarning", "mtinformation", "mtconfirmation", "mtcustom",   "mbyes",
                                              "mbno",      "mbok",          "mbcancel",       "mbabort",    "mbretry",
                                              "mbignore",  "mball",         "mbhelp",         "nil"};
    if (identifiers.contains(f))
        return call.lower;
    return std::nullopt;
}

// FormatDateTime with the Russian names of days and months.
QString Interpreter::formatDateTime(const QString& pattern, double moment)
{
    static const QStringList days = {"понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"};
    static const QStringList months = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                       "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(moment)));
    const qint64 seconds = std::llround((moment - std::floor(moment)) * 86400.0) % 86400;
    const struct {
        const char* token;
        QString value;
    } tokens[] = {{"yyyy", QString::number(date.year())},
                  {"yy", QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'))},
                  {"mmmm", months[date.month() - 1]},
                  {"mm", QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'))},
                  {"dddd", days[date.dayOfWeek() - 1]},
                  {"dd", QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'))},
                  {"d", QString::number(date.day())},
                  {"hh", QStringLiteral("%1").arg(seconds / 3600, 2, 10, QLatin1Char('0'))},
                  {"h", QString::number(seconds / 3600)},
                  {"nn", QStringLiteral("%1").arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))},
                  {"n", QString::number(seconds / 60 % 60)},
                  {"ss", QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'))},
                  {"s", QString::number(seconds % 60)}};
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        if (pattern[i] == QLatin1Char('"') || pattern[i] == QLatin1Char('\'')) {
            const qsizetype end = pattern.indexOf(pattern[i], i + 1);
            out += pattern.mid(i + 1, (end < 0 ? pattern.size() : end) - i - 1);
            i = end < 0 ? pattern.size() : end + 1;
            continue;
        }
        bool matched = false;
        for (const auto& token : tokens) {
            const QLatin1String name(token.token);
            if (pattern.mid(i, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
                out += token.value;
                i += name.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            out += pattern[i++];
    }
    return out;
}

// Format with %d, %s and %.nf, the specifiers school programs use.
QString Interpreter::format(const QString& pattern, const QVariantList& arguments)
{
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != QLatin1Char('%')) {
            out.append(pattern[i]);
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('%')) {
            out.append(QLatin1Char('%'));
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < pattern.size() && (pattern[j].isDigit() || pattern[j] == QLatin1Char('.')))
            ++j;
        if (j >= pattern.size()) {
            fail();
            return out;
        }
        const QString modifier = pattern.mid(i + 1, j - i - 1);
        const QChar type = pattern[j].toLower();
        const QVariant value = arguments.value(next++);
        const int decimals = modifier.contains(QLatin1Char('.')) ? modifier.section(QLatin1Char('.'), 1).toInt() : 2;
        if (type == QLatin1Char('d'))
            out += text(value);
        else if (type == QLatin1Char('s'))
            out += text(value);
        else if (type == QLatin1Char('f') || type == QLatin1Char('n'))
            out += floatText(value.toDouble(), 'f', decimals);
        else if (type == QLatin1Char('x'))
            out +=
                QStringLiteral("%1")
                    .arg(value.toLongLong(), modifier.contains(QLatin1Char('.')) ? decimals : 0, 16, QLatin1Char('0'))
                    .toUpper();
        else
            fail();
        i = j;
    }
    return out;
}

} // namespace SampleRunInternal
