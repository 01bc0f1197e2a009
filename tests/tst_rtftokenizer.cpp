// SPDX-License-Identifier: MIT
// The RTF tokenizer on its own: what each piece of syntax becomes, how files that end inside a control end, and
// how a skipped group and \bin data are stepped over.
#include "richtext/RtfTokenizer.h"

#include <QTest>

namespace {

// The tokens of data, written one per item: "{", "}", "\b1" (a word with its parameter), "\b" (none),
// "\sym~", "'e9" (a hex byte), "T(text)".
QString tokensOf(const QByteArray& data)
{
    RtfTokenizer tokens(data);
    QStringList out;
    for (;;) {
        const RtfToken token = tokens.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            return out.join(QLatin1Char(' '));
        case RtfToken::Kind::GroupStart:
            out << QStringLiteral("{");
            break;
        case RtfToken::Kind::GroupEnd:
            out << QStringLiteral("}");
            break;
        case RtfToken::Kind::Word:
            out << QLatin1Char('\\') + QString::fromLatin1(token.bytes) +
                       (token.hasParameter ? QString::number(token.value) : QString());
            break;
        case RtfToken::Kind::Symbol:
            out << QStringLiteral("\\sym") + QLatin1Char(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            out << QStringLiteral("'%1").arg(token.value, 2, 16, QLatin1Char('0'));
            break;
        case RtfToken::Kind::Text:
            out << QStringLiteral("T(%1)").arg(QString::fromLatin1(token.bytes));
            break;
        }
    }
}

} // namespace

class TestRtfTokenizer final : public QObject {
    Q_OBJECT
private slots:
    void tokens_data();
    void tokens();
    void skipGroup_data();
    void skipGroup();
    void binaryStopsAtTheEnd();
};

void TestRtfTokenizer::tokens_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("groups, words, text") << QByteArray("{\\rtf1\\ansi abc}")
                                         << QStringLiteral("{ \\rtf1 \\ansi T(abc) }");
    QTest::newRow("the space after a word is its delimiter")
        << QByteArray("\\b  x\\b0 y") << QStringLiteral("\\b T( x) \\b0 T(y)");
    QTest::newRow("negative parameter") << QByteArray("\\fi-360\\li0") << QStringLiteral("\\fi-360 \\li0");
    QTest::newRow("minus without digits stays text") << QByteArray("\\f-x") << QStringLiteral("\\f T(-x)");
    QTest::newRow("parameter clamped to int")
        << QByteArray("\\bin99999999999999999999 \\u-99999999999") << QStringLiteral("\\bin2147483647 \\u-2147483647");
    QTest::newRow("word cut at 32 letters")
        << QByteArray("\\" + QByteArray(40, 'a') + "1 x") << QStringLiteral("\\%1 T(x)").arg(QString(32, u'a') + "1");
    QTest::newRow("symbols") << QByteArray("\\~\\*\\{\\\\") << QStringLiteral("\\sym~ \\sym* \\sym{ \\sym\\");
    QTest::newRow("hex bytes either case") << QByteArray("\\'e9\\'C0x") << QStringLiteral("'e9 'c0 T(x)");
    QTest::newRow("broken hex escape dropped") << QByteArray("a\\'zzb") << QStringLiteral("T(a) T(zzb)");
    QTest::newRow("line ends are no text") << QByteArray("ab\r\ncd\n") << QStringLiteral("T(ab) T(cd)");
    QTest::newRow("ends after a backslash") << QByteArray("a\\") << QStringLiteral("T(a)");
    QTest::newRow("ends inside a hex escape") << QByteArray("a\\'4") << QStringLiteral("T(a)");
    QTest::newRow("ends inside a negative parameter") << QByteArray("\\b\\li-") << QStringLiteral("\\b");
}

void TestRtfTokenizer::tokens()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(tokensOf(data), expected);
}

void TestRtfTokenizer::skipGroup_data()
{
    // Each input is the inside of a group that has just been opened; after the skip, what is left is read.
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("rest");
    QTest::newRow("nested groups") << QByteArray("a{b{c}}d}e") << true << QStringLiteral("} T(e)");
    QTest::newRow("escaped braces are not counted") << QByteArray("\\{\\}\\\\}e") << true << QStringLiteral("} T(e)");
    QTest::newRow("braces inside bin data") << QByteArray("\\bin3 }}{x}e") << true << QStringLiteral("} T(e)");
    QTest::newRow("bin claims more than there is") << QByteArray("\\bin999 }}") << false << QString();
    QTest::newRow("file ends inside the group") << QByteArray("{a}b") << false << QString();
}

void TestRtfTokenizer::skipGroup()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, closed);
    QFETCH(QString, rest);
    RtfTokenizer tokens(data);
    QCOMPARE(tokens.skipGroup(), closed);
    QStringList left;
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next())
        left << (token.kind == RtfToken::Kind::GroupEnd
                     ? QStringLiteral("}")
                     : QStringLiteral("T(%1)").arg(QString::fromLatin1(token.bytes)));
    QCOMPARE(left.join(QLatin1Char(' ')), rest);
}

void TestRtfTokenizer::binaryStopsAtTheEnd()
{
    const QByteArray data("\\bin2 {}xyz");
    RtfTokenizer tokens(data);
    QCOMPARE(tokens.next().value, 2);
    QCOMPARE(tokens.binary(2).toByteArray(), QByteArray("{}"));
    QCOMPARE(tokens.binary(1000).toByteArray(), QByteArray("xyz"));
    QCOMPARE(tokens.binary(5).size(), 0);
    QCOMPARE(tokens.next().kind, RtfToken::Kind::End);
}

QTEST_GUILESS_MAIN(TestRtfTokenizer)
#include "tst_rtftokenizer.moc"
