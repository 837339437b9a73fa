#include "comments/CopyOperation.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quillmark {

ProcedureKind CopyOperation::ReadKind(const ProcedureDescription& description) {
    ProcedureKind kind = ProcedureKind::None;
    if (description.optFunction) {
        kind = ProcedureKind::Function;
    }
    if (description.optSub) {
        kind = ProcedureKind::Sub;
    }
    if (description.optProperty) {
        kind = ProcedureKind::Property;
    }
    if (description.optGeneral) {
        kind = ProcedureKind::General;
    }
    return kind;
}

AccessLevel CopyOperation::ReadAccess(const ProcedureDescription& description) {
    AccessLevel access = AccessLevel::None;
    if (description.optPrivate) {
        access = AccessLevel::Private;
    }
    if (description.optPublic) {
        access = AccessLevel::Public;
    }
    if (description.optProtected) {
        access = AccessLevel::Protected;
    }
    return access;
}

CommentRequest CopyOperation::GatherRequest(const ProcedureDescription& description,
                                            const GlobalSettings& settings, const QDateTime& now) {
    CommentRequest request;
    request.Kind = ReadKind(description);
    request.Access = ReadAccess(description);
    request.Name = description.Name;
    request.Purpose = description.Purpose;
    request.Returns = description.Returns;
    request.Parameters = description.Parameters;
    request.Language = settings.Language;
    request.BeginFree = settings.BeginFree;
    request.EndFree = settings.EndFree;
    request.DeveloperName = settings.PersonalName;
    request.Today = now;
    return request;
}

void CopyOperation::Deliver(const QString& block) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto* data = new QMimeData; // the clipboard takes ownership
    data->setText(block);
    clipboard->setMimeData(data);
}

} // namespace quillmark
