#pragma once

#include "cli/BlockDescription.h"

#include <QString>

namespace quillmark::cli {

// Reads a comment block that Quillmark produced back into its description: the remark strings
// (and with them the language), the kind, access, name, texts, parameters, date and developer,
// or the free text of a general block. Generating the block again from the result gives the
// same text. Fields that ran into the next column cannot always be told apart: the text is then
// split at the column where the next field would start (see --help).
class BlockReader {
public:
    // Accepts CR LF or LF line ends and blank lines around the block; throws InputError naming
    // the line that does not fit.
    static BlockDescription Read(const QString& block);
};

} // namespace quillmark::cli
