#include "settings/ProfileParser.h"
#include "settings/ProfileWriter.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct WriteCase {
    const char* Name;
    QByteArray Before;
    QString Section;
    QString Key;
    QString Value;
    QByteArray After;
};

void PrintTo(const WriteCase& writeCase, std::ostream* out) {
    *out << writeCase.Name;
}

class ProfileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, EditsOnlyWhatItMust) {
    const WriteCase& c = GetParam();
    const ProfileEditResult result = ProfileWriter::Apply(c.Before, {{c.Section, c.Key, c.Value}});
    ASSERT_TRUE(result.Error.isEmpty()) << result.Error.toStdString();
    EXPECT_EQ(result.Bytes, c.After);
    EXPECT_EQ(ProfileParser::Parse(result.Bytes).Value(c.Section, c.Key), c.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileWriteTest,
    ::testing::Values(
        WriteCase{"new file", "", "General", "k", "v", "[General]\r\nk=v\r\n"},
        WriteCase{"replace keeps spelling and place", "[general]\r\nNAME = old\r\nx=1\r\n",
                  "General", "name", "new", "[general]\r\nNAME = new\r\nx=1\r\n"},
        WriteCase{"new key after last entry", "[a]\nk=1\n\n; c\n[b]\n", "A", "j", "2",
                  "[a]\nk=1\nj=2\n\n; c\n[b]\n"},
        WriteCase{"new key in empty section", "[a]\n[b]\nx=1\n", "a", "k", "v",
                  "[a]\nk=v\n[b]\nx=1\n"},
        WriteCase{"new section, missing final break", "[a]\nk=1", "b", "j", "2",
                  "[a]\nk=1\n\n[b]\nj=2\n"},
        WriteCase{"new section after blank line", "[a]\r\nk=1\r\n\r\n", "b", "j", "2",
                  "[a]\r\nk=1\r\n\r\n[b]\r\nj=2\r\n"},
        WriteCase{"cr line ends kept", "[a]\rk=1\r", "a", "j", "2", "[a]\rk=1\rj=2\r"},
        WriteCase{"other lines keep bytes", "top\n;c\n[a]\nodd line\nk=1 \n", "a", "k", "2",
                  "top\n;c\n[a]\nodd line\nk=2\n"},
        WriteCase{"trailing blank quoted", "", "s", "Begin Free", "REM ",
                  "[s]\r\nBegin Free=\"REM \"\r\n"},
        WriteCase{"outer quotes quoted", "", "s", "k", "\"x\"", "[s]\r\nk=\"\"x\"\"\r\n"},
        WriteCase{"single quotes quoted", "", "s", "k", "'x'", "[s]\r\nk=\"'x'\"\r\n"},
        WriteCase{"empty value", "[s]\nk=old\n", "s", "k", "", "[s]\nk=\n"},
        WriteCase{"8-bit lines keep bytes", "[s]\r\nname=Jos\xE9\r\nk=1\r\n", "s", "k",
                  QString::fromUtf8("\xC3\xA9"), "[s]\r\nname=Jos\xE9\r\nk=\xC3\xA9\r\n"},
        WriteCase{"8-bit key line rewritten in utf-8", "[s]\nn\xE9=1\n", "s",
                  QString::fromUtf8("n\xC3\xA9"), "2", "[s]\nn\xC3\xA9=2\n"},
        WriteCase{"byte-order mark kept", "\xEF\xBB\xBF[s]\nk=1\n", "s", "k", "2",
                  "\xEF\xBB\xBF[s]\nk=2\n"},
        WriteCase{"first section edited", "[s]\nk=1\n[s]\nk=2\n", "S", "K", "3",
                  "[s]\nk=3\n[s]\nk=2\n"}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.Name);
        name.replace(u' ', u'_').replace(u'-', u'_').replace(u',', u'_');
        return name.toStdString();
    });

TEST(ProfileWriterTest, RefusesWhatWouldBreakTheFile) {
    const QByteArray before = "[s]\r\nk=1\r\n";
    const QList<ProfileEdit> refused = {{"a]b", "k", "v"},
                                        {"a\rb", "k", "v"},
                                        {"", "k", "v"},
                                        {" s", "k", "v"},
                                        {"s", "a=b", "v"},
                                        {"s", ";k", "v"},
                                        {"s", "[k", "v"},
                                        {"s", "", "v"},
                                        {"s", "k ", "v"},
                                        {"s", "k\n", "v"},
                                        {"s", "k", "a\nb"},
                                        {"s", "k", "a\rb"},
                                        {"s", "k", QString(QChar(0))},
                                        {"s", "k", QString(QChar(0xD800))}};
    for (const ProfileEdit& edit : refused) {
        const ProfileEditResult result = ProfileWriter::Apply(before, {{"s", "ok", "1"}, edit});
        EXPECT_FALSE(result.Error.isEmpty())
            << edit.Section.toStdString() << "/" << edit.Key->toStdString();
        EXPECT_EQ(result.Bytes, before);
    }
}

TEST(ProfileWriterTest, EveryValueReadsBackAndOtherKeysStay) {
    const QByteArray before = "[s]\r\na=1\r\n[t]\r\nb=2\r\n";
    const QStringList values = {"REM ",
                                " a",
                                "\t",
                                "\"q\"",
                                "'",
                                "\"",
                                "a=b;c",
                                "[x]",
                                "'x\"",
                                QString::fromUtf8("\xC3\xBC\xE2\x82\xAC"),
                                QString(300, u'z')};
    for (const QString& value : values) {
        const ProfileEditResult result = ProfileWriter::Apply(before, {{"s", "v", value}});
        const ProfileDocument document = ProfileParser::Parse(result.Bytes);
        EXPECT_EQ(document.Value("s", "v"), value);
        EXPECT_EQ(document.Value("s", "a"), QStringLiteral("1"));
        EXPECT_EQ(document.Value("t", "b"), QStringLiteral("2"));
    }
}

TEST(ProfileWriterTest, LeadingByteOrderMarkCharacterSurvivesInNamesAndValues) {
    // U+FEFF inside a line is text, not a byte order mark: a decoder that drops it at the start of
    // what it decodes would lose it from the front of a name or value.
    const QString mark(QChar(0xFEFF));
    const QByteArray written =
        ProfileWriter::Apply("", {{mark + "s", mark + "k", mark + "v"}}).Bytes;
    EXPECT_EQ(ProfileParser::Parse(written).Value(mark + "s", mark + "k"), mark + "v");
    EXPECT_EQ(ProfileParser::Parse(written).Value("s", "k"), std::nullopt);
    // At the very start of the file it is a byte order mark, and skipped.
    EXPECT_EQ(ProfileParser::Parse("\xEF\xBB\xBF[s]\r\nk=v\r\n").Value("s", "k"),
              QStringLiteral("v"));
}

TEST(ProfileWriterTest, SectionWithoutKeyIsCreatedOnce) {
    const QByteArray once = ProfileWriter::Apply("", {{"k", std::nullopt, {}}}).Bytes;
    EXPECT_EQ(once, "[k]\r\n");
    EXPECT_EQ(ProfileWriter::Apply(once, {{"K", std::nullopt, {}}}).Bytes, once);
}

} // namespace
} // namespace quillmark
