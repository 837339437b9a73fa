#include "params/ParamTypeCatalogue.h"

#include "settings/ProfileLocation.h"
#include "settings/ProfileTestFiles.h"
#include "settings/SettingsLayout.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::ReadBytes;

class ParamTypeCatalogueTest : public test::SettingsFileFixture {
protected:
    static QStringList Entries(const ParamTypeCatalogue& catalogue) {
        QStringList entries;
        for (qint64 k = 1; k <= catalogue.Size(); ++k) {
            entries.append(catalogue.Entry(k));
        }
        return entries;
    }
};

TEST_F(ParamTypeCatalogueTest, CountDecidesWhichEntriesAreRead) {
    Write("[Param Types VB]\r\nNumber=3\r\nParam3=Long\r\nParam1=Integer\r\nParam4=past\r\n"
          "Param01=zero\r\n[param types vc]\r\nnumber=2\r\nPARAM2=int\r\n"
          "[Param Types Delphi]\r\nNumber=abc\r\nParam1=Integer\r\n"
          "[Param Types Custom]\r\nNumber=-4\r\nParam1=x\r\n");
    const ParamTypeCatalogues catalogues = ParamTypeCatalogueStore::Load();
    EXPECT_EQ(Entries(catalogues.ParamTypesVB), QStringList({"Integer", "", "Long"}));
    EXPECT_EQ(Entries(catalogues.ParamTypesVC), QStringList({"", "int"}));
    EXPECT_EQ(catalogues.ParamTypesDelphi.Size(), 0);
    EXPECT_EQ(catalogues.ParamTypesCustom.Size(), 0);
}

TEST_F(ParamTypeCatalogueTest, HugeCountsCostOnlyTheEntriesPresent) {
    Write("[Param Types VB]\r\nNumber=2000000000\r\nParam1=a\r\nParam1999999999=b\r\n"
          "[Param Types VC]\r\nNumber=1e400\r\nParam1=c\r\n"
          "[Param Types Delphi]\r\nNumber=4294967296\r\nParam1=d\r\n");
    const ParamTypeCatalogues catalogues = ParamTypeCatalogueStore::Load();
    EXPECT_EQ(catalogues.ParamTypesVB.Size(), 2000000000);
    EXPECT_EQ(catalogues.ParamTypesVB.Entry(1999999999), QStringLiteral("b"));
    EXPECT_EQ(catalogues.ParamTypesVB.Entry(2), QString());
    EXPECT_EQ(catalogues.ParamTypesVB.TypeListEntries(true), QStringList({"a", "b"}));
    EXPECT_EQ(catalogues.ParamTypesVC.Size(), 0);
    EXPECT_EQ(catalogues.ParamTypesDelphi.Size(), 0);
}

TEST_F(ParamTypeCatalogueTest, FirstKeyOfANumberWinsInAnyOrderAndEncoding) {
    Write("[Param Types VB]\r\nParam2=\r\nNumber=4\r\nparam2=late\r\nParam4=Jos\xE9\r\n"
          "Param1=\xC3\xBC\r\nPARAM1=late\r\nNumber=1\r\nParam3= \" x \" \r\n"
          "Param5=past\r\n[Param Types VB]\r\nParam2=repeated section\r\n"
          "[Param Types VC]\r\nNumber=2\r\nParam1=\x93quoted\x94\r\n" +
          QByteArray("Param2=in\0t\r\n", 13));
    const ParamTypeCatalogues catalogues = ParamTypeCatalogueStore::Load();
    EXPECT_EQ(
        Entries(catalogues.ParamTypesVB),
        QStringList({QString::fromUtf8("\xC3\xBC"), "", " x ", QString::fromUtf8("Jos\xC3\xA9")}));
    // Code page 1252's curly quotes; a NUL, which only a hand edit brings in, is dropped.
    EXPECT_EQ(Entries(catalogues.ParamTypesVC),
              QStringList({QString::fromUtf8("\u201Cquoted\u201D"), "int"}));
}

TEST_F(ParamTypeCatalogueTest, EntriesChangeAnywhereInTheCatalogue) {
    ParamTypeCatalogue catalogue(10);
    catalogue.SetEntry(5, "e");
    catalogue.SetEntry(6, "f");
    catalogue.SetEntry(9, "i");
    catalogue.SetEntry(2, "b");  // before every stored entry
    catalogue.SetEntry(6, "F");  // replaced
    catalogue.SetEntry(5, "");   // removed
    catalogue.SetEntry(7, "g");  // between two
    catalogue.SetEntry(11, "k"); // past the size
    catalogue.SetEntry(0, "z");
    EXPECT_EQ(Entries(catalogue), QStringList({"", "b", "", "", "", "F", "g", "", "i", ""}));
    EXPECT_EQ(catalogue.TypeListEntries(true), QStringList({"b", "F", "g", "i"}));
}

