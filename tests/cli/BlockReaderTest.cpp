#include "cli/BlockReader.h"

#include "cli/InputError.h"
#include "cli/RequestAssembler.h"
#include "comments/CommentBlockBuilder.h"
#include "support/QtPrinters.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

struct Style {
    DevelopmentLanguage Language;
    QString Begin;
    QString End;
};

const QList<Style>& Styles() {
    static const QList<Style> styles = {
        {DevelopmentLanguage::VB, {}, {}},
        {DevelopmentLanguage::VC, {}, {}},
        {DevelopmentLanguage::Delphi, {}, {}},
        {DevelopmentLanguage::Custom, u"REM"_s, {}},
        {DevelopmentLanguage::Custom, u"<!--"_s, u"-->"_s},
        {DevelopmentLanguage::Custom, u"=="_s, u"=="_s}, // remark strings made of the fill
        {DevelopmentLanguage::Custom, {}, {}},
        {DevelopmentLanguage::Custom, {}, u"*/"_s},
        {DevelopmentLanguage::Custom, u"(**********"_s, u"*)"_s},
        {DevelopmentLanguage::Custom, QString(30, u'#'), {}}, // begins past the name column
    };
    return styles;
}

CommentParameter Param(const QString& name, const QString& type, const QString& description,
                       bool optional = false) {
    return {name, optional ? u"Yes"_s : u"No"_s, type, description};
}

CommentRequest Procedure() {
    CommentRequest request;
    request.Kind = ProcedureKind::Function;
    request.Access = AccessLevel::Public;
    request.Name = u"GetTotal"_s;
    request.Purpose = u"Adds up the lines of one order."_s;
    request.Returns = u"The order total."_s;
    request.Parameters = {Param(u"OrderID"_s, u"Long"_s, u"Order to add up"_s),
                          Param(u"Discount"_s, u"Single"_s, u"Discount rate, 0 to 1"_s, true)};
    request.DeveloperName = u"A. Developer"_s;
    request.Today = QDateTime(QDate(1998, 12, 5), QTime(9, 0));
    return request;
}

// Requests whose fields fill, reach or run past the columns.
QList<CommentRequest> Requests() {
    QList<CommentRequest> requests;
    requests.append(Procedure());

    CommentRequest pushed = Procedure();
    pushed.Parameters = {
        Param(u"values"_s, u"std::map<std::string, int>"_s, u"Lookup table"_s),
        Param(u"count"_s, u"unsigned long long int"_s, u"How many"_s),
        Param(u"VeryLongParameterNameHere"_s, u"int"_s, u"Runs into the description"_s),
        Param(u"Exactly18CharsName"_s, u"TypeOfTwentyOneChars!"_s, u"Both at the edge"_s),
        Param({}, {}, {}),
        Param({}, {}, u"Only a description"_s),
        Param(u"emoji"_s, u"\U0001F600 smile"_s, u"A character beyond 16 bits"_s, true),
        Param(u"trailing  "_s, u"Long  "_s, u"blanks kept  "_s),
        Param(u"a b c d e f g h i j"_s, u"std::map<std::string, long>"_s, u"blank at 46"_s),
    };
    pushed.Purpose = u"   Indented purpose that is long enough to run past the end of the box "
                     u"on the right"_s;
    pushed.DeveloperName = u"A developer whose name runs into the creation date"_s;
    requests.append(pushed);

    CommentRequest empty;
    empty.Kind = ProcedureKind::Sub;
    empty.Today = QDateTime(QDate(2031, 1, 31), QTime(9, 0));
    requests.append(empty);

    CommentRequest none = Procedure();
    none.Kind = ProcedureKind::None;
    none.Access = AccessLevel::None;
    none.Name = u"Lonely"_s;
    requests.append(none);

    CommentRequest lookalike = Procedure(); // with a long begin remark, a separator lookalike
    lookalike.Name = QString(72, u'-');
    lookalike.Purpose = QString(72, u'=');
    requests.append(lookalike);

    CommentRequest property = Procedure();
    property.Kind = ProcedureKind::Property;
    property.Access = AccessLevel::Protected;
    property.Name.clear();
    requests.append(property);

    for (const QStringList& lines :
         {QStringList{u"First line of text"_s, u"Second line"_s}, QStringList{QString()},
          QStringList{u"a"_s, QString()}, QStringList{}, QStringList{QString(100, u'x')},
          QStringList{u"  trailing blanks  "_s, u"=== not a separator ==="_s}}) {
        CommentRequest general;
        general.Kind = ProcedureKind::General;
        general.FreeTextLines = lines;
        requests.append(general);
    }
    return requests;
}

class BlockReaderTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    static QString Regenerate(const QString& block) {
        const BlockDescription description = BlockReader::Read(block);
        return BuildCommentBlock(
            RequestAssembler::Assemble(description, std::nullopt, GlobalSettings{}, QDate()));
    }
};

TEST_F(BlockReaderTest, ReadingBackAndGeneratingAgainGivesTheSameBlock) {
    for (const Style& style : Styles()) {
        for (CommentRequest request : Requests()) {
            request.Language = style.Language;
            request.BeginFree = style.Begin;
            request.EndFree = style.End;
            const QString block = BuildCommentBlock(request);
            SCOPED_TRACE(block.toStdString());
            try {
                EXPECT_EQ(Regenerate(block), block);
                QString lf = block;
                lf.replace(u"\r\n"_s, u"\n"_s);
                EXPECT_EQ(Regenerate(lf), block) << "LF line ends";
                if (request.Kind != ProcedureKind::General) {
                    // An editor that trims trailing lines takes the closing empty remarks.
                    const QStringList lines = block.split(u"\r\n"_s);
                    for (qsizetype kept = 0; kept < 3; ++kept) {
                        const QString trimmed =
                            lines.first(lines.size() - 4 + kept).join(u"\r\n"_s) + u"\r\n"_s;
                        EXPECT_EQ(Regenerate(trimmed), block) << kept << " closing lines kept";
                    }
                }
            } catch (const InputError& error) {
                ADD_FAILURE() << error.Message().toStdString();
            }
        }
    }
}

// The round trip above proves what the block shows; this checks what it cannot: the full year,
// the Optional cell and the custom remark strings that are read, not only written back.
TEST_F(BlockReaderTest, RecoversTheFieldsTheBlockOnlyImplies) {
    CommentRequest request = Procedure();
    const BlockDescription read = BlockReader::Read(BuildCommentBlock(request));
    EXPECT_EQ(read.Language, DevelopmentLanguage::VB);
    EXPECT_EQ(read.Date, QDate(1998, 12, 5));
    ASSERT_EQ(read.Parameters->size(), 2);
    EXPECT_EQ(read.Parameters->at(1).Type, u"Single"_s);
    EXPECT_TRUE(read.Parameters->at(1).IsOptional());

    // A locale whose own abbreviation is longer ("Sept") still reads back the block's "Sep".
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    request.Today = QDateTime(QDate(1998, 9, 5), QTime(12, 0));
    EXPECT_EQ(BlockReader::Read(BuildCommentBlock(request)).Date, QDate(1998, 9, 5));

    request.Language = DevelopmentLanguage::Custom;
    request.BeginFree = u"<!--"_s;
    request.EndFree = u"-->"_s;
    const BlockDescription custom = BlockReader::Read(BuildCommentBlock(request));
    EXPECT_EQ(custom.Language, DevelopmentLanguage::Custom);
    EXPECT_EQ(custom.BeginFree, u"<!--"_s);
    EXPECT_EQ(custom.EndFree, u"-->"_s);
}

