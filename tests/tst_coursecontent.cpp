// SPDX-License-Identifier: MIT
// Every file that the article screens name exists in the generated course with its exact spelling and
// decodes: articles read as rich text with real content, figures load at least as large as their image box.
#include "TestSupport.h"

#include "controls/RichEdit.h"
#include "pictures/Picture.h"
#include "screens/ComponentCatalogue.h"
#include "screens/ExerciseTables.h"
#include "screens/InfoJazik.h"
#include "screens/InfoSprav.h"
#include "screens/InfoSreda.h"

#include <QFileInfo>
#include <QtTest>

using namespace TestSupport;

namespace {

// The path exactly as written, separators aside: no case-insensitive help here.
QString exactPath(const QString& root, const char* contentPath)
{
    return root + QLatin1Char('/') + QString::fromUtf8(contentPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

class TestCourseContent final : public QObject {
    Q_OBJECT
private slots:
    void articleScreenFiles()
    {
        AppFixture fixture;
        const QString root = generatedContent();
        int articles = 0;
        int figures = 0;
        RichEdit view;
        for (Role role : {Role::Form36, Role::Form37, Role::Form38}) {
            auto* screen = static_cast<ArticleScreen*>(fixture.app().screen(role));
            QStringList paths{QString::fromUtf8(screen->data().welcome)};
            for (const TopicRow& row : screen->data().topics) {
                if (row.hidden)
                    continue;
                const QString path = exactPath(root, row.article);
                QVERIFY2(QFileInfo::exists(path), qPrintable(path));
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray bytes = file.readAll();
                QVERIFY2(bytes.startsWith("{\\rtf1") && bytes.contains("\\ansicpg1251"), qPrintable(path));
                view.loadFromFile(QString::fromUtf8(row.article));
                const QString text = view.toPlainText();
                // Real articles, not placeholders: a heading and a few hundred words of Russian text.
                QVERIFY2(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size() >= 250,
                         qPrintable(path));
                QVERIFY2(text.contains(QChar(0x0430)), qPrintable(path)); // Cyrillic "а"
                ++articles;
            }
            auto checkPicture = [&](const char* picture, int width, int height) {
                const QString path = exactPath(root, picture);
                QVERIFY2(QFileInfo::exists(path), qPrintable(path));
                const Picture loaded = Picture::loadFromFile(path);
                QVERIFY2(loaded.size().width() >= width && loaded.size().height() >= height, qPrintable(path));
                ++figures;
            };
            for (const FigureRow& row : screen->data().figures)
                checkPicture(row.picture, row.imageWidth, row.imageHeight);
            for (const ReferenceFigure& row : screen->data().referenceFigures)
                checkPicture(row.picture, row.imageWidth, row.imageHeight);
        }
        QCOMPARE(articles, 10 + 12 + 10);
        QCOMPARE(figures, 12 + 4 + 15);
        for (const char* welcome : {"doc/topic/logo.rtf", "doc/topic/logoS.rtf", "doc/topic/komp/logo.rtf"})
            QVERIFY2(QFileInfo::exists(root + QLatin1Char('/') + QLatin1String(welcome)), welcome);
    }

    // Every article of the component library and every exercise instruction is real course text of at
    // least the length a teacher asked for, not a placeholder; every listing and program is at its exact path.
    void courseTexts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("words");
        for (const CatalogueSection& section : ComponentCatalogue::sections())
            QTest::newRow(section.intro) << QString::fromUtf8(section.intro) << 150;
        for (const CatalogueEntry& entry : ComponentCatalogue::entries())
            QTest::newRow(entry.article) << QString::fromUtf8(entry.article) << 150;
        for (const StandaloneTopic& topic : ComponentCatalogue::standaloneTopics())
            QTest::newRow(topic.article) << QString::fromUtf8(topic.article) << 150;
        for (const ExerciseTables::Exercise& exercise : ExerciseTables::exercises())
            QTest::newRow(exercise.instruction) << QString::fromUtf8(exercise.instruction) << 200;
    }
    void courseTexts()
    {
        QFETCH(QString, path);
        QFETCH(int, words);
        const QString root = generatedContent();
        const QString file = exactPath(root, path.toUtf8().constData());
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        // Content paths are read against the current directory, as the program reads them.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(root);
        RichEdit view;
        view.loadFromFile(path);
        QDir::setCurrent(previous);
        const QString text = view.toPlainText();
        const qsizetype count = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
        QVERIFY2(count >= words, qPrintable(QStringLiteral("%1 words").arg(count)));
        QVERIFY(text.contains(QChar(0x0430))); // Cyrillic "а"
    }

    void listingsAndPrograms()
    {
        const QString root = generatedContent();
        int listings = 0;
        for (const ExerciseTables::Exercise& exercise : ExerciseTables::exercises()) {
            const QFileInfo program(exactPath(root, exercise.program));
            QVERIFY2(program.isFile() && program.isExecutable(), exercise.program);
            if (!exercise.listing)
                continue;
            QFile listing(exactPath(root, exercise.listing));
            QVERIFY2(listing.open(QIODevice::ReadOnly), exercise.listing);
            const QByteArray unit = listing.readAll();
            QVERIFY2(unit.startsWith("unit ") && unit.trimmed().endsWith("end."), exercise.listing);
            ++listings;
        }
        QCOMPARE(listings, 59);
        for (const ExerciseTables::Demonstration& demonstration : ExerciseTables::demonstrations())
            QVERIFY2(QFileInfo(exactPath(root, demonstration.program)).isExecutable(), demonstration.program);
    }

    void logosAndSounds()
    {
        const QString root = generatedContent();
        for (const char* still : {"logo.bmp", "delphi.bmp", "delphi2.bmp", "delphi3.bmp", "borland.bmp"}) {
            const Picture picture = Picture::loadFromFile(root + QStringLiteral("/xmages/logo/") + QLatin1String(still));
            QVERIFY2(!picture.isNull() && !picture.isAnimated(), still);
        }
        for (const char* animated : {"disc.gif", "flag.gif", "smile.gif", "wink.gif"}) {
            const Picture picture =
                Picture::loadFromFile(root + QStringLiteral("/xmages/logo/") + QLatin1String(animated));
            QVERIFY2(picture.isAnimated(), animated);
        }
        for (const char* sound : {"ding.wav", "notify.wav", "rec.wav"})
            QVERIFY2(QFileInfo(root + QStringLiteral("/sound/") + QLatin1String(sound)).size() > 44, sound);
    }
};

QTEST_MAIN(TestCourseContent)
#include "tst_coursecontent.moc"
