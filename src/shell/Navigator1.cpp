#include "shell/Navigator1.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillmark {

bool Navigator1::Navigate(const QString& url, const QString& /*flags*/,
                          const QString& /*targetName*/) const {
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace quillmark
