#include "cli/BlockTool.h"

#include "cli/ClipboardHandOff.h"
#include "comments/CommentBlockBuilder.h"
#include "settings/ProfileLocation.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

class BlockToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(folder_.isValid());
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        QFile::remove(ProfileLocation::Resolve(u"Quillmrk.ini"_s));
    }

    BlockTool::Result Run(const QStringList& arguments, const QByteArray& standardInput = {},
                          bool terminal = false) {
        BlockTool::Environment environment;
        environment.ReadStandardInput = [this, standardInput] {
            ++stdinReads_;
            return standardInput;
        };
        environment.StandardInputIsTerminal = terminal;
        environment.Today = QDate(2024, 3, 9);
        return BlockTool::Run(arguments, environment);
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray Block(const CommentRequest& request) {
        return BuildCommentBlock(request).toUtf8();
    }

    QTemporaryDir folder_;
    int stdinReads_ = 0;
};

TEST_F(BlockToolTest, WritesTheEngineBlockForTheDescription) {
    const auto result = Run({u"--settings"_s, WriteFile(u"empty.ini"_s, {})},
                            R"({"kind": "function", "access": "Private", "name": "GetTotal",
                                "purpose": "Adds up.", "returns": "Total.", "language": "Delphi",
                                "developer": "Dev", "parameters": [
                                  {"name": "OrderID", "type": "Long", "description": "Order"},
                                  {"name": "Rate", "type": "Single", "optional": true}]})");
    CommentRequest request;
    request.Kind = ProcedureKind::Function;
    request.Access = AccessLevel::Private;
    request.Name = u"GetTotal"_s;
    request.Purpose = u"Adds up."_s;
    request.Returns = u"Total."_s;
    request.Language = DevelopmentLanguage::Delphi;
    request.DeveloperName = u"Dev"_s;
    request.Parameters = {{u"OrderID"_s, u"No"_s, u"Long"_s, u"Order"_s},
                          {u"Rate"_s, u"Yes"_s, u"Single"_s, {}}};
    request.Today = QDateTime(QDate(2024, 3, 9), QTime(12, 0));
    EXPECT_EQ(result.ExitStatus, BlockTool::Done) << result.Error.toStdString();
    EXPECT_EQ(result.Output, Block(request));

    const auto lf = Run({u"--eol"_s, u"lf"_s, u"--settings"_s, WriteFile(u"e.ini"_s, {})},
                        R"({"language": 1, "text": "x", "kind": "General"})");
    EXPECT_EQ(lf.Output,
              QByteArray("//" + QByteArray(72, '=') + "\n// x\n//" + QByteArray(72, '-') + "\n"));
}

TEST_F(BlockToolTest, TakesWhatTheJsonLeavesOutFromTheSettingsFile) {
    const QString ini = WriteFile(u"Quillmrk.ini"_s, "[General]\r\nComments Type=3\r\n"
                                                     "Personal Name=Ann\r\nBegin Free=REM\r\n"
                                                     "End Free=\r\n");
    const auto fromFile = Run({u"--settings"_s, ini, u"--eol=lf"_s}, R"({"name": "Go"})");
    ASSERT_EQ(fromFile.ExitStatus, BlockTool::Done) << fromFile.Error.toStdString();
    EXPECT_TRUE(fromFile.Output.startsWith("REM" + QByteArray(72, '=') + "\nREMPublic Sub Go\n"));
    EXPECT_TRUE(fromFile.Output.contains("09-Mar-24            Ann"));

    // JSON members win over the file.
    const auto json = Run({u"--settings"_s, ini}, R"({"language": "VB", "developer": "Bo"})");
    EXPECT_TRUE(json.Output.startsWith("'="));
    EXPECT_TRUE(json.Output.contains("Bo"));
    EXPECT_FALSE(json.Output.contains("Ann"));

    // Without --settings, the user's own Quillmrk.ini through the settings store.
    const QString userIni = ProfileLocation::Resolve(u"Quillmrk.ini"_s);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(userIni).absolutePath()));
    QFile::copy(ini, userIni);
    const auto user = Run({}, R"({"name": "Go"})");
    EXPECT_TRUE(user.Output.startsWith("REM="));
}

