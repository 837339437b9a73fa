#include "util/Utility.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(UtilityTextTest, PrepareSQLStringDoublesEverySingleQuote) {
    const Utility utility;
    EXPECT_EQ(utility.PrepareSQLString("O'Brien's"), "O''Brien''s");
    EXPECT_EQ(utility.PrepareSQLString("plain text"), "plain text");
    EXPECT_EQ(utility.PrepareSQLString(""), "");
    EXPECT_EQ(utility.PrepareSQLString("''"), "''''");
}

TEST(UtilityTextTest, PrepareSQLStringHandlesTextsOfAnyLength) {
    const Utility utility;
    const QString longText = QString(40000, u'x') + u'\'';
    const QString prepared = utility.PrepareSQLString(longText);
    ASSERT_EQ(prepared.size(), 40002);
    EXPECT_TRUE(prepared.endsWith(QStringLiteral("x''")));
}

TEST(UtilityTextTest, ReplaceCharsScansLeftToRightWithoutOverlap) {
    const Utility utility;
    EXPECT_EQ(utility.ReplaceChars("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(utility.ReplaceChars("aaa", "aa", "b"), "ba");
    EXPECT_EQ(utility.ReplaceChars("cabab", "ab", "x"), "cxx");
    EXPECT_EQ(utility.ReplaceChars("abcab", "abc", "x"), "xab"); // partial match at the end stays
    EXPECT_EQ(utility.ReplaceChars("abc", "XYZ", "q"), "abc");
    EXPECT_EQ(utility.ReplaceChars("abc", "A", "q"), "abc");
    EXPECT_EQ(utility.ReplaceChars("a-b-c", "-", ""), "abc");
}

TEST(UtilityTextTest, ReplaceCharsNeverRescansTheReplacement) {
    const Utility utility;
    EXPECT_EQ(utility.ReplaceChars("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(utility.ReplaceChars("ab", "ab", "abab"), "abab");
}

TEST(UtilityTextTest, ReplaceCharsWithNothingToFindReturnsTheInput) {
    const Utility utility;
    EXPECT_EQ(utility.ReplaceChars("abc", "", "x"), "abc");
    EXPECT_EQ(utility.ReplaceChars("", "", "x"), "");
}

TEST(UtilityTextTest, ReplaceCharsHandlesTextsOfAnyLength) {
    const Utility utility;
    QString longText;
    for (int i = 0; i < 50000; ++i) {
        longText += QStringLiteral("ab");
    }
    const QString replaced = utility.ReplaceChars(longText, "b", "");
    EXPECT_EQ(replaced, QString(50000, u'a'));
}

TEST(UtilityTextTest, StripPathFromFileNameKeepsWhatFollowsTheLastSeparator) {
    const Utility utility;
    EXPECT_EQ(utility.StripPathFromFileName("C:\\a\\b\\file.txt"), "file.txt");
    EXPECT_EQ(utility.StripPathFromFileName("file.txt"), "file.txt");
    EXPECT_EQ(utility.StripPathFromFileName("C:\\a\\"), "");
    EXPECT_EQ(utility.StripPathFromFileName(""), "");
    EXPECT_EQ(utility.StripPathFromFileName("/home/ann/notes.txt"), "notes.txt");
    EXPECT_EQ(utility.StripPathFromFileName("/home/ann\\x/y\\z.txt"), "z.txt");
}

} // namespace
} // namespace quillmark
