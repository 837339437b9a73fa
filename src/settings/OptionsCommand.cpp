#include "settings/OptionsCommand.h"

#include "params/ParameterList.h"
#include "settings/frmOptions.h"

#include <QLineEdit>

namespace quillmark {

void OptionsCommand::Run(QWidget* parent, GlobalSettings& settings, ParamListModel& list) {
    frmOptions dialog(settings, parent);
    dialog.txtName()->setText(settings.PersonalName);
    // Selecting runs the option's handler, which may empty the custom boxes; they are filled
    // afterwards so that they always open with the stored strings.
    dialog.SelectLanguage(settings.Language);
    dialog.txtBeginComments()->setText(settings.BeginFree);
    dialog.txtEndComments()->setText(settings.EndFree);
    dialog.ShowCustomRemarks(settings.Language == DevelopmentLanguage::Custom);
    dialog.exec(); // OK has stored and applied everything; Cancel changed nothing
    ParameterList::ApplyColumnRuleAfterOptions(list, settings.Language);
}

} // namespace quillmark
