#pragma once

#include <QString>
#include <stdexcept>

namespace quillmark {

// A value handed to Utility that cannot be converted to what the member needs (a date, a number).
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(QString value);

    const QString& Value() const noexcept { return value_; }

private:
    QString value_;
};

} // namespace quillmark
