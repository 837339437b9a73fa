#pragma once

#include "comments/AccessLevel.h"
#include "comments/CommentParameter.h"
#include "comments/DevelopmentLanguage.h"
#include "comments/ProcedureKind.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillmark::cli {

// A procedure description as the command line sees it: every member may be left out, and what is
// left out is filled from a declaration, the settings file or the clock.
struct BlockDescription {
    std::optional<ProcedureKind> Kind;
    std::optional<AccessLevel> Access;
    std::optional<QString> Name;
    std::optional<QString> Purpose;
    std::optional<QString> Returns;
    std::optional<QList<CommentParameter>> Parameters;
    std::optional<QStringList> FreeTextLines;
    std::optional<DevelopmentLanguage> Language;
    std::optional<QString> BeginFree;
    std::optional<QString> EndFree;
    std::optional<QString> DeveloperName;
    std::optional<QDate> Date;
};

} // namespace quillmark::cli
