#include "shell/ApplicationIcon.h"

#include "shell/ApplicationIconPixels.h"

#include <QImage>
#include <QPixmap>

namespace quillmark {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const IconPixels& picture : ApplicationIconPixels()) {
        const QImage pixels(reinterpret_cast<const uchar*>(picture.Pixels), picture.Size,
                            picture.Size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

} // namespace quillmark
