#include "comments/CharacterCount.h"

namespace quillmark {

qsizetype CharacterCount(QStringView text) noexcept {
    qsizetype count = text.size();
    const QChar* data = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i + 1 < size; ++i) {
        if (data[i].isHighSurrogate() && data[i + 1].isLowSurrogate()) {
            --count;
            ++i;
        }
    }
    return count;
}

} // namespace quillmark
