#include "settings/RegIni.h"
#include "settings/RegistryStore.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace quillmark {
namespace {

using namespace Qt::StringLiterals;

const QString Root = QStringLiteral("HKEY_LOCAL_MACHINE");
const QString Key = QStringLiteral("Software\\Quillmark Test\\[Paths]");

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/quillmark")
            .removeRecursively();
        ASSERT_TRUE(store_.CreateKey(RegistryRoot::HKEY_LOCAL_MACHINE, Key));
    }
    QString Read(const QString& name) const { return ini_.GetRegString(Root, Key, name); }
    void Store(const QString& name, std::int32_t type, const QByteArray& data) {
        ASSERT_TRUE(store_.SetValue(RegistryRoot::HKEY_LOCAL_MACHINE, Key, name, {type, data}));
    }

    RegistryStore store_ = RegistryStore::Default();
    RegIni ini_;
};

TEST_F(RegistryTest, RootNamesMatchExactly) {
    ini_.SetRegString(Root, Key, "Path", "x");
    EXPECT_EQ(Read("Path"), QStringLiteral("x"));
    EXPECT_EQ(ini_.GetRegString("hkey_local_machine", Key, "Path"), QString());
    EXPECT_EQ(ini_.GetRegString("HKEY_SOMEWHERE", Key, "Path"), QString());
}

TEST_F(RegistryTest, PathsAndNamesMatchWithoutRegardToCase) {
    ini_.SetRegString(Root, Key, "Install Dir=1", "C:\\Tools");
    EXPECT_EQ(ini_.GetRegString(Root, Key.toUpper(), "INSTALL DIR=1"), QStringLiteral("C:\\Tools"));
    EXPECT_TRUE(store_.KeyExists(RegistryRoot::HKEY_LOCAL_MACHINE, "software\\QUILLMARK TEST"));
}

TEST_F(RegistryTest, TextReadsWithoutItsOuterQuotesOnly) {
    Store("Quoted", RegistryType::REG_SZ, "\"C:\\Program Files\"\0"_ba);
    Store("Open", RegistryType::REG_SZ, "\"abc\0"_ba);
    Store("Lone", RegistryType::REG_SZ, "\"\0"_ba);
    Store("Empty", RegistryType::REG_SZ, {});
    Store("NoNul", RegistryType::REG_SZ, "abc");
    Store("Mark", RegistryType::REG_SZ, "\xEF\xBB\xBFmark\0"_ba); // U+FEFF is text here
    EXPECT_EQ(Read("Quoted"), QStringLiteral("C:\\Program Files"));
    EXPECT_EQ(Read("Open"), QStringLiteral("\"abc"));
    EXPECT_EQ(Read("Lone"), QStringLiteral("\""));
    EXPECT_EQ(Read("Empty"), QString());
    EXPECT_EQ(Read("NoNul"), QStringLiteral("abc"));
    EXPECT_EQ(Read("Mark"), QChar(0xFEFF) + QStringLiteral("mark"));
}

TEST_F(RegistryTest, NumbersReadAsDecimalAndOtherTypesAsEmpty) {
    ini_.SetRegNumber(Root, Key, "Count", -5);
    Store("Binary", RegistryType::REG_BINARY, "\x01\x02");
    Store("Short", RegistryType::REG_DWORD, "\x01\x02");
    EXPECT_EQ(Read("Count"), QStringLiteral("-5"));
    EXPECT_EQ(Read("Binary"), QString());
    EXPECT_EQ(Read("Short"), QString());
    EXPECT_EQ(Read("Missing"), QString());
}

TEST_F(RegistryTest, NothingIsWrittenBelowAMissingKey) {
    ini_.SetRegString(Root, "Software\\Nowhere", "v", "x");
    ini_.SetRegNumber(Root, "Software\\Nowhere", "n", 1);
    EXPECT_FALSE(store_.KeyExists(RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Nowhere"));
    EXPECT_FALSE(store_.SetValue(RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Nowhere", "v",
                                 {RegistryType::REG_SZ, "x"}));
    EXPECT_FALSE(store_.CreateKey(0x1234, "Software"));
}

TEST_F(RegistryTest, SetValueExWritesTypedData) {
    const RegistryKeyHandle key{RegistryRoot::HKEY_LOCAL_MACHINE, Key};
    EXPECT_EQ(ini_.SetValueEx(key, "Text", RegistryType::REG_SZ, "abc"), 0);
    EXPECT_EQ(store_.QueryValue(key.Root, Key, "Text")->Data, "abc\0"_ba);
    EXPECT_EQ(ini_.SetValueEx(key, "Seven", 7, "abc"), 0);
    EXPECT_FALSE(store_.QueryValue(key.Root, Key, "Seven").has_value());
    EXPECT_NE(ini_.SetValueEx(key, "Bad", RegistryType::REG_DWORD, "abc"), 0);
    EXPECT_NE(ini_.SetValueEx(key, "Huge", RegistryType::REG_DWORD, 1e12), 0);
    EXPECT_FALSE(store_.QueryValue(key.Root, Key, "Bad").has_value());
    EXPECT_EQ(ini_.SetValueEx(key, "Half", RegistryType::REG_DWORD, 2.5), 0);
    EXPECT_EQ(Read("Half"), QStringLiteral("2"));
    EXPECT_NE(ini_.SetValueEx({}, "Text", RegistryType::REG_SZ, "abc"), 0);
}

TEST_F(RegistryTest, DefaultValueAndOddNamesAreKeptApart) {
    const QString names[] = {{}, "@", "a=b", "[x];y", " pad ", "%41"};
    for (const QString& name : names) {
        ini_.SetRegString(Root, Key, name, "value of " + name);
    }
    for (const QString& name : names) {
        EXPECT_EQ(Read(name), "value of " + name);
    }
}

} // namespace
} // namespace quillmark