TEST_F(BlockReaderTest, SplitsATypeThatRanIntoTheNameBeforeTheName) {
    CommentRequest request = Procedure();
    request.Language = DevelopmentLanguage::VC;
    request.Parameters = {Param(u"values"_s, u"const std::map<int, int>&"_s, u"x"_s)};
    const BlockDescription read = BlockReader::Read(BuildCommentBlock(request));
    ASSERT_EQ(read.Parameters->size(), 1);
    EXPECT_EQ(read.Parameters->at(0).Type, u"const std::map<int, int>&"_s);
    EXPECT_EQ(read.Parameters->at(0).Name, u"values"_s);
    EXPECT_EQ(read.Parameters->at(0).Description, u"x"_s);
}

TEST_F(BlockReaderTest, ReadsTheFreeTextOfAGeneralBlock) {
    CommentRequest request;
    request.Kind = ProcedureKind::General;
    request.Language = DevelopmentLanguage::Delphi;
    request.FreeTextLines = {u"First line"_s, QString(), u"  third"_s};
    const BlockDescription read =
        BlockReader::Read(u"\n\n"_s + BuildCommentBlock(request) + u"\r\n  \r\n"_s);
    EXPECT_EQ(read.Kind, ProcedureKind::General);
    EXPECT_EQ(read.FreeTextLines, request.FreeTextLines);
    EXPECT_FALSE(read.DeveloperName.has_value());
}

TEST_F(BlockReaderTest, HandEditedLinesOfABoxedBlockLoseTheirPadding) {
    // Text typed into a line moves its end remark and leaves the padding before it.
    CommentRequest request = Procedure();
    request.Language = DevelopmentLanguage::Delphi;
    QString block = BuildCommentBlock(request);
    block.replace(u"lines of one order."_s, u"lines of one order, edited."_s);
    block.replace(u"Order to add up"_s, u"Order"_s);
    BlockDescription read = BlockReader::Read(block);
    EXPECT_EQ(read.Purpose, u"Adds up the lines of one order, edited."_s);
    EXPECT_EQ(read.Parameters->at(0).Description, u"Order"_s);

    request.Kind = ProcedureKind::General;
    request.FreeTextLines = {u"First line"_s, u"Second"_s};
    block = BuildCommentBlock(request).replace(u"First line"_s, u"First line, edited."_s);
    EXPECT_EQ(BlockReader::Read(block).FreeTextLines,
              QStringList({u"First line, edited."_s, u"Second"_s}));
}

TEST_F(BlockReaderTest, BlockIndentedInsideAClassReadsAsItStands) {
    CommentRequest request = Procedure();
    request.Language = DevelopmentLanguage::VC;
    const QString block = BuildCommentBlock(request);
    for (const QString& indent : {u"    "_s, u"\t"_s}) {
        QString indented = block;
        indented.replace(u"\r\n"_s, u"\r\n"_s + indent).prepend(indent).chop(indent.size());
        EXPECT_EQ(Regenerate(indented), block);
    }
}

TEST_F(BlockReaderTest, RejectsTextThatIsNotABlock) {
    CommentRequest request = Procedure();
    QStringList lines = BuildCommentBlock(request).split(u"\r\n"_s);
    QStringList withoutPurposeHeading = lines;
    withoutPurposeHeading.removeAt(2);
    QStringList shifted = lines;
    shifted[3] = u"'  Adds up"_s; // content not at its column
    QStringList trailing = lines;
    trailing.insert(lines.size() - 1, u"Public Function GetTotal()"_s);
    QStringList badDate = lines;
    badDate[13].replace(u"Dec"_s, u"Dez"_s);
    const QStringList bad = {
        QString(),
        u"just some text\n"_s,
        u"'=======\n'  Purpose:\n"_s,
        withoutPurposeHeading.join(u"\r\n"_s),
        shifted.join(u"\r\n"_s),
        trailing.join(u"\r\n"_s),
        badDate.join(u"\r\n"_s),
    };
    for (const QString& text : bad) {
        SCOPED_TRACE(text.toStdString());
        try {
            BlockReader::Read(text);
            ADD_FAILURE() << "accepted";
        } catch (const InputError& error) {
            EXPECT_FALSE(error.Message().contains(u'\n'));
        }
    }
}

} // namespace
} // namespace quillmark::cli
