// SPDX-License-Identifier: MIT
#include "content/ContentPath.h"
#include "controls/Colors.h"
#include "platform/Error.h"
#include "platform/FileReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestContentPath final : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_previous = QDir::currentPath();
        QVERIFY(m_dir.isValid());
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("doc/Upr/upr2/picture"));
        root.mkpath(QStringLiteral("sound"));
        touch(QStringLiteral("doc/Upr/upr2/picture/pic101.JPG"));
        touch(QStringLiteral("doc/Upr/upr2/picture/pic102.jpg"));
        touch(QStringLiteral("sound/Ding.wav"));
        touch(QStringLiteral("sound/ding.WAV"));
        QDir::setCurrent(m_dir.path());
    }
    void cleanup() { QDir::setCurrent(m_previous); }

    void resolvesWithoutRegardToCaseAndSeparator_data()
    {
        QTest::addColumn<QString>("contentPath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backslashes, case differs") << "doc\\upr\\upr2\\picture\\pic101.jpg"
                                                   << "doc/Upr/upr2/picture/pic101.JPG";
        QTest::newRow("exact spelling") << "doc\\Upr\\upr2\\picture\\pic102.jpg" << "doc/Upr/upr2/picture/pic102.jpg";
        QTest::newRow("forward slashes") << "sound/Ding.wav" << "sound/Ding.wav";
        QTest::newRow("exact match wins over a case variant") << "sound/ding.WAV" << "sound/ding.WAV";
        QTest::newRow("mixed separators") << "doc/UPR\\upr2/PICTURE\\PIC102.JPG" << "doc/Upr/upr2/picture/pic102.jpg";
    }
    void resolvesWithoutRegardToCaseAndSeparator()
    {
        QFETCH(QString, contentPath);
        QFETCH(QString, expected);
        QCOMPARE(ContentPath::resolve(contentPath), QDir(m_dir.path()).filePath(expected));
    }

    void missingFileReportsFullPathAndReason()
    {
        const QString missing = QStringLiteral("doc\\topic\\sreda\\srd02.rtf");
        const QString full = QDir(m_dir.path()).filePath(QStringLiteral("doc/topic/sreda/srd02.rtf"));
        QCOMPARE(ContentPath::fullPath(missing), full);
        QCOMPARE(ContentPath::resolve(missing), full);
        try {
            readWholeFile(ContentPath::resolve(missing));
            QFAIL("a missing file must not read");
        } catch (const Error& e) {
            QCOMPARE(e.message(), QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(full));
        }
    }

    void extensionAsWritten()
    {
        QCOMPARE(ContentPath::extension(QStringLiteral("doc\\upr\\upr4\\picture\\pic101.BMP")), QStringLiteral("BMP"));
        QCOMPARE(ContentPath::extension(QStringLiteral("a.b\\noext")), QString());
    }

    void darkenColour_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<int>("percent");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("footer") << quint32(128) << 25 << quint32(96);
        QTest::newRow("workspace title") << quint32(128) << 15 << quint32(109);
        QTest::newRow("halves round away from zero") << quint32(0x00FFFFFF) << 50 << quint32(0x007F7F7F);
        QTest::newRow("each channel") << quint32(0x00C86432) << 10 << quint32(0x00B45A2D);
        QTest::newRow("system colour first becomes RGB") << Colors::ScrollBar << 0 << quint32(0x00C8D0D4);
        QTest::newRow("nothing") << quint32(0x00123456) << 0 << quint32(0x00123456);
    }
    void darkenColour()
    {
        QFETCH(quint32, colour);
        QFETCH(int, percent);
        QFETCH(quint32, expected);
        QCOMPARE(Colors::darken(colour, percent), expected);
    }

private:
    void touch(const QString& relative)
    {
        QFile f(QDir(m_dir.path()).filePath(relative));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(relative.toUtf8());
    }

    QTemporaryDir m_dir;
    QString m_previous;
};

QTEST_GUILESS_MAIN(TestContentPath)
#include "tst_contentpath.moc"
