#include "settings/ProfileLineCodec.h"

#include <QStringDecoder>

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
            return Encoding::Latin1;
        }
        if (end - p < length) {
            return Encoding::Latin1;
        }
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return Encoding::Latin1;
            }
            codePoint = (codePoint << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        const bool overlong =
            (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        if (overlong || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
            return Encoding::Latin1;
        }
        p += length;
    }
    return Encoding::Utf8;
}

QString ProfileLineCodec::DecodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString ProfileLineCodec::Decode(QByteArrayView bytes, bool latin1) {
    return latin1 ? QString::fromLatin1(bytes) : DecodeUtf8(bytes);
}

QString ProfileLineCodec::Decode(QByteArrayView bytes, Encoding encoding) {
    return encoding == Encoding::Utf8 ? DecodeUtf8(bytes) : QString::fromLatin1(bytes);
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
