#pragma once

#include <QString>

namespace quillmark {

// One row of the parameter list as the comment block sees it. A parameter is optional only when
// Optional is exactly "Yes", and only under Visual Basic.
struct CommentParameter {
    QString Name;
    QString Optional;
    QString Type;
    QString Description;

    bool IsOptional() const { return Optional == QLatin1String("Yes"); }
};

} // namespace quillmark
