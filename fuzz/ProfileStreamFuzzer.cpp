// Arbitrary profile file bytes read from a device that hands them over a few bytes at a time: the
// piece-by-piece readers see exactly what the whole-text readers see, wherever a line, a CR LF or
// the byte-order mark is cut; and reading one section finds it as reading the whole file does.
#include "FuzzInput.h"
#include "SameSection.h"
#include "settings/ProfileParser.h"
#include "support/TrickleDevice.h"
#include "support/VisitedKeyLines.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

using namespace quillmark;
using fuzz::Check;
using fuzz::Found;
using fuzz::SameSection;
using test::TrickleDevice;

// Input: a length byte, that many read steps for the device, then the file. The sections compared
// are every section the whole-file reader finds, so no name has to be guessed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray steps = fuzz::TakeField(input, 16).toByteArray();
    const QByteArray file = input.toByteArray();

    const ProfileDocument whole = ProfileParser::Parse(file);
    QStringList sections;
    for (const ProfileSection& section : whole.Sections) {
        sections.append(section.Name);
    }
    sections.append(QStringLiteral("absent"));
    for (const QString& section : sections.mid(0, 4)) {
        const std::optional<ProfileSection> fromText =
            ProfileParser::ParseSection(QByteArrayView(file), section);
        const ProfileSection* inDocument = whole.FindSection(section);
        Check(SameSection(Found(fromText), inDocument));
        TrickleDevice device(file, steps);
        Check(SameSection(Found(ProfileParser::ParseSection(device, section)), Found(fromText)));
    }
    TrickleDevice device(file, steps);
    Check(test::VisitedKeyLines(device, sections) ==
          test::VisitedKeyLines(QByteArrayView(file), sections));
    return 0;
}
