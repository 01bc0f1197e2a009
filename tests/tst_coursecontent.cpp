// SPDX-License-Identifier: MIT
// Every file that the article screens name exists in the generated course with its exact spelling and
// decodes: articles read as rich text with real content, figures load at least as large as their image box.
#include "TestSupport.h"

#include "controls/RichEdit.h"
#include "pictures/Picture.h"
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
