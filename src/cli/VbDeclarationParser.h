#pragma once

#include "cli/ParsedDeclaration.h"

#include <QStringView>

namespace quillmark::cli {

// Reads one Visual Basic procedure declaration: Sub, Function, Property Get/Let/Set (the accessor
// word stays in the name: "Get Total"), access words, Declare ... Lib, ByVal/ByRef/Optional/
// ParamArray parameters with defaults, "As" types, type characters (Name$), arrays "x() As Long"
// and lines continued with " _". Without "As" the type is Variant; Friend reads as Public.
class VbDeclarationParser {
public:
    // Throws InputError when no procedure declaration can be read.
    static ParsedDeclaration Parse(QStringView text);
};

} // namespace quillmark::cli
