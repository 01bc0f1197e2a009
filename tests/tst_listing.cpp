// SPDX-License-Identifier: MIT
// The listing window: its controls, the load operation (close, load, show), the failure case and its buttons.
#include "TestSupport.h"

#include "controls/BitBtn.h"
#include "controls/RichEdit.h"
#include "windows/Ishod.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QTest>

using namespace TestSupport;

namespace {

const QString ListingPath = QStringLiteral("programs\\prog1\\upr01\\Unit1.pas");
const QString SecondListingPath = QStringLiteral("programs\\prog1\\upr02\\Unit1.pas");

QByteArray listingData()
{
    QFile file(QStringLiteral(VEDARIUM_TESTS_DIR "/data/rtf/unit1_cp1251.pas"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test listing");
    return file.readAll();
}

} // namespace

class TestListing final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowLooks();
    void controls_data();
    void controls();
    void listingFontIsFixedPitch();
    void showListingLoadsAndShows();
    void showingAgainReloads();
    void missingListingStaysClosedAndKeepsText();
    void copyButtonCopiesSelection();
    void copyButtonWithoutSelection();
    void closeButtonCloses();

private:
    std::unique_ptr<ContentCopy> m_content;
    std::unique_ptr<AppFixture> m_fixture;
};

void TestListing::init()
{
    m_content = std::make_unique<ContentCopy>();
    QVERIFY(QDir(m_content->path()).mkpath(QStringLiteral("programs/prog1/upr01")));
    QVERIFY(QDir(m_content->path()).mkpath(QStringLiteral("programs/prog1/upr02")));
    m_content->write(QStringLiteral("programs/prog1/upr01/Unit1.pas"), listingData());
    m_content->write(QStringLiteral("programs/prog1/upr02/Unit1.pas"), "unit Unit1;\r\n{ second }\r\nend.\r\n");
    m_fixture = std::make_unique<AppFixture>(m_content->path());
    m_fixture->start();
    m_fixture->dialogs.clear();
}

void TestListing::cleanup()
{
    m_fixture.reset();
    m_content.reset();
}

void TestListing::windowLooks()
{
    QVERIFY(AboutBox3);
    QCOMPARE(AboutBox3->windowTitle(), QStringLiteral("Листинг программы"));
    QVERIFY(AboutBox3->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!AboutBox3->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!AboutBox3->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!AboutBox3->isVisible());
    QCOMPARE(AboutBox3->client()->size(), QSize(456, 353));
}

void TestListing::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");

    QTest::newRow("RichEdit1") << "RichEdit1" << QRect(16, 16, 425, 297) << QString() << QString();
    QTest::newRow("BitBtn1") << "BitBtn1" << QRect(16, 320, 249, 25) << "СКОПИРОВАТЬ ВЫДЕЛЕННЫЙ ФРАГМЕНТ"
                             << "ВЫДЕЛИТЕ ФРАГМЕНТ ТЕКСТА";
    QTest::newRow("BitBtn2") << "BitBtn2" << QRect(360, 320, 81, 25) << "ЗАКРЫТЬ" << QString();
}

void TestListing::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    auto* control = find<QWidget>(AboutBox3, name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), AboutBox3->client());
    QCOMPARE(control->geometry(), place);
    if (auto* button = qobject_cast<BitBtn*>(control)) {
        QCOMPARE(button->caption(), caption);
        QCOMPARE(button->toolTip(), hint);
    } else {
        auto* view = qobject_cast<RichEdit*>(control);
        QVERIFY(view);
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
}

void TestListing::listingFontIsFixedPitch()
{
    AboutBox3->showListing(ListingPath);
    const QFontInfo info(AboutBox3->RichEdit1->font());
    QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
    QVERIFY(QFontInfo(AboutBox3->RichEdit1->document()->defaultFont()).fixedPitch());
}

void TestListing::showListingLoadsAndShows()
{
    AboutBox3->showListing(ListingPath);
    QVERIFY(AboutBox3->isVisible());
    QCOMPARE(m_fixture->app().activeWindow(), AboutBox3);
    const QString text = AboutBox3->RichEdit1->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("unit Unit1;\n\ninterface\n")));
    QVERIFY(text.contains(QStringLiteral("\tCaption := 'Первая программа';\n")));
    QVERIFY(text.contains(QStringLiteral("\n  Windows, Forms;\n")));
    QVERIFY(m_fixture->dialogs.boxes().isEmpty());
}

void TestListing::showingAgainReloads()
{
    AboutBox3->showListing(ListingPath);
    AboutBox3->showListing(SecondListingPath);
    QVERIFY(AboutBox3->isVisible());
    QCOMPARE(AboutBox3->RichEdit1->toPlainText(), QStringLiteral("unit Unit1;\n{ second }\nend.\n"));
    AboutBox3->showListing(SecondListingPath);
    QVERIFY(AboutBox3->isVisible());
    QCOMPARE(AboutBox3->RichEdit1->toPlainText(), QStringLiteral("unit Unit1;\n{ second }\nend.\n"));
}

void TestListing::missingListingStaysClosedAndKeepsText()
{
    AboutBox3->showListing(ListingPath);
    const QString before = AboutBox3->RichEdit1->toPlainText();
    m_fixture->app().dispatch([] { AboutBox3->showListing(QStringLiteral("programs\\prog4\\upr15\\Unit1.pas")); });
    QVERIFY(!AboutBox3->isVisible());
    QCOMPARE(AboutBox3->RichEdit1->toPlainText(), before);
    QCOMPARE(m_fixture->dialogs.boxes().size(), 1);
    const QString full = QDir(m_content->path()).filePath(QStringLiteral("programs/prog4/upr15/Unit1.pas"));
    QCOMPARE(m_fixture->dialogs.boxes().first().text,
             QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(full));
}

void TestListing::copyButtonCopiesSelection()
{
    AboutBox3->showListing(ListingPath);
    RichEdit* view = AboutBox3->RichEdit1;
    view->setTextCursor(view->document()->find(QStringLiteral("procedure FormCreate(Sender: TObject);")));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    AboutBox3->BitBtn1->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("procedure FormCreate(Sender: TObject);"));
    QVERIFY(AboutBox3->isVisible());
}

void TestListing::copyButtonWithoutSelection()
{
    AboutBox3->showListing(ListingPath);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    AboutBox3->BitBtn1->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(m_fixture->dialogs.boxes().isEmpty());
}

void TestListing::closeButtonCloses()
{
    AboutBox3->showListing(ListingPath);
    AboutBox3->BitBtn2->click();
    QVERIFY(!AboutBox3->isVisible());
    // Closing keeps the text for the next time the window is shown.
    QVERIFY(AboutBox3->RichEdit1->toPlainText().startsWith(QStringLiteral("unit Unit1;")));
}

QTEST_MAIN(TestListing)
#include "tst_listing.moc"
