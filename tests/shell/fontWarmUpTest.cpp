#include "shell/FontWarmUp.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <future>
#include <sys/resource.h>
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
            FontWarmUp fonts([&seen] {
                seen.set_value(ThisThreadsNiceValue());
                return FontFamilyAlias();
            });
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
        FontWarmUp fonts([released, alias] {
            released.wait();
            return alias;
        });
        QCOMPARE(fonts.WithFamilyResolved(StockFont()).family(), FontFamilyAlias::Alias());

        release.set_value();
        QDeadlineTimer deadline(10000);
        while (fonts.WithFamilyResolved(StockFont()).family() != alias.Family() &&
               !deadline.hasExpired()) {
            QTest::qWait(1);
        }
        QCOMPARE(fonts.WithFamilyResolved(StockFont()).family(), alias.Family());
    }
};

QTEST_MAIN(FontWarmUpTest)
#include "fontWarmUpTest.moc"
