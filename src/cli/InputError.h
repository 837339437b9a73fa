#pragma once

#include <QString>
#include <exception>

namespace quillmark::cli {

// Bad input from the user (options, JSON, a declaration, a block): its message is one line that
// names what is wrong, printed on standard error with exit status 2.
class InputError : public std::exception {
public:
    explicit InputError(QString message) : message_(std::move(message)) {}

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return "quillmark-block input error"; }

private:
    QString message_;
};

} // namespace quillmark::cli
