#pragma once

#include "cli/ParsedDeclaration.h"

#include <QStringView>

namespace quillmark::cli {

// Reads one C or C++ function declaration: return type with its qualifiers, the name (qualified
// names, operators, constructors, destructors), and each parameter's type and name, including
// pointers, references, arrays, templates with commas, function pointers and default arguments.
// Attributes, storage and calling-convention words are dropped. A "void" or empty return type
// makes a Sub; "static" on an unqualified name means file scope and reads as Private.
class CDeclarationParser {
public:
    // Throws InputError when no function declaration can be read.
    static ParsedDeclaration Parse(QStringView text);
};

} // namespace quillmark::cli
