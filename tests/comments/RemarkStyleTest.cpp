#include "comments/RemarkStyle.h"

#include "comments/CharacterCount.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillmark {
namespace {

TEST(RemarkStyle, RemarkStringsPerLanguage) {
    EXPECT_EQ(BeginRemark(DevelopmentLanguage::VB), u"'"_s);
    EXPECT_EQ(EndRemark(DevelopmentLanguage::VB), u""_s);
    EXPECT_EQ(BeginRemark(DevelopmentLanguage::VC), u"//"_s);
    EXPECT_EQ(EndRemark(DevelopmentLanguage::VC), u""_s);
    EXPECT_EQ(BeginRemark(DevelopmentLanguage::Delphi), u"(*"_s);
    EXPECT_EQ(EndRemark(DevelopmentLanguage::Delphi), u"*)"_s);
    // Custom strings are taken exactly as stored, blanks included.
    EXPECT_EQ(BeginRemark(DevelopmentLanguage::Custom, QStringLiteral(" REM ")), u" REM "_s);
    EXPECT_EQ(EndRemark(DevelopmentLanguage::Custom, QStringLiteral("-->")), u"-->"_s);
    // The custom strings belong to Custom only.
    EXPECT_EQ(BeginRemark(DevelopmentLanguage::VB, QStringLiteral("<!--")), u"'"_s);
    for (int value : {-1, 4, 7, 1 << 30}) {
        const auto language = static_cast<DevelopmentLanguage>(value);
        EXPECT_TRUE(BeginRemark(language, QStringLiteral("x")).isEmpty()) << value;
        EXPECT_TRUE(EndRemark(language, QStringLiteral("y")).isEmpty()) << value;
    }
}

TEST(RemarkStyle, PadToColumnMakesTheLineWidthPlusOneLong) {
    EXPECT_EQ(PadToColumn(2, u"'"_s), u"  "_s);
    EXPECT_EQ(PadToColumn(2, u"//"_s), u" "_s);
    EXPECT_EQ(PadToColumn(2, u"REM"_s), u""_s);   // already width + 1 long
    EXPECT_EQ(PadToColumn(2, u"REM: "_s), u""_s); // longer: nothing, never negative
    EXPECT_EQ(PadToColumn(6, u""_s), QString(7, u' '));
    EXPECT_EQ(PadToColumn(-5, u""_s), u""_s);
    // Widths beyond 16 bits still pad instead of wrapping round.
    EXPECT_EQ(PadToColumn(40000, u""_s).size(), 40001);
}

TEST(RemarkStyle, PaddingCountsCharactersNotUtf16Units) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two units
    ASSERT_EQ(emoji.size(), 2);
    EXPECT_EQ(CharacterCount(emoji), 1);
    EXPECT_EQ(CharacterCount(QString::fromUtf8("J\xC3\xBCrgen Gro\xC3\x9F")), 11);
    EXPECT_EQ(PadToColumn(2, emoji), u"  "_s);
    // A lone surrogate still counts as one character.
    EXPECT_EQ(CharacterCount(QString(QChar(0xD800))), 1);
}

TEST(RemarkStyle, FinishLineWithoutEndRemarkIsJustTheLineBreak) {
    EXPECT_EQ(FinishLine(u"'  Purpose:"_s, u"'"_s, u""_s, false), u"\r\n"_s);
    EXPECT_EQ(FinishLine(u"// text"_s, u"//"_s, u""_s, true), u"\r\n"_s);
}

TEST(RemarkStyle, FinishLineAlignedFillsToTheSeparatorWidth) {
    const QString body = QStringLiteral("(* Purpose:");
    const QString line = body + FinishLine(body, u"(*"_s, u"*)"_s, false);
    EXPECT_EQ(line.size(), 76 + 2);
    EXPECT_TRUE(line.endsWith(u"*)\r\n"_s));
    // A body longer than the block gets its end remark straight after the content.
    const QString longBody = QStringLiteral("(*") + QString(80, u'x');
    EXPECT_EQ(FinishLine(longBody, u"(*"_s, u"*)"_s, false), u"*)\r\n"_s);
}

TEST(RemarkStyle, FinishLineFreeTextMeasuresTheTextAlone) {
    // Equal lengths: the end remark stands where the separator's does.
    const QString text = QStringLiteral("First line");
    const QString line = u"(* "_s + text + FinishLine(text, u"(*"_s, u"*)"_s, true);
    EXPECT_EQ(line.size(), 76 + 2);
    // A 4-character begin and a 3-character end: one column further right than the separators.
    const QString html = u"<!-- "_s + text + FinishLine(text, u"<!--"_s, u"-->"_s, true);
    const QString separator = SeparatorLine(MainSeparatorRun(), u"<!--"_s, u"-->"_s);
    EXPECT_EQ(separator.size(), 79 + 2);
    EXPECT_EQ(html.size(), separator.size() + 1);
}

TEST(RemarkStyle, SeparatorLines) {
    EXPECT_EQ(SeparatorLine(MainSeparatorRun(), u"'"_s, u""_s),
              u"'"_s + QString(72, u'=') + u"\r\n"_s);
    EXPECT_EQ(SeparatorLine(MinorSeparatorRun(), u""_s, u"*/"_s), QString(72, u'-') + u"*/\r\n"_s);
}

} // namespace
} // namespace quillmark
