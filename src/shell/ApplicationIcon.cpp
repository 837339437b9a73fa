#include "shell/ApplicationIcon.h"

#include "shell/PicturePixels.h"

#include <QPixmap>

namespace quillmark {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const PicturePixels& picture : ApplicationIconPixels()) {
        icon.addPixmap(QPixmap::fromImage(picture.Image()));
    }
    return icon;
}

} // namespace quillmark
