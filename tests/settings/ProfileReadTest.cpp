#include "settings/ProfileParser.h"
#include "support/QtPrinters.h"
#include "support/TrickleDevice.h"
#include "support/VisitedKeyLines.h"

#include <QBuffer>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

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

// Start-up reads one section, or visits a few, without parsing the whole file: both must find
// what the whole parse finds.
TEST_P(ProfileReadTest, LeanReadersFindWhatTheWholeParseFinds) {
    const ReadCase& c = GetParam();
    const std::optional<ProfileSection> section = ProfileParser::ParseSection(c.File, c.Section);
    const ProfileEntry* entry = section ? section->Find(c.Key) : nullptr;
    EXPECT_EQ(entry != nullptr ? std::optional(entry->Value) : std::nullopt, c.Expected);

    std::optional<QString> firstVisit;
    ProfileParser::VisitSections(c.File, {c.Section}, [&](qsizetype, const ProfileKeyLine& line) {
        const QString key = ProfileLineCodec::Decode(line.Key, line.Encoding);
        if (!firstVisit && key.compare(c.Key, Qt::CaseInsensitive) == 0) {
            firstVisit = ProfileLineCodec::DecodeValue(line.Value, line.Encoding);
        }
    });
    EXPECT_EQ(firstVisit, c.Expected);

    QBuffer device;
    device.setData(c.File);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    const std::optional<ProfileSection> streamed = ProfileParser::ParseSection(device, c.Section);
    entry = streamed ? streamed->Find(c.Key) : nullptr;
    EXPECT_EQ(entry != nullptr ? std::optional(entry->Value) : std::nullopt, c.Expected);
}

// Every key line the visitor sees in sections "s" and "t".
template <typename Source> QList<QByteArray> VisitST(Source&& source) {
    return test::VisitedKeyLines(source, {"s", "t"});
}

// Read from a device, a large file arrives in pieces: a line, or a CR LF, cut at a piece's end
// must read as one.
TEST(ProfileSectionReadTest, DeviceReadsPieceByPieceAsTheWholeText) {
    QByteArray file = "\xEF\xBB\xBF[s]\r\n";
    const char* const ends[] = {"\r\n", "\n", "\r"};
    for (int k = 0; file.size() < 61000; ++k) {
        file += "k" + QByteArray::number(k) + "=" + QByteArray(k % 97, 'v') + ends[k % 3];
    }
    // A CR LF exactly across the first piece's end (64 KiB).
    file.truncate(60000);
    file += "\nedge=" + QByteArray(65535 - file.size() - 6, 'e') + "\r\n[t]\nlast=1";
    QBuffer device(&file);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    const QList<QByteArray> streamed = VisitST(device);
    EXPECT_EQ(streamed, VisitST(QByteArrayView(file)));
    EXPECT_EQ(streamed.back(), "1last=1");
    EXPECT_EQ(streamed.front(), "0k0=");
    EXPECT_EQ(file.mid(65535, 2), "\r\n");
}

// A device may hand over a few bytes a read, as a pipe does: lines, CR LF pairs and the
// byte-order mark cut anywhere read as in the whole text, and the mark's bytes at the start of a
// later line are text.
TEST(ProfileSectionReadTest, DeviceReadingAFewBytesAtATimeReadsAsTheWholeText) {
    const QByteArray files[] = {
        "\xEF\xBB\xBF[s]\r\nk=1\r\n\r[t]\rj=2\n",
        "\n\xEF\xBB\xBF[t]\r\nz=9\r\n[s]\r\nb=2",
        "a\r\xEF\xBB\xBF[s]\nk=3\r",
    };
    for (const QByteArray& file : files) {
        for (const char* steps : {"", "\x01", "\x02\x05", "\x0f\x03"}) {
            test::TrickleDevice device(file, steps);
            EXPECT_EQ(VisitST(device), VisitST(QByteArrayView(file)))
                << file.toHex().constData() << " in reads of "
                << QByteArray(steps).toHex().constData();
        }
    }
}

