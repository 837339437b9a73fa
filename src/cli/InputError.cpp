#include "cli/InputError.h"

namespace quillmark::cli {

QString InputError::OnOneLine(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        switch (code) {
        case u'\n':
            shown += QLatin1StringView("\\n");
            continue;
        case u'\r':
            shown += QLatin1StringView("\\r");
            continue;
        case u'\t':
            shown += QLatin1StringView("\\t");
            continue;
        default:
            break;
        }
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (control || code == 0x2028 || code == 0x2029) {
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
        } else {
            shown += character;
        }
    }
    return shown;
}

} // namespace quillmark::cli
