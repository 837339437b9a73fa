#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillmark::test {

// Points HOME, the XDG folders and TMPDIR at a fresh temporary folder for the life of the object,
// so tests never read or write the developer's own settings.
class IsolatedEnvironment {
public:
    IsolatedEnvironment();
    ~IsolatedEnvironment();
    IsolatedEnvironment(const IsolatedEnvironment&) = delete;
    IsolatedEnvironment& operator=(const IsolatedEnvironment&) = delete;

    QString ConfigHome() const { return root_.filePath(QStringLiteral("config")); }
    QString DataHome() const { return root_.filePath(QStringLiteral("data")); }
    QString TempDir() const { return root_.filePath(QStringLiteral("tmp")); }

private:
    QTemporaryDir root_;
};

} // namespace quillmark::test
