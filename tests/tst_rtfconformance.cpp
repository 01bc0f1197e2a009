// SPDX-License-Identifier: MIT
// Conformance: the text our reader finds in public RTF documents against the text another renderer made of them
// (the rtf-js corpus: <case>/source.rtf with <case>/expected.html). Layout and styling differ between renderers,
// so the check is on the characters shown, whitespace aside.
#include "richtext/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

namespace {

const QString CorpusDir = QStringLiteral(VEDARIUM_CORPORA_DIR "/rtf-js");

QString withoutSpaces(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

// The characters an HTML page shows: metafile drawings (inline SVG) and tags left out, entities decoded.
QString htmlText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<svg.*?</svg>"), QRegularExpression::DotMatchesEverythingOption));
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct KnownDifference {
    const char* testCase;
    const char* theirs; // what the other renderer shows (empty: nothing)
    const char* ours;   // what we show in its place (empty: nothing)
};

// Deliberate differences. Hidden text (\v) stays hidden here, as on Windows. Field results (here a table of
// contents that could not be built) are shown as the file stores them, as Windows does. A bullet in the Symbol
// font is the bullet that font draws, not the Latin-1 middle dot of the same byte.
constexpr KnownDifference KnownDifferences[] = {
    {"sample", "hidden", ""},
    {"sample", "\u00B7", "\u2022"},
    {"wmf", "", "Error!Notableofcontentsentriesfound."},
};

} // namespace

class TestRtfConformance final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameText_data();
    void sameText();
    void cleanupTestCase();

private:
    int m_matched = 0;
    int m_total = 0;
};

void TestRtfConformance::initTestCase()
{
    if (!QDir(CorpusDir).exists())
        QSKIP(qPrintable(QStringLiteral("RTF corpus not found at %1; conformance not checked").arg(CorpusDir)));
}

void TestRtfConformance::sameText_data()
{
    QTest::addColumn<QString>("folder");
    const QStringList cases = QDir(CorpusDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : cases) {
        if (QFile::exists(CorpusDir + u'/' + name + QStringLiteral("/source.rtf")))
            QTest::newRow(qPrintable(name)) << CorpusDir + u'/' + name;
    }
}

void TestRtfConformance::sameText()
{
    QFETCH(QString, folder);
    ++m_total;
    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    RtfReader::read(readFile(folder + QStringLiteral("/source.rtf")), &doc);
    QString ours = withoutSpaces(RtfReader::documentText(doc));
    QString theirs = withoutSpaces(htmlText(QString::fromUtf8(readFile(folder + QStringLiteral("/expected.html")))));
    QVERIFY(!theirs.isEmpty() || ours.isEmpty());
    const QString name = QDir(folder).dirName();
    for (const KnownDifference& known : KnownDifferences) {
        if (name != QLatin1StringView(known.testCase))
            continue;
        const QString theirText = QString::fromUtf8(known.theirs);
        const QString ourText = QString::fromUtf8(known.ours);
        // The difference must still be there; then it is taken out of the comparison.
        if (theirText.isEmpty()) {
            QVERIFY(ours.contains(ourText) && !theirs.contains(ourText));
            ours.remove(ourText);
        } else {
            QVERIFY(theirs.contains(theirText) && !ours.contains(theirText));
            theirs.replace(theirText, ourText);
        }
    }
    if (ours != theirs) {
        qsizetype at = 0;
        while (at < ours.size() && at < theirs.size() && ours[at] == theirs[at])
            ++at;
        QFAIL(qPrintable(QStringLiteral("differs at %1:\n ours:   %2\n theirs: %3")
                             .arg(at)
                             .arg(ours.mid(std::max<qsizetype>(0, at - 20), 80))
                             .arg(theirs.mid(std::max<qsizetype>(0, at - 20), 80))));
    }
    ++m_matched;
}

void TestRtfConformance::cleanupTestCase()
{
    if (m_total > 0)
        qInfo("RTF conformance: %d of %d documents show the same text", m_matched, m_total);
}

QTEST_MAIN(TestRtfConformance)
#include "tst_rtfconformance.moc"
