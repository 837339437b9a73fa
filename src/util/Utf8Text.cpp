#include "util/Utf8Text.h"

#include <QStringDecoder>

namespace quillmark {

QString Utf8KeepingLeadingFeff(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace quillmark
