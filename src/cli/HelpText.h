#pragma once

#include <QString>

namespace quillmark::cli {

// The text of --help and --version.
class HelpText {
public:
    static QString Usage();
    static QString Version();
};

} // namespace quillmark::cli
