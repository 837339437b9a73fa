#pragma once

#include <QString>
#include <exception>

namespace quillmark::cli {

// Bad input from the user (options, JSON, a declaration, a block): its message is one line that
// names what is wrong, printed on standard error with exit status 2.
class InputError : public std::exception {
public:
    // Line breaks and other control characters quoted from the input are shown as escapes
    // ("\n", "\u2028"), so the message stays one line whatever the user gave.
    explicit InputError(const QString& message) : message_(OnOneLine(message)) {}

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return "quillmark-block input error"; }

private:
    static QString OnOneLine(const QString& text);

    QString message_;
};

} // namespace quillmark::cli
