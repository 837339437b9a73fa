#include "comments/CommentBlockBuilder.h"

#include "comments/CharacterCount.h"
#include "support/QtPrinters.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillmark {
namespace {

// Joins lines written one per source line into a block with CR LF after each, the last included.
QString Block(std::initializer_list<const char*> lines) {
    QString block;
    for (const char* line : lines) {
        block += QString::fromUtf8(line) + u"\r\n"_s;
    }
    return block;
}

QStringList Lines(const QString& block) {
    QStringList lines = block.split(u"\r\n"_s);
    EXPECT_TRUE(lines.last().isEmpty()) << "block must end with CR LF";
    lines.removeLast();
    return lines;
}

class CommentBlockBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    static CommentRequest GetTotal(DevelopmentLanguage language) {
        CommentRequest request;
        request.Kind = ProcedureKind::Function;
        request.Name = u"GetTotal"_s;
        request.Purpose = u"Adds up the lines of one order."_s;
        request.Returns = u"The order total."_s;
        request.Language = language;
        request.DeveloperName = u"A. Developer"_s;
        request.Today = QDateTime(QDate(1998, 12, 5), QTime(16, 7, 45));
        return request;
    }
    static CommentRequest General(DevelopmentLanguage language, const QStringList& lines,
                                  const QString& begin = {}, const QString& end = {}) {
        CommentRequest request;
        request.Kind = ProcedureKind::General;
        request.FreeTextLines = lines;
        request.Language = language;
        request.BeginFree = begin;
        request.EndFree = end;
        return request;
    }
};

// Exact blocks for every language and kind are the golden files in tests/golden; this one is kept
// here because it exercises the end remark's alignment on every kind of line.
TEST_F(CommentBlockBuilderTest, DelphiProcedureBlock) {
    CommentRequest request = GetTotal(DevelopmentLanguage::Delphi);
    request.Parameters = {{u"OrderID"_s, u"Yes"_s, u"Integer"_s, u"Order to add up"_s}};
    EXPECT_EQ(BuildCommentBlock(request),
              Block({
                  "(*========================================================================*)",
                  "(* Public Function GetTotal                                               *)",
                  "(* Purpose:                                                               *)",
                  "(*     Adds up the lines of one order.                                    *)",
                  "(* Parameters:                                                            *)",
                  "(*     Integer              OrderID           Order to add up             *)",
                  "(*                                                                        *)",
                  "(*                                                                        *)",
                  "(* Returns:                                                               *)",
                  "(*     The order total.                                                   *)",
                  "(*------------------------------------------------------------------------*)",
                  "(* History:                                                               *)",
                  "(*     05-Dec-98            A. Developer                     Creation Date*)",
                  "(*========================================================================*)",
                  "(*                                                                        *)",
                  "(*                                                                        *)",
                  "(*                                                                        *)",
              }));
}

TEST_F(CommentBlockBuilderTest, EmptyFieldsKeepTheirLeadingBlanks) {
    CommentRequest request;
    request.Access = AccessLevel::Public;
    request.Kind = ProcedureKind::Sub;
    request.Name = QStringLiteral("Main");
    request.Today = QDateTime(QDate(2026, 1, 9), QTime());
    const QStringList lines = Lines(BuildCommentBlock(request));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[1], u"'  Public Sub Main"_s);
    EXPECT_EQ(lines[3], u"'      "_s);        // empty purpose: blanks stay
    EXPECT_EQ(lines[4], u"'  Parameters:"_s); // followed directly by the two empty lines
    EXPECT_EQ(lines[5], u"'"_s);
    EXPECT_EQ(lines[8], u"'      "_s); // empty returns
    EXPECT_EQ(lines[11], u"'      09-Jan-26"_s + QString(44, u' ') + u"Creation Date"_s);
    EXPECT_EQ(lines[12], u"'"_s + QString(72, u'='));
}

TEST_F(CommentBlockBuilderTest, KindAndAccessWords) {
    CommentRequest request = GetTotal(DevelopmentLanguage::VC);
    const std::pair<ProcedureKind, QString> kinds[] = {{ProcedureKind::Sub, u"Sub "_s},
                                                       {ProcedureKind::Function, u"Function "_s},
                                                       {ProcedureKind::Property, u"Property "_s},
                                                       {ProcedureKind::None, u""_s}};
    const std::pair<AccessLevel, QString> accesses[] = {{AccessLevel::Public, u"Public "_s},
                                                        {AccessLevel::Private, u"Private "_s},
                                                        {AccessLevel::Protected, u"Protected "_s},
                                                        {AccessLevel::None, u""_s}};
    for (const auto& [kind, kindWord] : kinds) {
        for (const auto& [access, accessWord] : accesses) {
            request.Kind = kind;
            request.Access = access;
            const QStringList lines = Lines(BuildCommentBlock(request));
            EXPECT_EQ(lines[1], u"// "_s + accessWord + kindWord + u"GetTotal"_s);
        }
    }
}

