// SPDX-License-Identifier: MIT
// A short seeded random walk through the whole program over the sample course (the long one is the soak
// benchmark): no crash, no unexplained error box, always exactly one screen, the memory staying flat.
#include "SoakWalk.h"
#include "TestSupport.h"

#include "app/Screen.h"

#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

using namespace TestSupport;

class TestSoak final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_quiet = std::make_unique<QuietPlatformNotes>(); }
    void cleanupTestCase() { m_quiet.reset(); }

    void walk()
    {
        AppFixture fixture;
        fixture.start();
        SoakWalk::Options options;
        options.seed = 1;
        options.actions = 1000;
        options.warmUp = 400;
        options.memoryStretch = 300;
#if defined(__SANITIZE_ADDRESS__)
        // Under AddressSanitizer freed memory waits in its quarantine, so resident memory tells nothing about
        // leaks in this build; the leak checker at exit does that instead.
        options.maxGrowthKiB = std::numeric_limits<qint64>::max();
#endif
        const SoakWalk::Result result = SoakWalk::run(fixture, options);
        qInfo().noquote() << result.summary();
        QVERIFY2(result.passed, qPrintable(result.summary()));
        QCOMPARE(result.actionsRun, options.actions);
        // The walk went everywhere: steps on every screen, the picture, listing and about windows opened, the
        // exit question asked, and a save that reported its files.
        QCOMPARE(result.screens.size(), 8);
        for (const char* window : {"AboutBox", "AboutBox1", "AboutBox3"})
            QVERIFY2(result.opened.value(QLatin1String(window)) > 0, window);
        QVERIFY(result.boxes.value(QStringLiteral("confirm")) > 0);
        QVERIFY(result.boxes.value(QStringLiteral("information")) > 0);
    }

    void walkCatchesFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("error box") << "error box"
                                   << "step 21 (";
        QTest::newRow("second screen") << "second screen"
                                       << "2 screens visible";
        QTest::newRow("memory growth") << "memory growth"
                                       << "resident memory grew by";
    }

    void walkCatchesFaults()
    {
        // The walk must notice when the program breaks its rules; each fault is slipped in after step 20.
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        AppFixture fixture;
        fixture.start();
        std::vector<char> ballast;
        SoakWalk::Options options;
        options.actions = 60;
        options.memoryStretch = 10;
        options.progress = [&](int step, const QString&) {
            if (step != 20)
                return;
            if (fault == QLatin1String("error box")) {
                Application::showError(QStringLiteral("Something went wrong"));
            } else if (fault == QLatin1String("second screen")) {
                for (Window* window : fixture.app().windows()) {
                    if (window->isScreen() && window != static_cast<Window*>(fixture.app().currentScreen())) {
                        window->show();
                        break;
                    }
                }
            } else {
                ballast.assign(size_t(8) * 1024 * 1024, 1); // touched, so resident
            }
        };
        const SoakWalk::Result result = SoakWalk::run(fixture, options);
        QVERIFY(!result.passed);
        QVERIFY2(result.failure.contains(expected), qPrintable(result.failure));
        if (fault == QLatin1String("error box"))
            QVERIFY2(result.failure.endsWith(QStringLiteral("unexplained error box: Something went wrong.")),
                     qPrintable(result.failure));
        QVERIFY(!result.trail.isEmpty());
    }

private:
    std::unique_ptr<QuietPlatformNotes> m_quiet;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
