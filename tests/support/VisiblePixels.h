#pragma once

#include <QImage>

namespace quillmark::test {

// Whether any pixel of `image` is not fully transparent.
inline bool HasVisiblePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace quillmark::test
