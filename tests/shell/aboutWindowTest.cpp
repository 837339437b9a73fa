#include "QuillmarkVersion.h"
#include "shell/ShellTestSupport.h"
#include "shell/frmAbout.h"
#include "support/ClippedCaptions.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace quillmark;
using quillmark::test::WhenModalOpens;

namespace {

constexpr std::uint32_t Machine = RegistryRoot::HKEY_LOCAL_MACHINE;
const QString MsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

RegistryValue Text(const QByteArray& text) {
    return {RegistryType::REG_SZ, text + '\0'};
}

// A program that leaves a mark when started.
QString MakeMarkingProgram(const QString& path, const QString& mark) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write("#!/bin/sh\ntouch '" + mark.toLocal8Bit() + "'\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<RegistryStore> store_;

    // Runs StartSysInfo and returns the message it showed, if any.
    QString SysInfoMessage(frmAbout& about) {
        QString message;
        const QPointer<QTimer> wait = WhenModalOpens([&](QWidget& box) {
            if (auto* messageBox = qobject_cast<QMessageBox*>(&box)) {
                message = messageBox->windowTitle() + '|' + messageBox->text();
                QCOMPARE(messageBox->icon(), QMessageBox::NoIcon);
                QCOMPARE(messageBox->buttons().size(), 1);
            }
            box.close();
        });
        about.StartSysInfo();
        delete wait.data(); // no message box came
        return message;
    }

private slots:
    void init() {
        store_ = std::make_unique<RegistryStore>(folder_.filePath("registry"));
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.filePath("registry"));
    }

    void captionsFitTheirControls() {
        const test::DialogFontInUse font;
        frmAbout about(nullptr, *store_);
        about.show();
        const QStringList clipped = test::ClippedCaptions(about);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
    }

    void versionLineHasItsFixedDigits() {
        QCOMPARE(VersionLine(4, 1, 193), QStringLiteral("Version 4.01.0193"));
        QCOMPARE(VersionLine(12, 10, 12345), QStringLiteral("Version 12.10.12345"));
        frmAbout about(nullptr, *store_);
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(),
                 VersionLine(version::Major, version::Minor, version::Revision));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quillmark"));
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    void getKeyValueReadsTextNumbersAndRefusesTheRest() {
        QVERIFY(store_->CreateKey(Machine, "Software\\Test"));
        QVERIFY(store_->SetValue(Machine, "Software\\Test", "Text", Text("C:\\Tools")));
        QVERIFY(store_->SetValue(Machine, "Software\\Test", "Number",
                                 {RegistryType::REG_DWORD, QByteArray("\xfe\xff\xff\xff", 4)}));
        QVERIFY(store_->SetValue(Machine, "Software\\Test", "Binary",
                                 {RegistryType::REG_BINARY, QByteArray("\x01\x02", 2)}));
        QVERIFY(store_->SetValue(Machine, "Software\\Test", "Long", Text(QByteArray(1024, 'x'))));
        QVERIFY(store_->SetValue(Machine, "Software\\Test", "Fits", Text(QByteArray(1023, 'y'))));
        QVERIFY(store_->SetValue(Machine, "Software\\Test", "NoData", {RegistryType::REG_SZ, {}}));

        frmAbout about(nullptr, *store_);
        std::uint32_t root = Machine;
        QString value = "before";
        QVERIFY(about.GetKeyValue(root, "Software\\Test", "Text", value));
        QCOMPARE(value, QStringLiteral("C:\\Tools"));
        QVERIFY(about.GetKeyValue(root, "Software\\Test", "Number", value));
        QCOMPARE(value, QStringLiteral("-2"));
        value = "before";
        QVERIFY(about.GetKeyValue(root, "Software\\Test", "Binary", value));
        QCOMPARE(value, QStringLiteral("before"));
        QVERIFY(about.GetKeyValue(root, "Software\\Test", "Fits", value));
        QCOMPARE(value, QString(1023, 'y'));

        // Failures leave the value empty: missing value or key, over 1024 bytes, no data.
        for (const char* name : {"Missing", "Long", "NoData"}) {
            value = "before";
            QVERIFY2(!about.GetKeyValue(root, "Software\\Test", name, value), name);
            QVERIFY2(value.isEmpty(), name);
        }
        value = "before";
        QVERIFY(!about.GetKeyValue(root, "Software\\Absent", "Text", value));
        QVERIFY(value.isEmpty());
    }

    void systemInfoUnavailableWithoutARegistryEntry() {
        frmAbout about(nullptr, *store_);
        QCOMPARE(SysInfoMessage(about),
                 QStringLiteral("Quillmark|System Information Is Unavailable At This Time"));
    }

    void systemInfoStartsTheProgramOfTheFirstLocation() {
        const QString mark = folder_.filePath("started-1");
        const QString program = MakeMarkingProgram(folder_.filePath("sysinfo.sh"), mark);
        QVERIFY(store_->CreateKey(Machine, MsInfoKey));
        QVERIFY(store_->SetValue(Machine, MsInfoKey, "PATH", Text(program.toUtf8())));
        frmAbout about(nullptr, *store_);
        QCOMPARE(SysInfoMessage(about), QString());
        QTRY_VERIFY(QFile::exists(mark));

        // The same entry naming a file that is gone: the message instead.
        QFile::remove(program);
        QCOMPARE(SysInfoMessage(about),
                 QStringLiteral("Quillmark|System Information Is Unavailable At This Time"));
    }

    void systemInfoLooksInTheFolderOfTheSecondLocation() {
        const QString programFolder = folder_.filePath("msinfo");
        QDir().mkpath(programFolder);
        QVERIFY(store_->CreateKey(Machine, LocationKey));
        QVERIFY(store_->SetValue(Machine, LocationKey, "MSINFO", Text(programFolder.toUtf8())));
        frmAbout about(nullptr, *store_);
        QCOMPARE(SysInfoMessage(about),
                 QStringLiteral("Quillmark|System Information Is Unavailable At This Time"));

        const QString mark = folder_.filePath("started-2");
        MakeMarkingProgram(QDir(programFolder).filePath("MSINFO32.EXE"), mark);
        QCOMPARE(SysInfoMessage(about), QString());
        QTRY_VERIFY(QFile::exists(mark));
    }

    void enterAndEscapeHideTheWindowEnterOnSystemInfoPressesIt() {
        frmAbout about(nullptr, *store_);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(QApplication::focusWidget(), about.findChild<QPushButton*>("cmdOK"));
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(!about.isVisible());
        }
        QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(),
                 QStringLiteral("&System Info..."));

        // Tabbed to, "System Info..." takes Enter itself, and the window stays.
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.findChild<QPushButton*>("cmdSysInfo"));
        QString message;
        const QPointer<QTimer> wait = WhenModalOpens([&](QWidget& box) {
            if (auto* messageBox = qobject_cast<QMessageBox*>(&box)) {
                message = messageBox->text();
            }
            box.close();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        delete wait.data();
        QCOMPARE(message, QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(about.isVisible());
    }
};

QUILLMARK_WINDOW_TEST_MAIN(AboutWindowTest)
#include "aboutWindowTest.moc"
