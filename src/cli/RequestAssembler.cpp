#include "cli/RequestAssembler.h"

namespace quillmark::cli {

CommentRequest RequestAssembler::Assemble(const BlockDescription& description,
                                          const std::optional<ParsedDeclaration>& declaration,
                                          const GlobalSettings& settings, const QDate& today) {
    CommentRequest request;
    if (declaration) {
        request.Kind = declaration->Kind;
        request.Access = declaration->Access;
        request.Name = declaration->Name;
        request.Returns = declaration->Returns;
        request.Parameters = declaration->Parameters;
    }
    request.Kind = description.Kind.value_or(request.Kind);
    request.Access = description.Access.value_or(request.Access);
    request.Name = description.Name.value_or(request.Name);
    request.Purpose = description.Purpose.value_or(QString());
    request.Returns = description.Returns.value_or(request.Returns);
    request.Parameters = description.Parameters.value_or(request.Parameters);
    if (request.Kind == ProcedureKind::General) {
        // The window's empty free-text box still gives one empty line.
        request.FreeTextLines = description.FreeTextLines.value_or(QStringList{QString()});
    }
    request.Language = description.Language.value_or(settings.Language);
    request.BeginFree = description.BeginFree.value_or(settings.BeginFree);
    request.EndFree = description.EndFree.value_or(settings.EndFree);
    request.DeveloperName = description.DeveloperName.value_or(settings.PersonalName);
    request.Today = QDateTime(description.Date.value_or(today), QTime(12, 0));
    return request;
}

} // namespace quillmark::cli
