#include "comments/CharacterCount.h"
#include "comments/CommentBlockBuilder.h"
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
    QStringList lines = block.split(QStringLiteral("\r\n"));
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
        request.Access = AccessLevel::Public;
        request.Name = QStringLiteral("GetTotal");
        request.Purpose = QStringLiteral("Adds up the lines of one order.");
        request.Returns = QStringLiteral("The order total.");
        request.Language = language;
        request.DeveloperName = QStringLiteral("A. Developer");
        request.Today = QDateTime(QDate(1998, 12, 5), QTime(16, 7, 45));
        return request;
    }
};

TEST_F(CommentBlockBuilderTest, VisualBasicProcedureBlock) {
    CommentRequest request = GetTotal(DevelopmentLanguage::VB);
    request.Parameters = {
        {QStringLiteral("OrderID"), QStringLiteral("No"), QStringLiteral("Long"),
         QStringLiteral("Order to add up")},
        {QStringLiteral("Discount"), QStringLiteral("Yes"), QStringLiteral("Single"),
         QStringLiteral("Discount rate, 0 to 1")},
    };
    EXPECT_EQ(BuildCommentBlock(request),
              Block({
                  "'========================================================================",
                  "'  Public Function GetTotal",
                  "'  Purpose:",
                  "'      Adds up the lines of one order.",
                  "'  Parameters:",
                  "'      Long                 OrderID           Order to add up",
                  "'      Optional Single      Discount          Discount rate, 0 to 1",
                  "'",
                  "'",
                  "'  Returns:",
                  "'      The order total.",
                  "'------------------------------------------------------------------------",
                  "'  History:",
                  "'      05-Dec-98            A. Developer                    Creation Date",
                  "'========================================================================",
                  "'",
                  "'",
                  "'",
              }));
}

TEST_F(CommentBlockBuilderTest, DelphiProcedureBlock) {
    CommentRequest request = GetTotal(DevelopmentLanguage::Delphi);
    request.Parameters = {{QStringLiteral("OrderID"), QStringLiteral("Yes"),
                           QStringLiteral("Integer"), QStringLiteral("Order to add up")}};
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

TEST_F(CommentBlockBuilderTest, CGeneralBlock) {
    CommentRequest request;
    request.Kind = ProcedureKind::General;
    request.Language = DevelopmentLanguage::VC;
    request.FreeTextLines = {QStringLiteral("First line of text"), QStringLiteral("Second line")};
    EXPECT_EQ(BuildCommentBlock(request),
              Block({
                  "//========================================================================",
                  "// First line of text",
                  "// Second line",
                  "//------------------------------------------------------------------------",
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
    EXPECT_EQ(lines[3], u"'      "_s);           // empty purpose: blanks stay
    EXPECT_EQ(lines[4], u"'  Parameters:"_s);   // followed directly by the two empty lines
    EXPECT_EQ(lines[5], u"'"_s);
    EXPECT_EQ(lines[8], u"'      "_s);           // empty returns
    EXPECT_EQ(lines[11], u"'      09-Jan-26"_s + QString(44, u' ') + u"Creation Date"_s);
    EXPECT_EQ(lines[12], u"'"_s + QString(72, u'='));
}

TEST_F(CommentBlockBuilderTest, KindAndAccessWords) {
    CommentRequest request = GetTotal(DevelopmentLanguage::VC);
    const std::pair<ProcedureKind, QString> kinds[] = {
        {ProcedureKind::Sub, u"Sub "_s}, {ProcedureKind::Function, u"Function "_s},
        {ProcedureKind::Property, u"Property "_s}, {ProcedureKind::None, u""_s}};
    const std::pair<AccessLevel, QString> accesses[] = {
        {AccessLevel::Public, u"Public "_s}, {AccessLevel::Private, u"Private "_s},
        {AccessLevel::Protected, u"Protected "_s}, {AccessLevel::None, u""_s}};
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
    request.Parameters = {{QStringLiteral("a"), QStringLiteral("yes"), QStringLiteral("T"), {}},
                          {QStringLiteral("b"), QStringLiteral("Yes"), QStringLiteral("T"), {}}};
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
        {QStringLiteral("Name"), QStringLiteral("Yes"), QStringLiteral("VeryLongType"), {}},
        {QStringLiteral("ABCDEFGHIJKLMNOPQRS"), QStringLiteral("No"),
         QStringLiteral("TypeNameOf21Chars_xyz"), QStringLiteral("Desc")},
    };
    QStringList lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[5], u"'      Optional VeryLongTypeName"_s + QString(14, u' '));
    // Name ends at column 47: the description follows directly.
    EXPECT_EQ(lines[6], u"'      TypeNameOf21Chars_xyzABCDEFGHIJKLMNOPQRSDesc"_s);

    // Under Delphi a pushed line is longer than the separators and its end remark follows directly.
    request.Language = DevelopmentLanguage::Delphi;
    request.Parameters = {{QStringLiteral("n"), {}, QString(80, u'T'), {}}};
    lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[5], u"(*     "_s + QString(80, u'T') + u"n*)"_s);

    // A developer name reaching column Lb + 59 leaves no blank before "Creation Date".
    request.Language = DevelopmentLanguage::VB;
    request.DeveloperName = QString(31, u'D'); // columns 29 .. 59
    lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines.at(lines.size() - 5),
              u"'      05-Dec-98            "_s + QString(31, u'D') + u" Creation Date"_s);
    request.DeveloperName = QString(32, u'D'); // reaches column 60 = Lb + 59
    lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines.at(lines.size() - 5),
              u"'      05-Dec-98            "_s + QString(32, u'D') + u"Creation Date"_s);
}

