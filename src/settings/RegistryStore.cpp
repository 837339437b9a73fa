#include "settings/RegistryStore.h"

#include "settings/ProfileFile.h"
#include "settings/RegistryNames.h"

#include <QDir>
#include <QStandardPaths>

namespace quillmark {

namespace {

QString StoreFile(const QString& folder, std::uint32_t root) {
    const QString rootName = RegistryNames::RootName(root);
    return rootName.isEmpty() ? QString() : folder + u'/' + rootName + QStringLiteral(".reg");
}

} // namespace

RegistryStore RegistryStore::Default() {
    return RegistryStore(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/quillmark"));
}

RegistryStore::RegistryStore(QString folder) : folder_(std::move(folder)) {}

bool RegistryStore::KeyExists(std::uint32_t root, const QString& keyPath) const {
    const QString file = StoreFile(folder_, root);
    const auto path = RegistryNames::NormalizePath(keyPath);
    if (file.isEmpty() || !path) {
        return false;
    }
    // The root itself always exists.
    return path->isEmpty() ||
           ProfileFile::Read(file)->FindSection(RegistryNames::SectionFor(*path)) != nullptr;
}

bool RegistryStore::CreateKey(std::uint32_t root, const QString& keyPath) {
    const QString file = StoreFile(folder_, root);
    const auto path = RegistryNames::NormalizePath(keyPath);
    if (file.isEmpty() || !path) {
        return false;
    }
    // Every key on the way is made too, as RegCreateKeyEx does.
    QList<ProfileEdit> edits;
    const QStringList parts = path->split(u'\\');
    for (qsizetype depth = 1; depth <= parts.size() && !path->isEmpty(); ++depth) {
        edits.append({RegistryNames::SectionFor(parts.first(depth).join(u'\\')), std::nullopt, {}});
    }
    if (edits.isEmpty()) {
        return true;
    }
    QDir().mkpath(folder_);
    return ProfileFile::Write(file, edits).Ok;
}

std::optional<RegistryValue> RegistryStore::QueryValue(std::uint32_t root, const QString& keyPath,
                                                       const QString& valueName) const {
    const QString file = StoreFile(folder_, root);
    const auto path = RegistryNames::NormalizePath(keyPath);
    if (file.isEmpty() || !path) {
        return std::nullopt;
    }
    const auto text = ProfileFile::Value(file, RegistryNames::SectionFor(*path),
                                         RegistryNames::KeyFor(valueName));
    return text ? RegistryNames::Decode(*text) : std::nullopt;
}

bool RegistryStore::SetValue(std::uint32_t root, const QString& keyPath, const QString& valueName,
                             const RegistryValue& value) {
    if (!KeyExists(root, keyPath)) {
        return false;
    }
    const QString file = StoreFile(folder_, root);
    const QString section = RegistryNames::SectionFor(*RegistryNames::NormalizePath(keyPath));
    QDir().mkpath(folder_);
    // The key's section goes with the value, so a root-level value needs no key made first.
    return ProfileFile::Write(
               file, {{section, std::nullopt, {}},
                      {section, RegistryNames::KeyFor(valueName), RegistryNames::Encode(value)}})
        .Ok;
}

} // namespace quillmark
