#pragma once

#include "settings/ProfileDocument.h"

#include <optional>

namespace quillmark::fuzz {

// Two readings of a section agree: its name, its first and last key lines, and every entry as
// read. Null stands for a section not found, which agrees only with another one not found.
inline bool SameSection(const ProfileSection* a, const ProfileSection* b) {
    if (a == nullptr || b == nullptr) {
        return a == b;
    }
    if (a->Name != b->Name || a->HeaderLine != b->HeaderLine ||
        a->LastEntryLine != b->LastEntryLine || a->Entries.size() != b->Entries.size()) {
        return false;
    }
    for (qsizetype k = 0; k < a->Entries.size(); ++k) {
        const ProfileEntry& x = a->Entries[k];
        const ProfileEntry& y = b->Entries[k];
        if (x.Key != y.Key || x.Value != y.Value || x.Line != y.Line ||
            x.ValueStart != y.ValueStart || x.EightBit != y.EightBit) {
            return false;
        }
    }
    return true;
}

inline const ProfileSection* Found(const std::optional<ProfileSection>& section) {
    return section ? &*section : nullptr;
}

} // namespace quillmark::fuzz
