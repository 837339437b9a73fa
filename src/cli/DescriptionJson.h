#pragma once

#include "cli/BlockDescription.h"

#include <QByteArray>

namespace quillmark::cli {

// Writes a description as the JSON that the block generator reads, members that are present
// only; free text as one text with LF line breaks (an array when it has no line at all).
class DescriptionJson {
public:
    static QByteArray Write(const BlockDescription& description);
};

} // namespace quillmark::cli
