#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace quillmark {

// Predefined root keys, by their Windows handle values.
namespace RegistryRoot {
inline constexpr std::uint32_t HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001u;
inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr std::uint32_t HKEY_USERS = 0x80000003u;
inline constexpr std::uint32_t HKEY_CURRENT_CONFIG = 0x80000005u;
} // namespace RegistryRoot

// Value types the store keeps: text (stored with its terminating NUL) and 32-bit numbers
// (4 bytes, little-endian). Other type codes are kept as raw bytes.
namespace RegistryType {
inline constexpr std::int32_t REG_SZ = 1;
inline constexpr std::int32_t REG_BINARY = 3;
inline constexpr std::int32_t REG_DWORD = 4;
} // namespace RegistryType

struct RegistryValue {
    std::int32_t Type = 0;
    QByteArray Data;
};

// A small typed store in place of the Windows registry, addressed by root handle, key path and
// value name; paths and names match without regard to case. Values are only ever written below
// keys that exist: keys are made explicitly (set-up and tests).
class RegistryStore {
public:
    // The user's store under $XDG_DATA_HOME/quillmark.
    static RegistryStore Default();
    explicit RegistryStore(QString folder);

    bool KeyExists(std::uint32_t root, const QString& keyPath) const;
    bool CreateKey(std::uint32_t root, const QString& keyPath);
    std::optional<RegistryValue> QueryValue(std::uint32_t root, const QString& keyPath,
                                            const QString& valueName) const;
    // False, writing nothing, when the root is unknown or the key does not exist.
    bool SetValue(std::uint32_t root, const QString& keyPath, const QString& valueName,
                  const RegistryValue& value);

private:
    QString folder_;
};

} // namespace quillmark
