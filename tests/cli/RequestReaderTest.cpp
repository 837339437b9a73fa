#include "cli/RequestReader.h"

#include "cli/InputError.h"
#include "cli/RequestAssembler.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

TEST(RequestReaderTest, ReadsEveryMemberAndLeavesOutNulls) {
    const BlockDescription d = RequestReader::Read(R"({
        "kind": "PROPERTY", "access": "protected", "name": "Count", "purpose": null,
        "returns": "n", "language": "Custom", "begin": "<!--", "end": "-->",
        "developer": "Ann", "date": "2000-02-29",
        "parameters": [{"name": "a", "type": "int", "description": "d", "optional": true}, {}]
    })");
    EXPECT_EQ(d.Kind, ProcedureKind::Property);
    EXPECT_EQ(d.Access, AccessLevel::Protected);
    EXPECT_EQ(d.Name, u"Count"_s);
    EXPECT_FALSE(d.Purpose.has_value());
    EXPECT_EQ(d.Language, DevelopmentLanguage::Custom);
    EXPECT_EQ(d.BeginFree, u"<!--"_s);
    EXPECT_EQ(d.Date, QDate(2000, 2, 29));
    ASSERT_EQ(d.Parameters->size(), 2);
    EXPECT_TRUE(d.Parameters->at(0).IsOptional());
    EXPECT_EQ(d.Parameters->at(1).Optional, u"No"_s);
    EXPECT_EQ(RequestReader::Read(R"({"language": 2})").Language, DevelopmentLanguage::Delphi);
    EXPECT_EQ(RequestReader::Read(R"({"language": "c++"})").Language, DevelopmentLanguage::VC);
}

TEST(RequestReaderTest, SplitsFreeTextLikeTheWindow) {
    EXPECT_EQ(RequestReader::Read(R"({"text": ""})").FreeTextLines, QStringList{QString()});
    EXPECT_EQ(RequestReader::Read(R"({"text": "a\r\nb\nc\rd"})").FreeTextLines,
              (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    // Separators break lines as the window's box shows them; other characters stay as given.
    EXPECT_EQ(RequestReader::Read(R"({"text": "\uFEFFa\u00A0b\u2028c\u2029d"})").FreeTextLines,
              (QStringList{u"\uFEFFa\u00A0b"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(RequestReader::Read(R"({"text": "a\n"})").FreeTextLines,
              (QStringList{u"a"_s, QString()}));
    EXPECT_EQ(RequestReader::Read(R"({"text": ["a", ""]})").FreeTextLines,
              (QStringList{u"a"_s, QString()}));
    EXPECT_THROW(RequestReader::Read(R"({"text": ["a\nb"]})"), InputError);
    EXPECT_THROW(RequestReader::Read(R"({"text": ["a\u2028b"]})"), InputError);
    EXPECT_THROW(RequestReader::Read(R"({"name": "a\u2029b"})"), InputError);
    // A NUL, which no box of the window keeps, is left out.
    EXPECT_EQ(RequestReader::Read(R"({"name": "Ge\u0000tTotal"})").Name,
              std::optional(u"GetTotal"_s));
    EXPECT_THROW(RequestReader::Read(R"({"text": 5})"), InputError);
}

TEST(RequestReaderTest, AssemblyPrefersJsonThenDeclarationThenSettings) {
    GlobalSettings settings;
    settings.Language = DevelopmentLanguage::VC;
    settings.PersonalName = u"Settings"_s;
    settings.BeginFree = u"REM"_s;
    ParsedDeclaration declaration;
    declaration.Kind = ProcedureKind::Function;
    declaration.Access = AccessLevel::Private;
    declaration.Name = u"FromDeclaration"_s;
    declaration.Returns = u"int"_s;
    declaration.Parameters = {{u"n"_s, u"No"_s, u"int"_s, {}}};
    BlockDescription description;
    description.Name = u"FromJson"_s;
    description.EndFree = u"-->"_s;

    const CommentRequest request =
        RequestAssembler::Assemble(description, declaration, settings, QDate(2024, 1, 2));
    EXPECT_EQ(request.Kind, ProcedureKind::Function);
    EXPECT_EQ(request.Access, AccessLevel::Private);
    EXPECT_EQ(request.Name, u"FromJson"_s);
    EXPECT_EQ(request.Returns, u"int"_s);
    EXPECT_EQ(request.Parameters.size(), 1);
    EXPECT_EQ(request.Language, DevelopmentLanguage::VC);
    EXPECT_EQ(request.BeginFree, u"REM"_s);
    EXPECT_EQ(request.EndFree, u"-->"_s);
    EXPECT_EQ(request.DeveloperName, u"Settings"_s);
    EXPECT_EQ(request.Today.date(), QDate(2024, 1, 2));

    // Left out entirely: the window's fresh state.
    const CommentRequest fresh = RequestAssembler::Assemble({}, std::nullopt, {}, QDate());
    EXPECT_EQ(fresh.Kind, ProcedureKind::Sub);
    EXPECT_EQ(fresh.Access, AccessLevel::Public);
    BlockDescription general;
    general.Kind = ProcedureKind::General;
    EXPECT_EQ(RequestAssembler::Assemble(general, std::nullopt, {}, QDate()).FreeTextLines,
              QStringList{QString()});
}

} // namespace
} // namespace quillmark::cli
