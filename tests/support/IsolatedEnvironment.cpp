#include "support/IsolatedEnvironment.h"

#include <QDir>
#include <QtGlobal>

namespace quillmark::test {

IsolatedEnvironment::IsolatedEnvironment() {
    QDir().mkpath(ConfigHome());
    QDir().mkpath(DataHome());
    QDir().mkpath(TempDir());
    qputenv("HOME", root_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", ConfigHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", DataHome().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", root_.filePath(QStringLiteral("cache")).toLocal8Bit());
    qputenv("TMPDIR", TempDir().toLocal8Bit());
}

IsolatedEnvironment::~IsolatedEnvironment() = default;

} // namespace quillmark::test