// A FIFO that nothing writes to reads as empty settings instead of waiting for a writer.
TEST_F(BlockToolTest, SettingsFifoWithoutAWriterReadsAsEmpty) {
    const QString fifo = folder_.filePath(u"pipe.ini"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ::alarm(60); // a read that waited would hold the whole suite: end it instead
    const auto result = Run({u"--settings"_s, fifo}, R"({"name": "Go"})");
    ::alarm(0);
    EXPECT_EQ(result.ExitStatus, BlockTool::Done) << result.Error.toStdString();
    EXPECT_TRUE(result.Output.startsWith("'=")) << result.Output.toStdString();
}

TEST_F(BlockToolTest, BadInputGivesStatusTwoAOneLineMessageAndNoOutput) {
    const QString settings = WriteFile(u"s.ini"_s, {});
    const std::pair<QStringList, QByteArray> cases[] = {
        {{}, "{\n  \"name\": \"x\",\n  \"kind\": }"},
        {{}, R"({"kind": "Funtion"})"},
        {{}, R"({"access": "Friend"})"},
        {{}, R"({"language": 7})"},
        {{}, R"({"purpose": "two\nlines"})"},
        {{}, R"({"date": "2024-02-30"})"},
        {{}, R"({"nmae": "typo"})"},
        {{}, R"({"parameters": [{"name": "x", "optional": "yes"}]})"},
        {{}, R"([1, 2])"},
        {{}, ""},
        {{}, QByteArray(BlockTool::MaxInputBytes + 1, ' ')},
        {{u"--from-declaration"_s, u"Dim x As Long"_s}, R"({"language": "VB"})"},
        {{u"--from-declaration"_s, u"   "_s}, {}},
        {{u"--frobnicate"_s}, "{}"},
        {{u"stray"_s}, "{}"},
        {{u"--eol"_s, u"cr"_s}, "{}"},
        {{u"--input"_s}, "{}"},
        {{u"--input"_s, u"/no/such/file.json"_s}, {}},
        {{u"--read-block"_s, u"--copy"_s}, {}},
        {{u"--keep-declaration"_s}, "{}"},
        {{u"--read-block"_s}, "not a block"},
        {{u"--read-block"_s}, QByteArray(200000, '=')}, // every reading of it fails
        {{u"--read-block"_s},
         "'  Public Sub Gr\xF6\xDF"
         "e\r\n"},
        {{u"--from-declaration"_s, u"-"_s},
         "Public Sub Gr\xF6\xDF"
         "e(ByVal n As Long)"},
        {{u"--copy=yes"_s}, "{}"},
        {{}, "null"},
        {{}, R"({"language": true})"},
        // Quoted input with line breaks and other controls in it.
        {{}, R"({"na\nme": 1, "x": 2})"},
        {{}, R"({"parameters": [{"ty\u2028pe\u0007": "x"}]})"},
        {{u"str\nay"_s}, "{}"},
    };
    // A one-megabyte begin string on each of 617 lines: a block far past what the tool writes.
    QByteArray huge = R"({"language": "Custom", "begin": ")" + QByteArray(1000000, 'B') +
                      R"(", "parameters": [{})";
    for (int parameter = 1; parameter < 600; ++parameter) {
        huge += ",{}";
    }
    const auto refused = Run({u"--settings"_s, settings}, huge + "]}");
    EXPECT_EQ(refused.ExitStatus, BlockTool::BadInput);
    EXPECT_TRUE(refused.Output.isEmpty());
    EXPECT_TRUE(refused.Error.contains(u"million characters"_s)) << refused.Error.toStdString();

    for (const auto& [arguments, input] : cases) {
        SCOPED_TRACE(input.left(80).toStdString() + " " + arguments.join(u' ').toStdString());
        const auto result = Run(QStringList{u"--settings"_s, settings} + arguments, input);
        EXPECT_EQ(result.ExitStatus, BlockTool::BadInput);
        EXPECT_TRUE(result.Output.isEmpty());
        EXPECT_FALSE(result.Error.isEmpty());
        static const QRegularExpression controls(u"[\\x00-\\x1f\\x7f-\\x9f\\x{2028}\\x{2029}]"_s);
        EXPECT_FALSE(result.Error.contains(controls)) << result.Error.toStdString();
    }
    EXPECT_TRUE(Run({}, "null").Error.endsWith(u"must be a JSON object, not null"_s));
    EXPECT_TRUE(Run({}, " 42 ").Error.endsWith(u"must be a JSON object, not a number"_s));
    EXPECT_TRUE(Run({}, "[]").Error.endsWith(u"must be a JSON object, not an array"_s));
    EXPECT_TRUE(Run({}, R"({"language": true})")
                    .Error.endsWith(u"a language name or a number from 0 to 3, not a boolean"_s));
    EXPECT_EQ(Run({}, R"({"na\nme\u2028": 1})").Error, uR"(unknown member "na\nme\u2028")"_s);
    EXPECT_TRUE(Run({}, "{\n  \"kind\": }").Error.contains(u"invalid JSON at line 2, column"_s));
    EXPECT_TRUE(Run({}, R"({"kind": "Funtion"})").Error.contains(u"Funtion"_s));
    EXPECT_EQ(Run({u"--settings"_s, folder_.filePath(u"missing.ini"_s)}, "{}").ExitStatus,
              BlockTool::BadInput);
}

