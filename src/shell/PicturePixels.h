#pragma once

#include <QImage>
#include <QtGlobal>
#include <span>

namespace quillmark {

// A picture the program carries as premultiplied ARGB pixels, row by row. The build tool
// EmbedPictures writes them when the program is built, so start-up neither decodes nor draws a
// picture.
struct PicturePixels {
    const char* Name = nullptr;
    int Width = 0;
    int Height = 0;
    const quint32* Pixels = nullptr;

    // The picture over the carried pixels, which it does not copy.
    QImage Image() const {
        return QImage(reinterpret_cast<const uchar*>(Pixels), Width, Height,
                      QImage::Format_ARGB32_Premultiplied);
    }
};

// The application icon's window sizes, smallest first, from its PNG files.
std::span<const PicturePixels> ApplicationIconPixels();
// The toolbar's own pictures, named by image key.
std::span<const PicturePixels> ToolbarPicturePixels();

} // namespace quillmark
