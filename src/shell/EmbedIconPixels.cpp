// Build tool: writes the application icon's PNG files as C++ arrays of premultiplied ARGB pixels
// (see ApplicationIconPixels.h).
// Usage: quillmark_embed_icon_pixels OUTPUT.cpp PICTURE.png...  (square pictures, smallest first)
#include <QImage>
#include <QSaveFile>
#include <cstdio>

namespace {

bool AppendPicture(const char* path, QByteArray& arrays, QByteArray& table) {
    QImage picture;
    if (!picture.load(QString::fromLocal8Bit(path), "png") || picture.width() != picture.height()) {
        std::fprintf(stderr, "quillmark_embed_icon_pixels: %s is not a square PNG picture\n", path);
        return false;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray name = "Pixels" + QByteArray::number(picture.width());
    arrays += "constexpr quint32 " + name + "[] = {";
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            arrays += (x % 8 == 0 ? "\n    " : " ");
            arrays += "0x" + QByteArray::number(row[x], 16).rightJustified(8, '0') + ",";
        }
    }
    arrays += "\n};\n\n";
    table += "    {" + QByteArray::number(picture.width()) + ", " + name + "},\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quillmark_embed_icon_pixels OUTPUT.cpp PICTURE.png...\n");
        return 2;
    }
    QByteArray arrays;
    QByteArray table;
    for (int index = 2; index < argc; ++index) {
        if (!AppendPicture(argv[index], arrays, table)) {
            return 1;
        }
    }
    QSaveFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "quillmark_embed_icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    output.write(
        "// Written by quillmark_embed_icon_pixels from the icon's PNG files; do not edit.\n"
        "#include \"shell/ApplicationIconPixels.h\"\n\n"
        "namespace quillmark {\n\nnamespace {\n\n" +
        arrays + "constexpr IconPixels Pictures[] = {\n" + table +
        "};\n\n} // namespace\n\n"
        "std::span<const IconPixels> ApplicationIconPixels() {\n"
        "    return Pictures;\n}\n\n} // namespace quillmark\n");
    if (!output.commit()) {
        std::fprintf(stderr, "quillmark_embed_icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