TEST_F(CommentBlockBuilderTest, HeadingsAfterLongBeginRemarks) {
    CommentRequest request = GetTotal(DevelopmentLanguage::Custom);
    request.BeginFree = QStringLiteral("REM");
    QStringList lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[2], u"REMPurpose:"_s);
    EXPECT_EQ(lines[3], u"REM    Adds up the lines of one order."_s);

    request.BeginFree = QStringLiteral("#######");
    lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[3], u"#######Adds up the lines of one order."_s);
}

TEST_F(CommentBlockBuilderTest, NonAsciiNamesAlignLikeAscii) {
    CommentRequest request = GetTotal(DevelopmentLanguage::Delphi);
    request.DeveloperName = QStringLiteral("Jurgen Gross");
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

TEST_F(CommentBlockBuilderTest, CustomStylesOfUnequalLengths) {
    CommentRequest request;
    request.Kind = ProcedureKind::General;
    request.Language = DevelopmentLanguage::Custom;
    request.BeginFree = QStringLiteral("<!--");
    request.EndFree = QStringLiteral("-->");
    request.FreeTextLines = {QStringLiteral("abc")};
    const QStringList lines = Lines(BuildCommentBlock(request));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].size(), 79);
    EXPECT_EQ(lines[1], u"<!-- abc"_s + QString(69, u' ') + u"-->"_s);
    EXPECT_EQ(lines[1].size(), 80); // one column right of the separators

    // Empty begin, non-empty end: lines filled to 72 before the end string.
    request.Kind = ProcedureKind::Sub;
    request.BeginFree.clear();
    request.EndFree = QStringLiteral("*/");
    for (const QString& line : Lines(BuildCommentBlock(request))) {
        EXPECT_EQ(line.size(), 74) << line.toStdString();
        EXPECT_TRUE(line.endsWith(u"*/"_s));
    }
}

TEST_F(CommentBlockBuilderTest, GeneralBlockShapes) {
    CommentRequest request;
    request.Kind = ProcedureKind::General;
    request.Language = DevelopmentLanguage::VB;
    EXPECT_EQ(BuildCommentBlock(request),
              u"'"_s + QString(72, u'=') + u"\r\n'"_s + QString(72, u'-') + u"\r\n"_s);
    request.FreeTextLines = {QString()};
    EXPECT_EQ(Lines(BuildCommentBlock(request)).at(1), u"' "_s);

    request.Language = DevelopmentLanguage::Delphi;
    request.FreeTextLines = {QString(), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e, \xE6\x9D\xB1\xE4\xBA\xAC, \xE2\x9C\x93")};
    const QStringList lines = Lines(BuildCommentBlock(request));
    EXPECT_EQ(lines[1], u"(* "_s + QString(71, u' ') + u"*)"_s);
    EXPECT_EQ(CharacterCount(lines[2]), 76);
}

TEST_F(CommentBlockBuilderTest, LanguageOutsideTheFourHasNoRemarks) {
    for (int value : {-1, 7}) {
        CommentRequest request = GetTotal(static_cast<DevelopmentLanguage>(value));
        const QStringList lines = Lines(BuildCommentBlock(request));
        ASSERT_EQ(lines.size(), 16);
        EXPECT_EQ(lines[0], QString(72, u'='));
        EXPECT_EQ(lines[1], u"   Public Function GetTotal"_s); // pad 2 on an empty line: 3 blanks
        EXPECT_EQ(lines[13], u""_s);
    }
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
}

} // namespace
} // namespace quillmark
