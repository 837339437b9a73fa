#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmark {

// Each line of a profile file is decoded on its own: UTF-8 when its bytes are valid UTF-8, Latin-1
// otherwise (a line written on Windows in an 8-bit code page). Deciding per line means a line we
// write in UTF-8 reads back exactly, while untouched 8-bit lines keep both their bytes and their
// reading.
class ProfileLineCodec {
public:
    enum class Encoding { Ascii, Utf8, Latin1 };

    static Encoding Classify(QByteArrayView bytes) noexcept;
    static bool IsValidUtf8(QByteArrayView bytes) noexcept {
        return Classify(bytes) != Encoding::Latin1;
    }
    // UTF-8 that keeps a leading U+FEFF: inside a line it is text, not a byte order mark (the
    // file's own mark is skipped before lines are read). QString::fromUtf8 would drop it.
    static QString DecodeUtf8(QByteArrayView bytes);
    static QString Decode(QByteArrayView bytes, bool latin1);
    static QString Decode(QByteArrayView bytes, Encoding encoding);
    // The case-folded form names are matched by; for plain ASCII without Unicode's tables.
    static QString Fold(QByteArrayView bytes, Encoding encoding, const QString& decoded);
};

} // namespace quillmark
