// SPDX-License-Identifier: MIT
// The windows' fonts: asked for by their Windows names, they come out as the installed face that Qt's own
// substitution would choose, at the pixel sizes the forms mean.
#include "controls/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

class TestFonts final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutions(); }

    void windowsNamesBecomeTheSubstitutedFace_data()
    {
        QTest::addColumn<QString>("windowsFamily");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::newRow("MS Sans Serif 8 pt") << "MS Sans Serif" << 11 << false;
        QTest::newRow("MS Sans Serif 8 pt bold") << "MS Sans Serif" << 11 << true;
        QTest::newRow("Arial 10 pt bold") << "Arial" << 13 << true;
        QTest::newRow("Courier New") << "Courier New" << 13 << false;
    }

    void windowsNamesBecomeTheSubstitutedFace()
    {
        QFETCH(QString, windowsFamily);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        const QFont font = Fonts::make(windowsFamily, pixels, bold);
        // The face Qt itself picks for the Windows name.
        QFont byName(windowsFamily);
        byName.setPixelSize(pixels);
        byName.setBold(bold);
        QCOMPARE(QFontInfo(font).family(), QFontInfo(byName).family());
        QCOMPARE(QFontInfo(font).pixelSize(), pixels);
        QCOMPARE(QFontInfo(font).bold(), bold);
        // Asked for by an installed name whenever one stands for it.
        if (!QFontDatabase::hasFamily(windowsFamily) && QFontDatabase::hasFamily(QFontInfo(byName).family()))
            QVERIFY2(QFontDatabase::hasFamily(font.family()), qPrintable(font.family()));
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
