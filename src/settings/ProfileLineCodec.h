#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmark {

// Each line of a profile file is decoded on its own: UTF-8 when its bytes are valid UTF-8, the
// Windows Western code page (1252) otherwise, as a line written on Windows in an 8-bit code page
// is. Deciding per line means a line we write in UTF-8 reads back exactly, while untouched 8-bit
// lines keep both their bytes and their reading.
class ProfileLineCodec {
public:
    enum class Encoding { Ascii, Utf8, EightBit };

    static Encoding Classify(QByteArrayView bytes) noexcept;
    // Code page 1252: Latin-1 but for 0x80-0x9F, where it has the curly quotes, dashes, euro sign
    // and others; its five unused bytes there keep their Latin-1 reading, so nothing is lost.
    static QString DecodeWindows1252(QByteArrayView bytes);
    static QString Decode(QByteArrayView bytes, bool eightBit);
    static QString Decode(QByteArrayView bytes, Encoding encoding);
    // A value as the settings hold it: decoded, without the NULs only a hand edit brings in (a
    // value ends at none, and the text boxes drop them too).
    static QString DecodeValue(QByteArrayView bytes, Encoding encoding);
    // The case-folded form names are matched by; for plain ASCII without Unicode's tables.
    static QString Fold(QByteArrayView bytes, Encoding encoding, const QString& decoded);
};

} // namespace quillmark