TEST_F(CommentBlockBuilderTest, OptionalMarkOnlyUnderVisualBasicAndOnlyForExactYes) {
    CommentRequest request = GetTotal(DevelopmentLanguage::VB);
    request.Parameters = {{u"a"_s, u"yes"_s, u"T"_s, {}}, {u"b"_s, u"Yes"_s, u"T"_s, {}}};
    QStringList lines = Lines(BuildCommentBlock(request));
    // Blanks before an empty description stay at the end of the line.
    EXPECT_EQ(lines[5], u"'      T                    a"_s + QString(17, u' '));
    EXPECT_EQ(lines[6], u"'      Optional T           b"_s + QString(17, u' '));

    request.Language = DevelopmentLanguage::VC;
    lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[6], u"//     T                    b"_s + QString(17, u' '));
}

TEST_F(CommentBlockBuilderTest, LongFieldsPushTheNextColumn) {
    CommentRequest request = GetTotal(DevelopmentLanguage::VB);
    // 21 characters of type column: the name follows with no blank.
    request.Parameters = {
        {u"Name"_s, u"Yes"_s, u"VeryLongType"_s, {}},
        {u"ABCDEFGHIJKLMNOPQRS"_s, u"No"_s, u"TypeNameOf21Chars_xyz"_s, u"Desc"_s}};
    QStringList lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[5], u"'      Optional VeryLongTypeName"_s + QString(14, u' '));
    // Name ends at column 47: the description follows directly.
    EXPECT_EQ(lines[6], u"'      TypeNameOf21Chars_xyzABCDEFGHIJKLMNOPQRSDesc"_s);

    // Under Delphi a pushed line is longer than the separators and its end remark follows directly.
    request.Language = DevelopmentLanguage::Delphi;
    request.Parameters = {{u"n"_s, {}, QString(80, u'T'), {}}};
    lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[5], u"(*     "_s + QString(80, u'T') + u"n*)"_s);

    // A developer name reaching column Lb + 59 leaves no blank before "Creation Date".
    request.Language = DevelopmentLanguage::VB;
    for (const auto& [length, gap] : {std::pair{31, u" "_s}, std::pair{32, QString()}}) {
        request.DeveloperName = QString(length, u'D'); // from column 29
        lines = Lines(BuildCommentBlock(request));
        EXPECT_EQ(lines.at(lines.size() - 5), u"'      05-Dec-98            "_s +
                                                  QString(length, u'D') + gap + u"Creation Date"_s);
    }
}

TEST_F(CommentBlockBuilderTest, LengthBoundHoldsForEveryShapeOfBlock) {
    CommentRequest longFields = GetTotal(DevelopmentLanguage::Custom);
    longFields.BeginFree = QString(300, u'<');
    longFields.EndFree = u">"_s;
    longFields.Name = QString(500, u'N');
    longFields.DeveloperName = QString(90, u'D');
    longFields.Parameters = {{QString(50, u'n'), {}, QString(100, u't'), QString(200, u'd')}, {}};
    CommentRequest empty;
    empty.Access = AccessLevel::None;
    empty.Kind = ProcedureKind::None;
    CommentRequest general = GetTotal(DevelopmentLanguage::Delphi);
    general.Kind = ProcedureKind::General;
    general.FreeTextLines = {QString(), QString(400, u'x'), u"short"_s};
    for (const CommentRequest& request :
         {GetTotal(DevelopmentLanguage::VB), longFields, empty, general}) {
        const QString block = BuildCommentBlock(request);
        EXPECT_GE(BlockLengthBound(request), block.size());
        // Over by no more than a line's layout on each line: only the huge is refused.
        EXPECT_LE(BlockLengthBound(request), block.size() + 80 * block.count(u"\r\n"_s));
    }
}

