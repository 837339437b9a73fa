#pragma once

#include "comments/AccessLevel.h"
#include "comments/CommentParameter.h"
#include "comments/ProcedureKind.h"

#include <QList>
#include <QString>

namespace quillmark::cli {

// What one source declaration tells about its procedure. Returns holds the return type of a
// function (empty for a Sub); parameter descriptions are left for the user.
struct ParsedDeclaration {
    ProcedureKind Kind = ProcedureKind::Sub;
    AccessLevel Access = AccessLevel::Public;
    QString Name;
    QString Returns;
    QList<CommentParameter> Parameters;
};

} // namespace quillmark::cli
