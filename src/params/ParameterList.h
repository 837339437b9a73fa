#pragma once

#include "comments/CommentParameter.h"
#include "comments/DevelopmentLanguage.h"

#include <QList>

class QWidget;

namespace quillmark {

class ParamListModel;
class ParamListView;
struct ParamTypeCatalogues;

// The operations of the main window's parameter list.
class ParameterList {
public:
    // At start-up: remove "Optional" (column 2) unless the language is Visual Basic.
    static void ApplyStartupColumnRule(ParamListModel& list, DevelopmentLanguage language);
    // After the options dialog, OK or Cancel: "Optional" back at position 2 (600 twips) under
    // Visual Basic with exactly 3 columns; removed under C/C++, Delphi and Custom with exactly 4.
    // A language number outside the four leaves the columns as they are.
    static void ApplyColumnRuleAfterOptions(ParamListModel& list, DevelopmentLanguage language);
    // `cmdParamAdd_Click`: the entry dialog, then one row appended on OK.
    static void AddParameter(QWidget* parent, ParamListModel& list, DevelopmentLanguage language,
                             ParamTypeCatalogues& catalogues);
    // `cmdParamRemove_Click`: removes the selected row; nothing selected does nothing.
    static void RemoveSelected(ParamListView& view);
    // The rows as the copy operation reads them, with the Optional flag under Visual Basic only.
    static QList<CommentParameter> ReadParameters(const ParamListModel& list,
                                                  DevelopmentLanguage language);
};

} // namespace quillmark
