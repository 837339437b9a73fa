// The golden descriptions typed into the real main window: its Copy must put on the clipboard the
// very bytes that quillmark-block writes for them.
#include "cli/InputError.h"
#include "cli/RequestReader.h"
#include "params/ParamListModel.h"
#include "params/ParamListView.h"
#include "shell/ShellTestSupport.h"
#include "shell/frmMain.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace quillmark;
using quillmark::cli::BlockDescription;

namespace {

const QDir GoldenDir(QStringLiteral(QUILLMARK_GOLDEN_DIR));

QByteArray ReadGolden(const QString& fileName) {
    QFile file(GoldenDir.filePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    return file.readAll();
}

// Why a case cannot go through the window, or empty when it can: the window has no declaration
// reader, gives no error output, and always ends lines with CR LF (an LF-only case is compared
// with its CR LF form).
QString WindowCannotRun(const QString& name, bool& lfOnly) {
    lfOnly = false;
    if (GoldenDir.exists(name + QStringLiteral(".error"))) {
        return QStringLiteral("bad input: no block to compare");
    }
    if (GoldenDir.exists(name + QStringLiteral(".decl"))) {
        return QStringLiteral("filled from a declaration, which only the command line reads");
    }
    if (GoldenDir.exists(name + QStringLiteral(".env"))) {
        return QStringLiteral("runs under a system locale of its own, read once per process");
    }
    if (GoldenDir.exists(name + QStringLiteral(".args"))) {
        const QStringList args = QString::fromUtf8(ReadGolden(name + QStringLiteral(".args")))
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (args != QStringList{QStringLiteral("--eol"), QStringLiteral("lf")}) {
            return QStringLiteral("command-line options the window has no counterpart for");
        }
        lfOnly = true;
    }
    return {};
}

// Picks one option of a group the way a click does, or, for None, leaves the group with nothing
// selected (what a description without a kind or access stands for).
void SelectOption(const QList<QRadioButton*>& group, QRadioButton* chosen) {
    if (chosen != nullptr) {
        QTest::mouseClick(chosen, Qt::LeftButton);
        QVERIFY(chosen->isChecked());
        return;
    }
    for (QRadioButton* option : group) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace

class WindowParityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmMain> window_;

    template <typename T> T* Child(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) {
            qFatal("no child %s", name);
        }
        return child;
    }
    QRadioButton* Option(const char* name) const { return Child<QRadioButton>(name); }

    // Start-up with the golden settings file as the user's own, then the description's settings
    // members on top, as if the user had chosen them in the options dialog before.
    void StartWindow(const BlockDescription& description) {
        test::WriteSettingsFile(ReadGolden(QStringLiteral("Quillmrk.ini")));
        StartupData data = ReadStartupData();
        GlobalSettings& settings = data.Settings;
        settings.Language = description.Language.value_or(settings.Language);
        settings.BeginFree = description.BeginFree.value_or(settings.BeginFree);
        settings.EndFree = description.EndFree.value_or(settings.EndFree);
        settings.PersonalName = description.DeveloperName.value_or(settings.PersonalName);

        window_ = std::make_unique<frmMain>();
        window_->SetEndApplication([] {});
        if (description.Date) {
            window_->SetClock([day = *description.Date] { return QDateTime(day, QTime(12, 0)); });
        }
        window_->Form_Load(std::move(data));
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    // Each parameter as the entry dialog's OK appends it under the current language.
    void AddParameters(const QList<CommentParameter>& parameters) {
        ParamListModel* model = window_->ParamList().ParamModel();
        const bool visualBasic = window_->Settings().Language == DevelopmentLanguage::VB;
        for (CommentParameter parameter : parameters) {
            parameter.Optional = !visualBasic             ? QString()
                                 : parameter.IsOptional() ? QStringLiteral("Yes")
                                                          : QStringLiteral("No");
            model->AppendRow(parameter);
        }
    }

    QRadioButton* KindOption(ProcedureKind kind) const {
        switch (kind) {
        case ProcedureKind::Sub:
            return Option("optSub");
        case ProcedureKind::Function:
            return Option("optFunction");
        case ProcedureKind::Property:
            return Option("optProperty");
        case ProcedureKind::General:
            return Option("optGeneral");
        case ProcedureKind::None:
            break;
        }
        return nullptr;
    }

    QRadioButton* AccessOption(AccessLevel access) const {
        switch (access) {
        case AccessLevel::Public:
            return Option("optPublic");
        case AccessLevel::Private:
            return Option("optPrivate");
        case AccessLevel::Protected:
            return Option("optProtected");
        case AccessLevel::None:
            break;
        }
        return nullptr;
    }

    // Fills the window and copies: General through the free-text dialog's OK, the other kinds
    // through the window's Copy.
    void TypeAndCopy(const BlockDescription& description) {
        SelectOption({Option("optPublic"), Option("optPrivate"), Option("optProtected")},
                     AccessOption(description.Access.value_or(AccessLevel::Public)));
        Child<QLineEdit>("txtSubName")->setText(description.Name.value_or(QString()));
        Child<QLineEdit>("txtSubPurpose")->setText(description.Purpose.value_or(QString()));
        Child<QLineEdit>("txtSubReturns")->setText(description.Returns.value_or(QString()));
        AddParameters(description.Parameters.value_or(QList<CommentParameter>{}));

        const ProcedureKind kind = description.Kind.value_or(ProcedureKind::Sub);
        if (kind != ProcedureKind::General) {
            SelectOption({Option("optSub"), Option("optFunction"), Option("optProperty"),
                          Option("optGeneral")},
                         KindOption(kind));
            window_->BuildComments();
            return;
        }
        bool confirmed = false;
        const QString text =
            description.FreeTextLines.value_or(QStringList{}).join(QLatin1Char('\n'));
        test::WhenModalOpens([&](QWidget& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmFreeComments"));
            dialog.findChild<QPlainTextEdit*>("txtComments")->setPlainText(text);
            dialog.findChild<QPushButton*>("cmdOK")->click();
            confirmed = true;
        });
        QTest::mouseClick(Option("optGeneral"), Qt::LeftButton);
        QVERIFY(confirmed);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void cleanup() { window_.reset(); }

    void copyGivesTheToolsBytes_data() {
        QTest::addColumn<QString>("name");
        const QStringList cases = GoldenDir.entryList({QStringLiteral("*.json")}, QDir::Files);
        QVERIFY(cases.size() >= 10);
        for (const QString& file : cases) {
            const QString name = QFileInfo(file).completeBaseName();
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void copyGivesTheToolsBytes() {
        QFETCH(QString, name);
        bool lfOnly = false;
        const QString skipReason = WindowCannotRun(name, lfOnly);
        if (!skipReason.isEmpty()) {
            QSKIP(qPrintable(skipReason));
        }
        BlockDescription description;
        try {
            description = cli::RequestReader::Read(ReadGolden(name + QStringLiteral(".json")));
        } catch (const cli::InputError& error) {
            QFAIL(qPrintable(error.Message()));
        }
        StartWindow(description);
        QGuiApplication::clipboard()->setText(QStringLiteral("not copied"));

        TypeAndCopy(description);
        if (QTest::currentTestFailed()) {
            return;
        }

        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied != nullptr);
        QByteArray bytes = copied->data(QStringLiteral("text/plain"));
        if (lfOnly) {
            bytes.replace("\r\n", "\n");
        }
        QCOMPARE(bytes, ReadGolden(name + QStringLiteral(".expected")));
    }
};

QUILLMARK_WINDOW_TEST_MAIN(WindowParityTest)
#include "WindowParityTest.moc"
