#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

namespace quillmark::cli {

// Puts text on the desktop clipboard through a helper program. A clipboard selection belongs to a
// running process and would vanish when this short-lived program exits, so the helper (wl-copy
// on Wayland, xclip or xsel on X11) takes the bytes and keeps serving them.
class ClipboardHandOff {
public:
    struct Result {
        bool Ok = false;
        QString Message; // why it failed, one line
    };

    static Result
    Copy(const QByteArray& bytes,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
};

} // namespace quillmark::cli
