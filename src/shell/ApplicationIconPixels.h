#pragma once

#include <QtGlobal>
#include <span>

namespace quillmark {

// One size of the application icon: Size x Size premultiplied ARGB pixels, row by row.
struct IconPixels {
    int Size = 0;
    const quint32* Pixels = nullptr;
};

// The icon's window sizes, decoded from its PNG files when the program is built (the build tool
// EmbedIconPixels writes the definition), so start-up decodes no PNG.
std::span<const IconPixels> ApplicationIconPixels();

} // namespace quillmark
