#include "settings/RegIni.h"
#include "settings/SettingsLayout.h"
#include "support/IsolatedEnvironment.h"

#include <QProcess>
#include <QTest>
#include <memory>

using namespace quillmark;

// Two running copies adding types at the same moment: every entry must survive, each under a
// number of its own, and each copy's entries in the order it added them.
class TwoProcessAppendTest : public QObject {
    Q_OBJECT

private slots:
    void simultaneousAppendsKeepEveryEntry() {
        test::IsolatedEnvironment environment;
        constexpr int PerProcess = 40;
        QProcess first;
        QProcess second;
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QStringLiteral(QUILLMARK_TYPE_APPENDER),
                    {QStringLiteral("a"), QString::number(PerProcess)});
        second.start(QStringLiteral(QUILLMARK_TYPE_APPENDER),
                     {QStringLiteral("b"), QString::number(PerProcess)});
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        RegIni ini;
        ini.FileName(QString::fromLatin1(SettingsFileName));
        const QString section = QStringLiteral("Param Types VC");
        QCOMPARE(ini.GetIniString(section, QStringLiteral("Number")),
                 QString::number(2 * PerProcess));
        int nextOfFirst = 1;
        int nextOfSecond = 1;
        for (int number = 1; number <= 2 * PerProcess; ++number) {
            const QString entry = ini.GetIniString(section, QStringLiteral("Param%1").arg(number));
            if (entry == QStringLiteral("a%1").arg(nextOfFirst)) {
                ++nextOfFirst;
            } else if (entry == QStringLiteral("b%1").arg(nextOfSecond)) {
                ++nextOfSecond;
            } else {
                QFAIL(qPrintable(QStringLiteral("Param%1 holds \"%2\"").arg(number).arg(entry)));
            }
        }
        QCOMPARE(nextOfFirst, PerProcess + 1);
        QCOMPARE(nextOfSecond, PerProcess + 1);
    }
};

QTEST_GUILESS_MAIN(TwoProcessAppendTest)
#include "TwoProcessAppendTest.moc"
