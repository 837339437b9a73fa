#include "shell/FontWarmUp.h"

#include "shell/IdleProcessor.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <atomic>
#include <chrono>
#include <future>
#include <optional>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

using namespace quillmark;

namespace {

int ThisThreadsNiceValue() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
}

QFont StockFont() {
    return QFont(FontFamilyAlias::Alias());
}

} // namespace

class FontWarmUpTest : public QObject {
    Q_OBJECT

private slots:
    // The warm-up must yield to the main thread, and only its own thread may be lowered: on Linux
    // lowering "the process" by its id lowers the main thread alone.
    void configuresAtTheLowestPriorityOnItsOwnThread() {
        const int mainBefore = ThisThreadsNiceValue();
        std::promise<int> seen;
        {
            FontWarmUp fonts(
                [&seen] {
                    seen.set_value(ThisThreadsNiceValue());
                    return FontFamilyAlias();
                },
                true);
        }
        QCOMPARE(seen.get_future().get(), 19);
        QCOMPARE(ThisThreadsNiceValue(), mainBefore);
    }

    // On a busy machine the lowered thread may not run for a long time; the window must go on
    // without it rather than wait, and take the looked-up family once it is there.
    void neverWaitsForTheConfigurationAndUsesItOnceThere() {
        const FontFamilyAlias alias = FontFamilyAlias::ResolveStockFamily();
        QVERIFY(!alias.Family().isEmpty());
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        FontWarmUp fonts(
            [released, alias] {
                released.wait();
                return alias;
            },
            true);
        QCOMPARE(fonts.WithFamilyResolved(StockFont()).family(), FontFamilyAlias::Alias());

        release.set_value();
        QDeadlineTimer deadline(10000);
        while (fonts.WithFamilyResolved(StockFont()).family() != alias.Family() &&
               !deadline.hasExpired()) {
            QTest::qWait(1);
        }
        QCOMPARE(fonts.WithFamilyResolved(StockFont()).family(), alias.Family());
    }

    // At the normal priority the lookup is waited for, not done a second time.
    void waitsForTheConfigurationAtTheNormalPriority() {
        const FontFamilyAlias alias = FontFamilyAlias::ResolveStockFamily();
        FontWarmUp fonts(
            [alias] {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                return alias;
            },
            false);
        QCOMPARE(fonts.WithFamilyResolved(StockFont()).family(), alias.Family());
    }

    // Filling the database beside a configuration still loading would load it a second time: the
    // fill starts only once the configuration is in place.
    void fillsTheDatabaseOnlyOnceTheConfigurationIsLoaded() {
        std::atomic<int> step{0};
        std::atomic<int> configuredAt{-1};
        std::atomic<int> filledAt{-1};
        FontWarmUp fonts(
            [&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                configuredAt = step++;
                return FontFamilyAlias();
            },
            true, [&] { filledAt = step++; });
        fonts.FillDatabase();
        // Not Wait(): that would let the fill go ahead.
        QDeadlineTimer deadline(10000);
        while (filledAt < 0 && !deadline.hasExpired()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        QCOMPARE(configuredAt.load(), 0);
        QCOMPARE(filledAt.load(), 1);
    }

    // At the lowest priority the configuration may not finish for a long time; once the window
    // waits for the fill, the fill goes ahead without it.
    void aWaitedForFillNoLongerWaitsForTheConfiguration() {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        std::atomic<bool> filled{false};
        std::optional<FontWarmUp> fonts;
        fonts.emplace(
            [released] {
                released.wait();
                return FontFamilyAlias();
            },
            true, [&filled] { filled = true; });
        fonts->FillDatabase();
        auto waited = std::async(std::launch::async, [&fonts] { fonts->Wait(); });
        const bool returned =
            waited.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        release.set_value(); // lets the configuration end, so nothing hangs if Wait() did
        waited.get();
        QVERIFY(returned);
        QVERIFY(filled);
        fonts.reset();
    }

    // Whether the warm-up may run at the lowest priority: only while some processor is idle, and
    // never on a reading it cannot make sense of.
    void aProcessorIsIdleOnlyWhenFewerThreadsRunThanThereAreProcessors_data() {
        QTest::addColumn<QByteArray>("loadAverage");
        QTest::addColumn<int>("processors");
        QTest::addColumn<bool>("idle");
        QTest::newRow("only this one") << QByteArray("0.41 1.28 1.47 1/234 5678\n") << 2 << true;
        QTest::newRow("all busy") << QByteArray("2.00 2.00 2.00 3/240 5700\n") << 2 << false;
        QTest::newRow("just full") << QByteArray("1.00 1.00 1.00 2/240 5700\n") << 2 << false;
        QTest::newRow("many processors") << QByteArray("5.0 5.0 5.0 6/900 1\n") << 16 << true;
        QTest::newRow("single processor") << QByteArray("0.00 0.00 0.00 1/90 7\n") << 1 << false;
        QTest::newRow("empty") << QByteArray() << 2 << false;
        QTest::newRow("averages only") << QByteArray("0.41 1.28 1.47") << 2 << false;
        QTest::newRow("no slash") << QByteArray("0.41 1.28 1.47 1") << 2 << false;
        QTest::newRow("not a number") << QByteArray("0.41 1.28 1.47 x/234 5678") << 2 << false;
        QTest::newRow("negative") << QByteArray("0.41 1.28 1.47 -1/234 5678") << 2 << false;
        QTest::newRow("beyond int")
            << QByteArray("0.41 1.28 1.47 99999999999999999999/234 5678") << 2 << false;
    }

    void aProcessorIsIdleOnlyWhenFewerThreadsRunThanThereAreProcessors() {
        QFETCH(QByteArray, loadAverage);
        QFETCH(int, processors);
        QFETCH(bool, idle);
        QCOMPARE(AProcessorIsIdle(std::string_view(loadAverage.constData(),
                                                   static_cast<size_t>(loadAverage.size())),
                                  processors),
                 idle);
    }
};

QTEST_MAIN(FontWarmUpTest)
#include "fontWarmUpTest.moc"