// A value longer than many pieces, whose CR LF is cut at the end of a later piece: the read goes
// on where the last piece's search stopped, so neither the line nor its end may be lost.
TEST(ProfileSectionReadTest, DeviceReadsALineLongerThanManyPieces) {
    constexpr qsizetype Piece = 64 * 1024;
    QByteArray file = "[General]\r\nPersonal Name=";
    file += QByteArray(5 * Piece - 1 - file.size(), 'n');
    file += "\r\nComments Type=1\r\nLong=" + QByteArray(3 * Piece, 'x'); // no line end at all
    ASSERT_EQ(file.mid(5 * Piece - 1, 2), "\r\n");

    QBuffer device(&file);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    const std::optional<ProfileSection> section = ProfileParser::ParseSection(device, "General");
    ASSERT_TRUE(section.has_value());
    const ProfileSection whole =
        ProfileParser::ParseSection(QByteArrayView(file), "General").value();
    ASSERT_EQ(section->Entries.size(), 3);
    EXPECT_EQ(section->Entries[0].Value, QString(5 * Piece - 1 - 25, u'n'));
    EXPECT_EQ(section->Entries[1].Value, "1");
    EXPECT_EQ(section->Entries[2].Value, QString(3 * Piece, u'x'));
    for (qsizetype k = 0; k < 3; ++k) {
        EXPECT_EQ(section->Entries[k].Line, whole.Entries[k].Line);
    }
}

TEST(ProfileSectionReadTest, OneSectionReadsAsInTheWholeFile) {
    const QByteArray file = "\xEF\xBB\xBFk=0\r\n[a]\r\nx=1\r\n[General]\r\n; note\r\n"
                            "Name = \"Jos\xE9 \"\r\nNAME=2\r\n\r\nLang=1\r\n[b]\r\ny=2\r\n"
                            "[general]\r\nEnd=3\r\n";
    const ProfileDocument whole = ProfileParser::Parse(file);
    const ProfileSection* expected = whole.FindSection("GENERAL");
    const std::optional<ProfileSection> read = ProfileParser::ParseSection(file, "GENERAL");
    ASSERT_NE(expected, nullptr);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Name, expected->Name);
    EXPECT_EQ(read->HeaderLine, expected->HeaderLine);
    EXPECT_EQ(read->LastEntryLine, expected->LastEntryLine);
    ASSERT_EQ(read->Entries.size(), 2);
    for (qsizetype i = 0; i < read->Entries.size(); ++i) {
        const ProfileEntry& a = read->Entries[i];
        const ProfileEntry& b = expected->Entries[i];
        EXPECT_EQ(std::tie(a.Key, a.Value, a.Line, a.ValueStart, a.EightBit),
                  std::tie(b.Key, b.Value, b.Line, b.ValueStart, b.EightBit));
    }
    EXPECT_EQ(read->Find("end"), nullptr);
    EXPECT_FALSE(ProfileParser::ParseSection(file, "missing").has_value());
    EXPECT_FALSE(ProfileParser::ParseSection("", "General").has_value());
}

TEST(ProfileSectionReadTest, VisitsTheFirstOccurrenceOfEachListedSection) {
    const QByteArray file = "[B]\nk=1\nk=2\n[c]\nz=0\n[a]\nj=\"3\"\n[b]\nk=4\n[A]\nj=5\n";
    QStringList visits;
    ProfileParser::VisitSections(
        file, {"a", "b"}, [&](qsizetype section, const ProfileKeyLine& line) {
            visits.append(QString::number(section) + QString::fromLatin1(line.Key) +
                          QString::fromLatin1(line.Value));
        });
    EXPECT_EQ(visits, QStringList({"1k1", "1k2", "0j3"}));
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
        // Windows' Western code page: curly quote, euro, ellipsis, dash; an unused byte as is.
        ReadCase{"code page 1252",
                 "[s]\nk=O\x92"
                 "Brien \x80\x85\x96\x81\n",
                 "s", "k", QString::fromUtf8("O\u2019Brien \u20AC\u2026\u2013\u0081")},
        ReadCase{"NUL in a value", QByteArray("[s]\nk=Bo\0b\n", 10), "s", "k", "Bob"},
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
