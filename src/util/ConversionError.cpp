#include "util/ConversionError.h"

namespace quillmark {

ConversionError::ConversionError(QString value)
    : std::runtime_error((QStringLiteral("cannot convert \"") + value + u'"').toStdString()),
      value_(std::move(value)) {}

} // namespace quillmark
