#include "settings/ProfileSyntax.h"

namespace quillmark {

namespace {

bool IsBlankChar(QChar c) {
    return c == u' ' || c == u'\t';
}

bool IsQuoteChar(QChar c) {
    return c == u'"' || c == u'\'';
}

bool HasOuterBlank(const QString& text) {
    return !text.isEmpty() && (IsBlankChar(text.front()) || IsBlankChar(text.back()));
}

// CR, LF and NUL end a line or a C string on some reader; a lone surrogate cannot be stored.
QString CheckCommon(const QString& text, const QString& what) {
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar(0)) {
            return QStringLiteral("%1 holds a line break or NUL character").arg(what);
        }
    }
    if (!QStringView(text).isValidUtf16()) {
        return QStringLiteral("%1 is not valid Unicode text").arg(what);
    }
    return {};
}

} // namespace

QByteArrayView ProfileSyntax::TrimBlanks(QByteArrayView bytes) noexcept {
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && IsBlank(bytes[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(bytes[end - 1])) {
        --end;
    }
    return bytes.sliced(begin, end - begin);
}

QByteArrayView ProfileSyntax::Unquote(QByteArrayView bytes) noexcept {
    if (bytes.size() >= 2 && (bytes.front() == '"' || bytes.front() == '\'') &&
        bytes.back() == bytes.front()) {
        return bytes.sliced(1, bytes.size() - 2);
    }
    return bytes;
}

QString ProfileSyntax::QuoteForWriting(const QString& value) {
    const bool quotedPair =
        value.size() >= 2 && IsQuoteChar(value.front()) && value.back() == value.front();
    if (HasOuterBlank(value) || quotedPair) {
        return u'"' + value + u'"';
    }
    return value;
}

QString ProfileSyntax::CheckSectionName(const QString& section) {
    const QString what = QStringLiteral("The section name");
    if (section.isEmpty()) {
        return QStringLiteral("The section name is empty");
    }
    if (section.contains(u']')) {
        return QStringLiteral("The section name holds \"]\"");
    }
    if (HasOuterBlank(section)) {
        return QStringLiteral("The section name begins or ends with a blank");
    }
    return CheckCommon(section, what);
}

QString ProfileSyntax::CheckKeyName(const QString& key) {
    if (key.isEmpty()) {
        return QStringLiteral("The key name is empty");
    }
    if (key.contains(u'=')) {
        return QStringLiteral("The key name holds \"=\"");
    }
    if (key.front() == u';' || key.front() == u'[') {
        return QStringLiteral("The key name begins with \";\" or \"[\"");
    }
    if (HasOuterBlank(key)) {
        return QStringLiteral("The key name begins or ends with a blank");
    }
    return CheckCommon(key, QStringLiteral("The key name"));
}

QString ProfileSyntax::CheckValue(const QString& value) {
    return CheckCommon(value, QStringLiteral("The value"));
}

} // namespace quillmark
