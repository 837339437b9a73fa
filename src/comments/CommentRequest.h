#pragma once

#include "comments/AccessLevel.h"
#include "comments/CommentParameter.h"
#include "comments/DevelopmentLanguage.h"
#include "comments/ProcedureKind.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillmark {

// Everything the comment block depends on; nothing else influences its text.
struct CommentRequest {
    ProcedureKind Kind = ProcedureKind::Sub;
    AccessLevel Access = AccessLevel::Public;
    QString Name;
    QString Purpose;
    QString Returns;
    QList<CommentParameter> Parameters;
    QStringList FreeTextLines; // General only
    DevelopmentLanguage Language = DevelopmentLanguage::VB;
    QString BeginFree;
    QString EndFree;
    QString DeveloperName;
    QDateTime Today; // only the date is used
};

} // namespace quillmark
