#pragma once

#include "cli/ParsedDeclaration.h"

#include <QStringView>

namespace quillmark::cli {

// Reads one Delphi (Object Pascal) routine: procedure, function, constructor, destructor,
// class methods, qualified names (TOrder.GetTotal), visibility words, const/var/out/constref
// parameters with grouped names (a, b: Integer) and defaults, the result type, directives after
// the first ";", and procedural types ("TNotify = procedure(Sender: TObject) of object").
class DelphiDeclarationParser {
public:
    // Throws InputError when no routine declaration can be read.
    static ParsedDeclaration Parse(QStringView text);
};

} // namespace quillmark::cli
