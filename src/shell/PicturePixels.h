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
    int Scale = 1; // device pixels per picture pixel: 2 for a screen of twice the density

    // The picture over the carried pixels, which it does not copy.
    QImage Image() const {
        QImage image(reinterpret_cast<const uchar*>(Pixels), Width, Height,
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(Scale);
        return image;
    }
};

// The application icon's window sizes, smallest first, from its PNG files.
std::span<const PicturePixels> ApplicationIconPixels();
// The toolbar's own pictures, named by image key: each at the design size, then each again at
// twice its pixels for screens of twice the density.
std::span<const PicturePixels> ToolbarPicturePixels();

} // namespace quillmark