TEST_F(ParamTypeCatalogueTest, TypeListLeavesOutEmptyAndForMostLanguagesBlankEntries) {
    ParamTypeCatalogue catalogue;
    for (const QString& entry : {QString("int"), QString(), QString("   "), QString("long")}) {
        catalogue.Append(entry);
    }
    EXPECT_EQ(catalogue.Size(), 4);
    EXPECT_EQ(catalogue.TypeListEntries(true), QStringList({"int", "   ", "long"}));
    EXPECT_EQ(catalogue.TypeListEntries(false), QStringList({"int", "long"}));
}

TEST_F(ParamTypeCatalogueTest, AppendNumbersFromTheFileCount) {
    Write("[Param Types Delphi]\r\nNumber=5\r\nParam1=a\r\nParam2=b\r\n");
    const AppendTypeResult result =
        ParamTypeCatalogueStore::Append(DevelopmentLanguage::Delphi, "");
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(result.Number, 6);
    EXPECT_EQ(ParamTypeCatalogueStore::Append(DevelopmentLanguage::Delphi, " int ").Number, 7);
    EXPECT_EQ(ReadBytes(path_), "[Param Types Delphi]\r\nNumber=7\r\nParam1=a\r\nParam2=b\r\n"
                                "Param6=\r\nParam7=\" int \"\r\n");
    const ParamTypeCatalogue loaded = ParamTypeCatalogueStore::Load().ParamTypesDelphi;
    EXPECT_EQ(Entries(loaded), QStringList({"a", "b", "", "", "", "", " int "}));
}

TEST_F(ParamTypeCatalogueTest, AppendThatCannotBeStoredSaysSoAndWritesNothing) {
    const AppendTypeResult unknown =
        ParamTypeCatalogueStore::Append(static_cast<DevelopmentLanguage>(9), "int");
    EXPECT_FALSE(unknown.Ok);
    EXPECT_FALSE(QFileInfo::exists(path_));

    const QByteArray before = "[Param Types VB]\r\nNumber=1\r\nParam1=a\r\n";
    Write(before);
    QFile::setPermissions(path_, QFileDevice::ReadOwner);
    const AppendTypeResult readOnly = ParamTypeCatalogueStore::Append(DevelopmentLanguage::VB, "b");
    EXPECT_FALSE(readOnly.Ok);
    EXPECT_EQ(readOnly.Number, 2);
    EXPECT_FALSE(readOnly.Reason.isEmpty());
    EXPECT_EQ(ReadBytes(path_), before);

    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_FALSE(ParamTypeCatalogueStore::Append(DevelopmentLanguage::VB, "a\nb").Ok);
    Write("[Param Types VB]\r\nNumber=2147483647\r\n");
    EXPECT_FALSE(ParamTypeCatalogueStore::Append(DevelopmentLanguage::VB, "c").Ok);
}

// A count a hand edit damaged reads as 0 (or a lowered one points inside the catalogue): the
// entry it would write next holds a type already, and that type stays.
TEST_F(ParamTypeCatalogueTest, AppendNeverOverwritesAStoredEntry) {
    for (const char* count : {"3000000000", "-2", "abc", "1"}) {
        const QByteArray before =
            QByteArray("[Param Types VC]\r\nNumber=") + count + "\r\nparam1=int\r\nParam2=long\r\n";
        Write(before);
        const AppendTypeResult result =
            ParamTypeCatalogueStore::Append(DevelopmentLanguage::VC, "x");
        EXPECT_FALSE(result.Ok) << count;
        EXPECT_TRUE(result.Reason.contains(QStringLiteral("Number=") + count)) << count;
        EXPECT_EQ(ReadBytes(path_), before) << count;
    }
    // An empty entry holds no type: the count may move onto it.
    Write("[Param Types VC]\r\nNumber=1\r\nParam1=int\r\nParam2=\r\n");
    EXPECT_TRUE(ParamTypeCatalogueStore::Append(DevelopmentLanguage::VC, "x").Ok);
    EXPECT_EQ(ReadBytes(path_), "[Param Types VC]\r\nNumber=2\r\nParam1=int\r\nParam2=x\r\n");
    // Keys that only look alike are other keys: Param01 is not entry 1.
    Write("[Param Types VC]\r\nNumber=0\r\nParam01=int\r\n");
    EXPECT_TRUE(ParamTypeCatalogueStore::Append(DevelopmentLanguage::VC, "x").Ok);
    EXPECT_EQ(ParamTypeCatalogueStore::Load().ParamTypesVC.Entry(1), QStringLiteral("x"));
}

} // namespace
} // namespace quillmark
