#pragma once

#include "settings/RegistryStore.h"

#include <QString>
#include <optional>

namespace quillmark {

// How the registry store keeps keys and values in profile files: one file per root, one section
// per key path ("\" followed by the path), one line per value ("type:hex bytes"). Characters the
// profile format cannot hold are written as %XX; letters never are, so names still match without
// regard to case.
class RegistryNames {
public:
    // "HKEY_LOCAL_MACHINE" and friends; empty for an unknown root.
    static QString RootName(std::uint32_t root);
    // The path without leading and trailing backslashes; nullopt for a path with an empty part.
    static std::optional<QString> NormalizePath(const QString& keyPath);
    static QString SectionFor(const QString& normalizedPath);
    static QString KeyFor(const QString& valueName);
    static QString Encode(const RegistryValue& value);
    static std::optional<RegistryValue> Decode(const QString& text);
};

} // namespace quillmark
