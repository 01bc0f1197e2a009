// SPDX-License-Identifier: MIT
#include "ArticleConverter.h"

#include "Illustration.h"
#include "RtfWriter.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int kLargestPicture = 400;
constexpr int kSmallestPicture = 16;
// Column weights of tables: at least this many characters, at most that many.
constexpr int kNarrowestColumn = 4;
constexpr int kWidestColumn = 40;

struct Marker {
    QLatin1String text;
    QByteArray (*wrap)(const QByteArray&);
};

const Marker kMarkers[] = {
    {QLatin1String("**"), &RtfWriter::bold},
    {QLatin1String("//"), &RtfWriter::italic},
    {QLatin1String("__"), &RtfWriter::underline},
};

QStringList tableCells(const QString& line) {
    QString body = line.trimmed();
    if (body.startsWith('|'))
        body.remove(0, 1);
    if (body.endsWith('|'))
        body.chop(1);
    QStringList cells = body.split('|');
    for (QString& cell : cells)
        cell = cell.trimmed();
    return cells;
}

// "|---|:---:|" rows written out of habit carry no content.
bool isRule(const QStringList& cells) {
    static const QRegularExpression rule(QStringLiteral("^:?-{2,}:?$"));
    return std::all_of(cells.begin(), cells.end(), [](const QString& cell) { return rule.match(cell).hasMatch(); });
}

} // namespace

ArticleConverter::ArticleConverter(QString sourceName, QString title)
    : m_sourceName(std::move(sourceName))
    , m_title(std::move(title)) {}

QByteArray ArticleConverter::runs(QStringView text) {
    QByteArray out;
    qsizetype plainStart = 0;
    qsizetype at = 0;
    while (at + 1 < text.size()) {
        bool matched = false;
        for (const Marker& marker : kMarkers) {
            if (text.mid(at, 2) != marker.text)
                continue;
            // "http://" is not the start of italics.
            if (marker.text == QLatin1String("//") && at > 0 && text[at - 1] == ':')
                continue;
            const qsizetype close = text.indexOf(marker.text, at + 2);
            if (close <= at + 2)
                continue;
            out += RtfWriter::escape(text.mid(plainStart, at - plainStart));
            out += marker.wrap(runs(text.mid(at + 2, close - at - 2)));
            at = close + 2;
            plainStart = at;
            matched = true;
            break;
        }
        if (!matched)
            ++at;
    }
    out += RtfWriter::escape(text.mid(plainStart));
    return out;
}

void ArticleConverter::warn(int line, const QString& message) {
    m_warnings.append(QStringLiteral("%1:%2: %3").arg(m_sourceName).arg(line).arg(message));
}

QByteArray ArticleConverter::convert(const QString& markup) {
    static const QRegularExpression numberedItem(QStringLiteral("^(\\d+)\\.\\s+(.*)$"));
    static const QRegularExpression picture(QStringLiteral("^\\[\\[picture\\s+(\\d+)\\s+(\\d+)\\s*:\\s*(.*)\\]\\]$"));

    RtfWriter writer(m_title);
    QStringList paragraph;
    QStringList note;
    QList<QStringList> table;
    QStringList code;
    bool inCode = false;
    int codeStart = 0;

    const auto flushText = [&] {
        if (!paragraph.isEmpty())
            writer.paragraph(runs(paragraph.join(' ')));
        if (!note.isEmpty())
            writer.note(runs(note.join(' ')));
        paragraph.clear();
        note.clear();
    };
    const auto flushTable = [&] {
        if (table.isEmpty())
            return;
        qsizetype columns = 0;
        for (const QStringList& row : table)
            columns = std::max(columns, row.size());
        QList<int> widths(columns, kNarrowestColumn);
        QList<QList<QByteArray>> rows;
        for (const QStringList& row : table) {
            QList<QByteArray> cells;
            for (qsizetype c = 0; c < row.size(); ++c) {
                widths[c] = std::clamp(static_cast<int>(row[c].size()), widths[c], kWidestColumn);
                cells.append(runs(row[c]));
            }
            rows.append(cells);
        }
        writer.table(rows, widths);
        table.clear();
    };
    const auto flushAll = [&] {
        flushText();
        flushTable();
    };

    QStringList lines = markup.split('\n');
    for (int number = 1; number <= lines.size(); ++number) {
        QString line = lines[number - 1];
        if (line.endsWith('\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();

        if (inCode) {
            if (trimmed.startsWith(QLatin1String("```"))) {
                writer.code(code);
                code.clear();
                inCode = false;
            } else {
                code.append(line);
            }
            continue;
        }
        if (trimmed.startsWith(QLatin1String("```"))) {
            flushAll();
            inCode = true;
            codeStart = number;
            continue;
        }
        if (trimmed.isEmpty()) {
            flushAll();
            continue;
        }
        if (line.startsWith('|')) {
            flushText();
            const QStringList cells = tableCells(line);
            if (!isRule(cells))
                table.append(cells);
            continue;
        }
        flushTable();
        if (line.startsWith(QLatin1String("== "))) {
            flushText();
            writer.section(runs(line.mid(3).trimmed()));
        } else if (line.startsWith(QLatin1String("= "))) {
            flushText();
            writer.heading(runs(line.mid(2).trimmed()));
        } else if (const auto match = picture.match(trimmed); match.hasMatch()) {
            flushText();
            const int width = match.captured(1).toInt();
            const int height = match.captured(2).toInt();
            if (width < kSmallestPicture || height < kSmallestPicture || width > kLargestPicture ||
                height > kLargestPicture)
                warn(number, QStringLiteral("picture size %1 x %2 is outside %3..%4; clamped")
                                 .arg(width)
                                 .arg(height)
                                 .arg(kSmallestPicture)
                                 .arg(kLargestPicture));
            writer.picture(Illustration::draw(std::clamp(width, kSmallestPicture, kLargestPicture),
                                              std::clamp(height, kSmallestPicture, kLargestPicture),
                                              match.captured(3).trimmed()));
        } else if (trimmed.startsWith(QLatin1String("[[")) && trimmed.endsWith(QLatin1String("]]"))) {
            warn(number, QStringLiteral("unreadable picture line; kept as text"));
            flushText();
            paragraph.append(trimmed);
        } else if (line.startsWith(QLatin1String("* "))) {
            flushText();
            writer.bullet(runs(line.mid(2).trimmed()));
        } else if (const auto item = numberedItem.match(line); item.hasMatch()) {
            flushText();
            writer.numbered(item.captured(1), runs(item.captured(2).trimmed()));
        } else if (line.startsWith('>')) {
            if (!paragraph.isEmpty()) {
                writer.paragraph(runs(paragraph.join(' ')));
                paragraph.clear();
            }
            note.append(line.mid(1).trimmed());
        } else {
            if (!note.isEmpty()) {
                writer.note(runs(note.join(' ')));
                note.clear();
            }
            paragraph.append(trimmed);
        }
    }
    if (inCode) {
        warn(codeStart, QStringLiteral("program text block is not closed with ```"));
        writer.code(code);
    }
    flushAll();
    return writer.finish();
}

QByteArray ArticleConverter::placeholder() {
    RtfWriter writer(m_title);
    writer.heading(RtfWriter::escape(m_title));
    writer.paragraph(RtfWriter::escape(
        QStringLiteral("Статья «%1» готовится и появится в одной из следующих версий курса.").arg(m_title)));
    writer.note(
        RtfWriter::escape(QStringLiteral("Пока можно выбрать другую тему или вернуться в меню кнопкой «В МЕНЮ».")));
    return writer.finish();
}
