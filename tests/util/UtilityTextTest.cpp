#include "util/Utility.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct TextCase {
    QString Input;
    QString Expected;
};

TEST(UtilityTextTest, PrepareSQLStringDoublesEverySingleQuote) {
    const TextCase cases[] = {{"O'Brien's", "O''Brien''s"},
                              {"plain text", "plain text"},
                              {"", ""},
                              {"''", "''''"},
                              {QString(40000, u'x') + u'\'', QString(40000, u'x') + "''"}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(Utility().PrepareSQLString(input), expected) << input.left(20).toStdString();
    }
}

TEST(UtilityTextTest, ReplaceCharsScansLeftToRightWithoutOverlapOrRescanning) {
    const struct {
        QString Text, Find, With, Expected;
    } cases[] = {
        {"aaaa", "aa", "b", "bb"},
        {"aaa", "aa", "b", "ba"},
        {"cabab", "ab", "x", "cxx"},
        {"abcab", "abc", "x", "xab"}, // partial match at the end stays
        {"abc", "XYZ", "q", "abc"},
        {"abc", "A", "q", "abc"},
        {"a-b-c", "-", "", "abc"},
        {"aaa", "a", "aa", "aaaaaa"}, // the replacement is never scanned again
        {"ab", "ab", "abab", "abab"},
        {"abc", "", "x", "abc"}, // nothing to find: the input
        {"", "", "x", ""},
        {QString("ab").repeated(50000), "b", "", QString(50000, u'a')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utility().ReplaceChars(c.Text, c.Find, c.With), c.Expected)
            << c.Text.left(20).toStdString() << " / " << c.Find.toStdString();
    }
}

TEST(UtilityTextTest, StripPathFromFileNameKeepsWhatFollowsTheLastSeparator) {
    const TextCase cases[] = {{"C:\\a\\b\\file.txt", "file.txt"},
                              {"file.txt", "file.txt"},
                              {"C:\\a\\", ""},
                              {"", ""},
                              {"/home/ann/notes.txt", "notes.txt"},
                              {"/home/ann\\x/y\\z.txt", "z.txt"}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(Utility().StripPathFromFileName(input), expected) << input.toStdString();
    }
}

} // namespace
} // namespace quillmark
