#include "settings/ProfileDocument.h"

namespace quillmark {

size_t qHash(const ProfileKeyRef& key, size_t seed) noexcept {
    // FNV-1a over the case-folded code points, so that equal names in any case hash alike.
    size_t hash = seed ^ static_cast<size_t>(key.Section) ^ 0xcbf29ce484222325ULL;
    const QChar* data = key.Key.constData();
    const qsizetype size = key.Key.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t codePoint = data[i].unicode();
        if (codePoint < 0x80) {
            if (codePoint >= 'A' && codePoint <= 'Z') {
                codePoint += 'a' - 'A';
            }
        } else {
            if (data[i].isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate()) {
                codePoint = QChar::surrogateToUcs4(data[i], data[i + 1]);
                ++i;
            }
            codePoint = QChar::toCaseFolded(codePoint);
        }
        hash = (hash ^ codePoint) * 0x100000001b3ULL;
    }
    return hash;
}

const ProfileEntry* ProfileSection::Find(const QString& key) const {
    const auto found = keyIndex_.constFind({index_, key});
    return found == keyIndex_.cend() ? nullptr : &Entries[*found];
}

const ProfileSection* ProfileDocument::FindSection(const QString& section) const {
    const auto found = sectionIndex_.constFind(section.toCaseFolded());
    return found == sectionIndex_.cend() ? nullptr : &Sections[*found];
}

std::optional<QString> ProfileDocument::Value(const QString& section, const QString& key) const {
    const ProfileSection* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const ProfileEntry* entry = found->Find(key);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return entry->Value;
}

} // namespace quillmark
