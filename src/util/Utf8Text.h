#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmark {

// UTF-8 decoded character for character: a leading U+FEFF is text (a zero-width no-break space the
// user typed, or one at the start of a line), not a byte order mark to drop, as
// QString::fromUtf8 would.
QString Utf8KeepingLeadingFeff(QByteArrayView bytes);

} // namespace quillmark