TEST_F(CommentBlockBuilderTest, RemarkStringsOfOtherLengths) {
    CommentRequest request = GetTotal(DevelopmentLanguage::Custom);
    request.BeginFree = u"REM"_s;
    QStringList lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[2], u"REMPurpose:"_s);
    EXPECT_EQ(lines[3], u"REM    Adds up the lines of one order."_s);
    request.BeginFree = u"#######"_s;
    EXPECT_EQ(Lines(BuildCommentBlock(request)).at(3), u"#######Adds up the lines of one order."_s);

    // Empty begin, non-empty end: lines filled to 72 before the end string.
    request.BeginFree.clear();
    request.EndFree = u"*/"_s;
    for (const QString& line : Lines(BuildCommentBlock(request))) {
        EXPECT_EQ(line.size(), 74) << line.toStdString();
        EXPECT_TRUE(line.endsWith(u"*/"_s));
    }

    // A language outside the four has no remarks at all.
    for (int value : {-1, 7}) {
        lines = Lines(BuildCommentBlock(GetTotal(static_cast<DevelopmentLanguage>(value))));
        ASSERT_EQ(lines.size(), 16);
        EXPECT_EQ(lines[0], QString(72, u'='));
        EXPECT_EQ(lines[1], u"   Public Function GetTotal"_s); // pad 2 on an empty line: 3 blanks
        EXPECT_EQ(lines[13], u""_s);
    }
}

TEST_F(CommentBlockBuilderTest, NonAsciiNamesAlignLikeAscii) {
    CommentRequest request = GetTotal(DevelopmentLanguage::Delphi);
    request.DeveloperName = u"Jurgen Gross"_s;
    const QString ascii = Lines(BuildCommentBlock(request)).at(11);
    request.DeveloperName = QString::fromUtf8("J\xC3\xBCrgen Gro\xC3\x9F");
    const QString accented = Lines(BuildCommentBlock(request)).at(11);
    EXPECT_EQ(accented.indexOf(u"Creation Date"_s), ascii.indexOf(u"Creation Date"_s));
    EXPECT_EQ(accented.size(), 76);

    // An emoji is one character: the closing "*)" stays in columns 75 and 76.
    request.DeveloperName = QString::fromUtf8("Ann \xF0\x9F\x98\x80");
    const QString emoji = Lines(BuildCommentBlock(request)).at(11);
    EXPECT_EQ(CharacterCount(emoji), 76);
    EXPECT_TRUE(emoji.endsWith(u"Creation Date*)"_s));
}

TEST_F(CommentBlockBuilderTest, GeneralBlockShapes) {
    EXPECT_EQ(BuildCommentBlock(General(DevelopmentLanguage::VB, {})),
              u"'"_s + QString(72, u'=') + u"\r\n'"_s + QString(72, u'-') + u"\r\n"_s);
    EXPECT_EQ(Lines(BuildCommentBlock(General(DevelopmentLanguage::VB, {QString()}))).at(1),
              u"' "_s);

    QStringList lines = Lines(BuildCommentBlock(
        General(DevelopmentLanguage::Delphi,
                {QString(), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                              "e, \xE6\x9D\xB1\xE4\xBA\xAC, \xE2\x9C\x93")})));
    EXPECT_EQ(lines[1], u"(* "_s + QString(71, u' ') + u"*)"_s);
    EXPECT_EQ(CharacterCount(lines[2]), 76);

    // A 4-character begin and a 3-character end: text lines one column right of the separators.
    lines = Lines(
        BuildCommentBlock(General(DevelopmentLanguage::Custom, {u"abc"_s}, u"<!--"_s, u"-->"_s)));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 79);
    EXPECT_EQ(lines[1], u"<!-- abc"_s + QString(69, u' ') + u"-->"_s);
}

TEST_F(CommentBlockBuilderTest, OnlyTheHistoryLineDependsOnTheDate) {
    CommentRequest request = GetTotal(DevelopmentLanguage::VC);
    const QStringList first = Lines(BuildCommentBlock(request));
    request.Today = request.Today.addDays(40);
    const QStringList second = Lines(BuildCommentBlock(request));
    ASSERT_EQ(first.size(), second.size());
    for (qsizetype i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i] == second[i], i != 11) << i;
    }
    EXPECT_EQ(second[11].mid(7, 9), u"14-Jan-99"_s);
}

TEST_F(CommentBlockBuilderTest, DateUsesTheLocalesMonthName) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(FormatCommentDate(QDate(2001, 2, 3)),
              u"03-"_s + QLocale().monthName(2, QLocale::ShortFormat) + u"-01"_s);
    EXPECT_NE(FormatCommentDate(QDate(2001, 2, 3)), u"03-Feb-01"_s);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(FormatCommentDate(QDate(2000, 10, 31)), u"31-Oct-00"_s);
    // British and Australian English abbreviate to "Sept" and "June" elsewhere.
    EXPECT_EQ(FormatCommentDate(QDate(1998, 9, 5)), u"05-Sep-98"_s);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
    EXPECT_EQ(FormatCommentDate(QDate(1998, 6, 5)), u"05-Jun-98"_s);
    EXPECT_EQ(FormatCommentDate(QDate(1998, 9, 5)), u"05-Sep-98"_s);
}

} // namespace
} // namespace quillmark
