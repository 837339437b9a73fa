#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace quillmark {

// The toolbar's own pictures, drawn as shapes. The build tool EmbedPictures draws them into the
// program, which carries the pixels (PicturePixels.h); nothing draws them at start-up.

// The image keys that have a picture.
QStringList ToolbarDrawingKeys();
// The picture for `imageKey` at the image list's size times `scale` in pixels, premultiplied ARGB;
// blank for an unknown key.
QImage DrawToolbarPicture(const QString& imageKey, int scale = 1);

} // namespace quillmark
