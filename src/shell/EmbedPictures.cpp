// Build tool: writes pictures as C++ arrays of premultiplied ARGB pixels (see PicturePixels.h).
// Usage: quillmark_embed_pictures OUTPUT.cpp FUNCTION NAME=SOURCE...
// SOURCE is a PNG file, or "drawn" for the toolbar's own picture NAME (ToolbarDrawings.h), or
// "drawn@2x" for that picture at twice the pixels. The pictures are listed in the order given.
#include "shell/ToolbarDrawings.h"

#include <QImage>
#include <QSaveFile>
#include <cstdio>

namespace {

// The scale a "drawn" source asks for, or 0 if the source is not a drawing.
int DrawingScale(const QByteArray& source) {
    if (source == "drawn") {
        return 1;
    }
    if (source == "drawn@2x") {
        return 2;
    }
    return 0;
}

QImage LoadPicture(const QByteArray& name, const QByteArray& source) {
    if (const int scale = DrawingScale(source); scale > 0) {
        if (!quillmark::ToolbarDrawingKeys().contains(QString::fromLatin1(name))) {
            std::fprintf(stderr, "quillmark_embed_pictures: no drawing is named %s\n",
                         name.constData());
            return {};
        }
        QImage picture = quillmark::DrawToolbarPicture(QString::fromLatin1(name), scale);
        picture.setDevicePixelRatio(scale);
        return picture;
    }
    QImage picture;
    if (!picture.load(QString::fromLocal8Bit(source), "png")) {
        std::fprintf(stderr, "quillmark_embed_pictures: %s is not a PNG picture\n",
                     source.constData());
        return {};
    }
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void AppendPicture(const QByteArray& name, const QImage& picture, int index, QByteArray& arrays,
                   QByteArray& table) {
    const QByteArray array = "Pixels" + QByteArray::number(index);
    arrays += "constexpr quint32 " + array + "[] = {";
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            arrays += (x % 8 == 0 ? "\n    " : " ");
            arrays += "0x" + QByteArray::number(row[x], 16).rightJustified(8, '0') + ",";
        }
    }
    arrays += "\n};\n\n";
    table += "    {\"" + name + "\", " + QByteArray::number(picture.width()) + ", " +
             QByteArray::number(picture.height()) + ", " + array + ", " +
             QByteArray::number(qRound(picture.devicePixelRatio())) + "},\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: quillmark_embed_pictures OUTPUT.cpp FUNCTION NAME=SOURCE...\n");
        return 2;
    }
    QByteArray arrays;
    QByteArray table;
    for (int index = 3; index < argc; ++index) {
        const QByteArray argument(argv[index]);
        const qsizetype equals = argument.indexOf('=');
        const QByteArray name = argument.left(equals);
        const QImage picture = equals > 0 ? LoadPicture(name, argument.mid(equals + 1)) : QImage();
        if (picture.isNull()) {
            std::fprintf(stderr, "quillmark_embed_pictures: cannot take %s\n", argv[index]);
            return 1;
        }
        AppendPicture(name, picture, index - 3, arrays, table);
    }
    QSaveFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "quillmark_embed_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    output.write("// Written by quillmark_embed_pictures; do not edit.\n"
                 "#include \"shell/PicturePixels.h\"\n\n"
                 "namespace quillmark {\n\nnamespace {\n\n" +
                 arrays + "constexpr PicturePixels Pictures[] = {\n" + table +
                 "};\n\n} // namespace\n\n"
                 "std::span<const PicturePixels> " +
                 QByteArray(argv[2]) +
                 "() {\n    return Pictures;\n}\n\n} // namespace quillmark\n");
    if (!output.commit()) {
        std::fprintf(stderr, "quillmark_embed_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