TEST_F(BlockToolTest, DeclarationFillsWhatTheJsonLeavesOut) {
    const auto result = Run(
        {u"--from-declaration"_s, u"Public Function GetTotal(ByVal OrderID As Long) As Currency"_s},
        R"({"language": "VB", "purpose": "Adds up.", "name": "Total",
                                "developer": "", "begin": "", "end": ""})");
    ASSERT_EQ(result.ExitStatus, BlockTool::Done) << result.Error.toStdString();
    EXPECT_TRUE(result.Output.contains("'  Public Function Total\r\n"));
    EXPECT_TRUE(result.Output.contains("'      Adds up.\r\n"));
    EXPECT_TRUE(result.Output.contains("'      Long                 OrderID"));
    EXPECT_TRUE(result.Output.contains("'      Currency\r\n"));

    // From a terminal the JSON is not waited for; "-" reads the declaration from the input.
    stdinReads_ = 0;
    const QString ini = WriteFile(u"vc.ini"_s, "[General]\nComments Type=1\n");
    const auto terminal =
        Run({u"--settings"_s, ini, u"--from-declaration"_s, u"void f(int n)"_s}, {}, true);
    EXPECT_EQ(terminal.ExitStatus, BlockTool::Done);
    EXPECT_EQ(stdinReads_, 0);
    const auto filter = Run({u"--settings"_s, ini, u"--from-declaration"_s, u"-"_s,
                             u"--keep-declaration"_s, u"--eol"_s, u"lf"_s},
                            "int main(void)\n");
    EXPECT_TRUE(filter.Output.startsWith("//="));
    EXPECT_TRUE(filter.Output.contains("// Public Function main\n"));
    EXPECT_TRUE(filter.Output.endsWith("//\nint main(void)\n"));
}

TEST_F(BlockToolTest, ReadBlockPrintsJsonThatGivesTheBlockBack) {
    const QString settings = WriteFile(u"s.ini"_s, {});
    const QByteArray json = R"({"kind": "Property", "name": "Count", "language": "Custom",
        "begin": "<!--", "end": "-->", "developer": "Ann", "date": "2001-07-04",
        "parameters": [{"name": "n", "type": "int", "description": "how many"}]})";
    const auto block = Run({u"--settings"_s, settings}, json);
    const auto read = Run({u"--read-block"_s, u"--input"_s, WriteFile(u"b.txt"_s, block.Output)});
    ASSERT_EQ(read.ExitStatus, BlockTool::Done) << read.Error.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(read.Output)["begin"].toString(), u"<!--"_s);
    EXPECT_EQ(Run({u"--settings"_s, settings}, read.Output).Output, block.Output);
}

TEST_F(BlockToolTest, ListsTheLanguagesWithTheCustomStringsFromTheSettings) {
    const QString ini = WriteFile(u"l.ini"_s, "[General]\nComments Type=2\nBegin Free=REM\n");
    const auto result = Run({u"--list-languages"_s, u"--settings"_s, ini});
    const QJsonArray languages = QJsonDocument::fromJson(result.Output).array();
    ASSERT_EQ(languages.size(), 4);
    EXPECT_EQ(languages[0]["begin"].toString(), u"'"_s);
    EXPECT_EQ(languages[2]["end"].toString(), u"*)"_s);
    EXPECT_TRUE(languages[2]["current"].toBool());
    EXPECT_EQ(languages[3]["begin"].toString(), u"REM"_s);
    EXPECT_EQ(languages[3]["displayName"].toString(), u"Custom Remarks"_s);
}

