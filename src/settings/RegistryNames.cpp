#include "settings/RegistryNames.h"

#include <QStringList>

namespace quillmark {

namespace {

bool MustEscape(QChar c, bool atEdge) {
    static const QString always = QStringLiteral("%=[];@\r\n");
    return c == QChar(0) || always.contains(c) || (atEdge && (c == u' ' || c == u'\t'));
}

QString Escape(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (MustEscape(c, i == 0 || i == text.size() - 1)) {
            escaped += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper();
        } else {
            escaped += c;
        }
    }
    return escaped;
}

bool IsHex(QStringView text) {
    for (const QChar c : text) {
        if (!c.isDigit() && !(c >= u'a' && c <= u'f') && !(c >= u'A' && c <= u'F')) {
            return false;
        }
    }
    return text.size() % 2 == 0;
}

} // namespace

QString RegistryNames::RootName(std::uint32_t root) {
    switch (root) {
    case RegistryRoot::HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::HKEY_USERS:
        return QStringLiteral("HKEY_USERS");
    case RegistryRoot::HKEY_CURRENT_CONFIG:
        return QStringLiteral("HKEY_CURRENT_CONFIG");
    default:
        return {};
    }
}

std::optional<QString> RegistryNames::NormalizePath(const QString& keyPath) {
    qsizetype begin = 0;
    qsizetype end = keyPath.size();
    while (begin < end && keyPath[begin] == u'\\') {
        ++begin;
    }
    while (end > begin && keyPath[end - 1] == u'\\') {
        --end;
    }
    const QString path = keyPath.sliced(begin, end - begin);
    if (path.contains(QStringLiteral("\\\\"))) {
        return std::nullopt;
    }
    return path;
}

QString RegistryNames::SectionFor(const QString& normalizedPath) {
    return u'\\' + Escape(normalizedPath);
}

QString RegistryNames::KeyFor(const QString& valueName) {
    return valueName.isEmpty() ? QStringLiteral("@") : Escape(valueName);
}

QString RegistryNames::Encode(const RegistryValue& value) {
    return QString::number(value.Type) + u':' + QString::fromLatin1(value.Data.toHex());
}

std::optional<RegistryValue> RegistryNames::Decode(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const std::int32_t type = text.first(colon).toInt(&ok);
    const QStringView hex = QStringView(text).sliced(colon + 1);
    if (!ok || !IsHex(hex)) {
        return std::nullopt;
    }
    return RegistryValue{type, QByteArray::fromHex(hex.toLatin1())};
}

} // namespace quillmark
