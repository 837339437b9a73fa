#pragma once

#include "settings/ProfileLock.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <utility>

namespace quillmark {

// An open key of the registry store, as handed out by the open step of the registry members.
struct RegistryKeyHandle {
    std::uint32_t Root = 0; // 0: no key (an open that failed)
    QString Path;
};

// The gateway to the profile (INI) files, the registry store and the system folders. Never throws:
// reads fall back to a default, writes report success as a Boolean.
class RegIni {
public:
    QString GetIniString(const QString& strSection, const QString& strKey,
                         const QString& strDefault = {}) const;
    QVariant FileName() const;
    void FileName(const QVariant& vNewValue);
    QVariant GetWinDir() const;
    QVariant GetWinSysDir() const;
    QVariant GetTempDir() const;
    QString GetTempFile(const QString& strPrefix, std::int32_t nUnique) const;
    bool SetIniString(const QString& strSection, const QString& strKey, const QString& strValue);
    QString GetRegString(const QString& strRoot, const QString& strSection,
                         const QString& strKey) const;
    void SetRegString(const QString& strRoot, const QString& strSection, const QString& strKey,
                      const QString& strValue);
    void SetRegNumber(const QString& strRoot, const QString& strSection, const QString& strKey,
                      std::int32_t nValue);
    std::int32_t SetValueEx(const RegistryKeyHandle& hKey, const QString& sValueName,
                            std::int32_t lType, const QVariant& vValue);

    // Beyond the classic members: several keys of one section written in one replacement of the
    // file (all or none, in the order given), the full path FileName resolves to, why the last
    // write failed, and the profile file's lock for a sequence of calls.
    bool SetIniStrings(const QString& strSection,
                       const QList<std::pair<QString, QString>>& keyValues);
    QString ProfilePath() const;
    QString LastWriteError() const;
    ProfileLock LockProfile() const;

private:
    std::int32_t QueryValueEx(const RegistryKeyHandle& hKey, const QString& valueName,
                              QVariant& value) const;
    static std::uint32_t GetRootKey(const QString& rootName);

    QString fileName_;
    QString lastWriteError_;
};

} // namespace quillmark
