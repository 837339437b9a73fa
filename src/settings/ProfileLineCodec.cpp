#include "settings/ProfileLineCodec.h"

#include "util/Utf8Text.h"

namespace quillmark {

ProfileLineCodec::Encoding ProfileLineCodec::Classify(QByteArrayView bytes) noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end && *p < 0x80) {
        ++p;
    }
    if (p == end) {
        return Encoding::Ascii;
    }
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return Encoding::EightBit;
        }
        if (end - p < length) {
            return Encoding::EightBit;
        }
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return Encoding::EightBit;
            }
            codePoint = (codePoint << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        const bool overlong =
            (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        if (overlong || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
            return Encoding::EightBit;
        }
        p += length;
    }
    return Encoding::Utf8;
}

QString ProfileLineCodec::DecodeWindows1252(QByteArrayView bytes) {
    static constexpr char16_t Row8And9[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text = QString::fromLatin1(bytes);
    for (QChar& character : text) {
        const char16_t code = character.unicode();
        if (code >= 0x80 && code <= 0x9F) {
            character = QChar(Row8And9[code - 0x80]);
        }
    }
    return text;
}

QString ProfileLineCodec::Decode(QByteArrayView bytes, bool eightBit) {
    // A leading U+FEFF in a line is text: the file's own mark is skipped before lines are read.
    return eightBit ? DecodeWindows1252(bytes) : Utf8KeepingLeadingFeff(bytes);
}

QString ProfileLineCodec::Decode(QByteArrayView bytes, Encoding encoding) {
    return Decode(bytes, encoding == Encoding::EightBit);
}

QString ProfileLineCodec::DecodeValue(QByteArrayView bytes, Encoding encoding) {
    QString value = Decode(bytes, encoding);
    if (bytes.contains('\0')) {
        value.remove(QChar(u'\0'));
    }
    return value;
}

QString ProfileLineCodec::Fold(QByteArrayView bytes, Encoding encoding, const QString& decoded) {
    if (encoding != Encoding::Ascii) {
        return decoded.toCaseFolded();
    }
    QString folded(bytes.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (const char c : bytes) {
        *out++ = QLatin1Char(c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c);
    }
    return folded;
}

} // namespace quillmark
