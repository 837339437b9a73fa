#include "settings/RegIni.h"

#include "settings/ProfileFile.h"
#include "settings/ProfileLocation.h"
#include "settings/RegistryStore.h"
#include "settings/SystemFolders.h"
#include "util/Utf8Text.h"

#include <QtEndian>
#include <cmath>
#include <limits>

namespace quillmark {

namespace {

// Status codes of the Windows registry functions that the store's failures map to.
constexpr std::int32_t ErrorSuccess = 0;
constexpr std::int32_t ErrorFileNotFound = 2;
constexpr std::int32_t ErrorAccessDenied = 5;
constexpr std::int32_t ErrorInvalidHandle = 6;
constexpr std::int32_t ErrorInvalidData = 13;
constexpr std::int32_t ErrorInvalidParameter = 87;
constexpr std::int32_t StatusNotHandled = -1;

RegistryKeyHandle OpenKey(std::uint32_t root, const QString& keyPath) {
    if (root != 0 && RegistryStore::Default().KeyExists(root, keyPath)) {
        return {root, keyPath};
    }
    return {};
}

// A 32-bit number from a variant, rounding halves to even as a conversion to a whole number does;
// nullopt when it holds no number in range.
std::optional<std::int32_t> ToInt32(const QVariant& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace

QString RegIni::GetIniString(const QString& strSection, const QString& strKey,
                             const QString& strDefault) const {
    // Values come back whole, however long.
    const auto value = ProfileFile::Value(ProfilePath(), strSection, strKey);
    if (!value || value->isEmpty()) {
        return strDefault;
    }
    return *value;
}

QVariant RegIni::FileName() const {
    return fileName_;
}

void RegIni::FileName(const QVariant& vNewValue) {
    fileName_ = vNewValue.toString();
}

QVariant RegIni::GetWinDir() const {
    return SystemFolders::WindowsFolder();
}

QVariant RegIni::GetWinSysDir() const {
    return SystemFolders::SystemFolder();
}

QVariant RegIni::GetTempDir() const {
    return SystemFolders::TempFolder();
}

QString RegIni::GetTempFile(const QString& strPrefix, std::int32_t nUnique) const {
    return SystemFolders::CreateTempFile(strPrefix, nUnique);
}

bool RegIni::SetIniString(const QString& strSection, const QString& strKey,
                          const QString& strValue) {
    return SetIniStrings(strSection, {{strKey, strValue}});
}

bool RegIni::SetIniStrings(const QString& strSection,
                           const QList<std::pair<QString, QString>>& keyValues) {
    QList<ProfileEdit> edits;
    for (const auto& [key, value] : keyValues) {
        edits.append({strSection, key, value});
    }
    const ProfileWriteResult result = ProfileFile::Write(ProfilePath(), edits);
    lastWriteError_ = result.Error;
    return result.Ok;
}

QString RegIni::GetRegString(const QString& strRoot, const QString& strSection,
                             const QString& strKey) const {
    const RegistryKeyHandle key = OpenKey(GetRootKey(strRoot), strSection);
    QVariant value = QString();
    QueryValueEx(key, strKey, value);
    return value.toString();
}

void RegIni::SetRegString(const QString& strRoot, const QString& strSection, const QString& strKey,
                          const QString& strValue) {
    SetValueEx(OpenKey(GetRootKey(strRoot), strSection), strKey, RegistryType::REG_SZ, strValue);
}

void RegIni::SetRegNumber(const QString& strRoot, const QString& strSection, const QString& strKey,
                          std::int32_t nValue) {
    SetValueEx(OpenKey(GetRootKey(strRoot), strSection), strKey, RegistryType::REG_DWORD, nValue);
}

std::int32_t RegIni::SetValueEx(const RegistryKeyHandle& hKey, const QString& sValueName,
                                std::int32_t lType, const QVariant& vValue) {
    RegistryValue data;
    data.Type = lType;
    if (lType == RegistryType::REG_SZ) {
        data.Data = vValue.toString().toUtf8() + '\0';
    } else if (lType == RegistryType::REG_DWORD) {
        // Not a number in range: refused with a status rather than an exception.
        const auto number = ToInt32(vValue);
        if (!number) {
            return ErrorInvalidParameter;
        }
        data.Data.resize(4);
        qToLittleEndian(*number, data.Data.data());
    } else {
        return ErrorSuccess;
    }
    if (hKey.Root == 0) {
        return ErrorInvalidHandle;
    }
    RegistryStore store = RegistryStore::Default();
    if (!store.KeyExists(hKey.Root, hKey.Path)) {
        return ErrorFileNotFound;
    }
    return store.SetValue(hKey.Root, hKey.Path, sValueName, data) ? ErrorSuccess
                                                                  : ErrorAccessDenied;
}

QString RegIni::ProfilePath() const {
    return ProfileLocation::Resolve(fileName_);
}

QString RegIni::LastWriteError() const {
    return lastWriteError_;
}

ProfileLock RegIni::LockProfile() const {
    return ProfileLock(ProfilePath());
}

std::int32_t RegIni::QueryValueEx(const RegistryKeyHandle& hKey, const QString& valueName,
                                  QVariant& value) const {
    if (hKey.Root == 0) {
        return StatusNotHandled; // nothing found: the type stays unknown
    }
    const auto stored = RegistryStore::Default().QueryValue(hKey.Root, hKey.Path, valueName);
    if (!stored) {
        return StatusNotHandled;
    }
    if (stored->Type == RegistryType::REG_SZ) {
        // The stored text ends at its first NUL; a text stored without one keeps every character.
        QByteArray bytes = stored->Data;
        if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
            bytes.truncate(nul);
        }
        QString text = Utf8KeepingLeadingFeff(bytes);
        if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
            text = text.sliced(1, text.size() - 2);
        }
        value = text;
        return ErrorSuccess;
    }
    if (stored->Type == RegistryType::REG_DWORD) {
        if (stored->Data.size() != 4) {
            return ErrorInvalidData; // the value is left as it was
        }
        value = qFromLittleEndian<std::int32_t>(stored->Data.constData());
        return ErrorSuccess;
    }
    return StatusNotHandled;
}

std::uint32_t RegIni::GetRootKey(const QString& rootName) {
    // Exact names, letter case included.
    if (rootName == u"HKEY_CLASSES_ROOT") {
        return RegistryRoot::HKEY_CLASSES_ROOT;
    }
    if (rootName == u"HKEY_CURRENT_CONFIG") {
        return RegistryRoot::HKEY_CURRENT_CONFIG;
    }
    if (rootName == u"HKEY_CURRENT_USER") {
        return RegistryRoot::HKEY_CURRENT_USER;
    }
    if (rootName == u"HKEY_LOCAL_MACHINE") {
        return RegistryRoot::HKEY_LOCAL_MACHINE;
    }
    if (rootName == u"HKEY_USERS") {
        return RegistryRoot::HKEY_USERS;
    }
    return 0;
}

} // namespace quillmark
