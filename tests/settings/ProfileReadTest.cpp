#include "settings/ProfileParser.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <optional>

namespace quillmark {
namespace {

struct ReadCase {
    const char* Name;
    QByteArray File;
    QString Section;
    QString Key;
    std::optional<QString> Expected;
};

void PrintTo(const ReadCase& readCase, std::ostream* out) {
    *out << readCase.Name;
}

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsAsWindowsDoes) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ProfileParser::Parse(c.File).Value(c.Section, c.Key), c.Expected);
}

const QString Long300(300, u'n');

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileReadTest,
    ::testing::Values(
        ReadCase{"crlf", "[s]\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"lf", "[s]\nk=v\n", "s", "k", "v"}, ReadCase{"cr", "[s]\rk=v\rj=w", "s", "j", "w"},
        ReadCase{"comment", "[s]\n  ; k=v\n", "s", "k", std::nullopt},
        ReadCase{"hash is ordinary", "[s]\n#k=v\n", "s", "#k", "v"},
        ReadCase{"semicolon inside value", "[s]\nk=v;x\n", "s", "k", "v;x"},
        ReadCase{"line without equals", "[s]\nk\n", "s", "k", std::nullopt},
        ReadCase{"header blanks", "  [ Gen ]  tail\nk=v\n", "Gen", "k", "v"},
        ReadCase{"before first section", "k=v\n[s]\n", "s", "k", std::nullopt},
        ReadCase{"case of names", "[GeNeRaL]\nPersonal NAME=x\n", "general", "personal name", "x"},
        ReadCase{"trimmed key and value", "[s]\n \tk \t= \t v w \t\n", "s", "k", "v w"},
        ReadCase{"double quotes", "[s]\nk=\" a \"\n", "s", "k", " a "},
        ReadCase{"single quotes", "[s]\nk='a'\n", "s", "k", "a"},
        ReadCase{"lone quote", "[s]\nk=\"\n", "s", "k", "\""},
        ReadCase{"unmatched quotes", "[s]\nk=\"a'\n", "s", "k", "\"a'"},
        ReadCase{"first section wins", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "j", std::nullopt},
        ReadCase{"first key wins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        ReadCase{"empty value present", "[s]\nk=\n", "s", "k", ""},
        ReadCase{"byte-order mark", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "v"},
        ReadCase{"utf-8", "[s]\nk=Jos\xC3\xA9\n", "s", "k", QString::fromUtf8("Jos\xC3\xA9")},
        ReadCase{"8-bit line", "[s]\nk=Jos\xE9\n", "s", "k", QString::fromUtf8("Jos\xC3\xA9")},
        ReadCase{"unclosed bracket", "[s]\n[oops\nk=v\n", "s", "k", "v"},
        ReadCase{"long value whole", "[s]\nk=" + Long300.toLatin1() + "\n", "s", "k", Long300},
        ReadCase{"windows file",
                 "; Written on Windows\r\n[General]\r\nComments Type=2\r\n"
                 "Personal Name = \"A. Developer \"\r\n\r\n",
                 "GENERAL", "personal name", "A. Developer "}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.Name);
        name.replace(u' ', u'_').replace(u'-', u'_');
        return name.toStdString();
    });

} // namespace
} // namespace quillmark