class ClipboardHandOffTest : public ::testing::Test {
protected:
    // A stand-in helper that stores what it is given, and names its own arguments.
    QString FakeHelper(const QString& name) {
        const QString path = folder_.filePath(name);
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$0 $*\" > \"$QM_CLIP\".args\n"
                     "read -r pid comm state ppid group session rest < /proc/$$/stat\n"
                     "echo \"$session\" > \"$QM_CLIP\".session\n/bin/cat > \"$QM_CLIP\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QProcessEnvironment Environment(const QString& display, const QString& wayland) {
        QProcessEnvironment environment;
        environment.insert(u"PATH"_s, folder_.path());
        environment.insert(u"QM_CLIP"_s, folder_.filePath(u"clip"_s));
        environment.insert(u"DISPLAY"_s, display);
        environment.insert(u"WAYLAND_DISPLAY"_s, wayland);
        return environment;
    }

    QByteArray Clip(const QString& suffix = {}) {
        QFile file(folder_.filePath(u"clip"_s + suffix));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
};

TEST_F(ClipboardHandOffTest, HandsTheExactBytesToTheDisplaysHelper) {
    FakeHelper(u"xclip"_s);
    FakeHelper(u"wl-copy"_s);
    const QByteArray block = "'====\r\n'  Sub \xC3\xA9\r\n";
    EXPECT_TRUE(ClipboardHandOff::Copy(block, Environment(u":0"_s, {})).Ok);
    EXPECT_EQ(Clip(), block);
    EXPECT_TRUE(Clip(u".args"_s).contains("xclip -selection clipboard"));
    // Its own session: the hang-up of a terminal that closes with this tool does not reach it.
    EXPECT_NE(Clip(u".session"_s).trimmed().toLongLong(), static_cast<long long>(getsid(0)));
    EXPECT_GT(Clip(u".session"_s).trimmed().toLongLong(), 0);

    EXPECT_TRUE(ClipboardHandOff::Copy(block, Environment(u":0"_s, u"wayland-0"_s)).Ok);
    EXPECT_TRUE(Clip(u".args"_s).contains("wl-copy"));
}

TEST_F(ClipboardHandOffTest, SaysWhyWhenNoHelperOrDisplayIsThere) {
    const auto noHelper = ClipboardHandOff::Copy("x", Environment(u":0"_s, {}));
    EXPECT_FALSE(noHelper.Ok);
    EXPECT_TRUE(noHelper.Message.contains(u"xclip"_s));
    const auto noDisplay = ClipboardHandOff::Copy("x", Environment({}, {}));
    EXPECT_FALSE(noDisplay.Ok);
    EXPECT_TRUE(noDisplay.Message.contains(u"DISPLAY"_s));

    QFile failing(folder_.filePath(u"xclip"_s));
    ASSERT_TRUE(failing.open(QIODevice::WriteOnly));
    failing.write("#!/bin/sh\nexit 4\n");
    failing.close();
    failing.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const auto failed = ClipboardHandOff::Copy("x", Environment(u":0"_s, {}));
    EXPECT_FALSE(failed.Ok);
    EXPECT_TRUE(failed.Message.contains(u"exit status 4"_s));
}

TEST_F(BlockToolTest, CopyWithoutAClipboardStillWritesTheBlockButFails) {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const auto result = Run({u"--copy"_s, u"--settings"_s, WriteFile(u"c.ini"_s, {})}, "{}");
    qputenv("DISPLAY", display);
    qputenv("WAYLAND_DISPLAY", wayland);
    EXPECT_EQ(result.ExitStatus, BlockTool::ClipboardFailed);
    EXPECT_TRUE(result.Output.startsWith("'="));
    EXPECT_TRUE(result.Error.contains(u"--copy"_s));
}

} // namespace
} // namespace quillmark::cli
