#pragma once

#include "settings/ProfileLocation.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillmark::test {

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

// Removes the user's settings folder, so each test starts like a first run.
inline void ForgetUserSettings(const QString& profileFolder) {
    QDir(profileFolder).removeRecursively();
}

// Tests of "Quillmrk.ini" in the default folder (at path_), each starting like a first run.
class SettingsFileFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetUserSettings(ProfileLocation::DefaultFolder());
        path_ = ProfileLocation::DefaultFolder() + "/Quillmrk.ini";
    }
    void Write(const QByteArray& bytes) {
        QDir().mkpath(ProfileLocation::DefaultFolder());
        WriteBytes(path_, bytes);
    }

    QString path_;
};

} // namespace quillmark::test
