#pragma once

#include "comments/CommentParameter.h"
#include "comments/CommentRequest.h"
#include "settings/SettingsLayout.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace quillmark {

// What the main window holds when Copy runs: the two option groups as the buttons stand, the
// three fields and the parameter rows already read by the current language.
struct ProcedureDescription {
    bool optFunction = false;
    bool optSub = false;
    bool optProperty = false;
    bool optGeneral = false;
    bool optPrivate = false;
    bool optPublic = false;
    bool optProtected = false;
    QString Name;
    QString Purpose;
    QString Returns;
    QList<CommentParameter> Parameters;
};

// The copy operation apart from the window's widgets: gathering the request from the window's
// state and handing the block to the system clipboard (which needs the application object).
class CopyOperation {
public:
    // Options are read Function, Sub, Property, General and Private, Public, Protected; each one
    // selected sets the value, so with one selected per group that one counts.
    static ProcedureKind ReadKind(const ProcedureDescription& description);
    static AccessLevel ReadAccess(const ProcedureDescription& description);

    // Everything but FreeTextLines, which only the kind General needs.
    static CommentRequest GatherRequest(const ProcedureDescription& description,
                                        const GlobalSettings& settings, const QDateTime& now);

    // Clears the clipboard, then leaves the block on it as plain text and nothing else.
    static void Deliver(const QString& block);
};

} // namespace quillmark
