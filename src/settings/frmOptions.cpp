#include "settings/frmOptions.h"

#include "settings/SettingsLayout.h"
#include "shell/AltChord.h"
#include "shell/OptionKeyFocus.h"
#include "shell/SelectAllText.h"
#include "shell/SingleLineText.h"
#include "shell/Twips.h"
#include "util/ApplicationTitle.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace quillmark {

namespace {

constexpr int CustomIndex = static_cast<int>(DevelopmentLanguage::Custom);

// What OK stores from a box: a hand-edited value longer than a text box holds is shown cut; left
// as shown, it is written back whole rather than cut.
QString ShownOrStored(const QLineEdit& box, const QString& stored) {
    const int room = box.maxLength();
    return stored.size() > room && box.text() == QStringView(stored).left(room) ? stored
                                                                                : box.text();
}

} // namespace

frmOptions::frmOptions(GlobalSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      settings_(settings) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    CreateControls();
    setFixedSize(SizeFromTwips(this, 4680, 4320));
}

void frmOptions::CreateControls() {
    auto* Frame1 = new QGroupBox(QStringLiteral("Development Language:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    PlaceInTwips(Frame1, 120, 120, 4455, 2415);

    constexpr std::array<int, LanguageCount> optionTops{360, 720, 1080, 1440};
    for (int index = 0; index < LanguageCount; ++index) {
        auto* option = new QRadioButton(
            SettingsLayout::OptionCaption(static_cast<DevelopmentLanguage>(index)), Frame1);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(index));
        // Nearly as wide as the frame (4260 rather than 4095 twips): the long captions need the
        // room in fonts wider than the classic dialog font.
        PlaceInTwips(option, 120, optionTops.at(static_cast<size_t>(index)), 4260,
                     index == CustomIndex ? 195 : 255);
        Option1_.at(static_cast<size_t>(index)) = option;
    }
    // Selected at design; the caller's selection is what counts.
    Option1_.front()->setChecked(true);

    auto* Label3 = new QLabel(QStringLiteral("end remark characters"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    PlaceInTwips(Label3, 405, 1680, 3975, 255);

    txtBeginComments_ = new QLineEdit(Frame1);
    txtBeginComments_->setObjectName(QStringLiteral("txtBeginComments"));
    KeepOnOneLine(*txtBeginComments_);
    PlaceInTwips(txtBeginComments_, 600, 1920, 375, 315);

    lblCommentsHere_ = new QLabel(QStringLiteral("comments here"), Frame1);
    lblCommentsHere_->setObjectName(QStringLiteral("lblCommentsHere"));
    // Wider than the classic 1080 twips, up to the end box, so that the last letter shows.
    PlaceInTwips(lblCommentsHere_, 1080, 1980, 1200, 195);

    txtEndComments_ = new QLineEdit(Frame1);
    txtEndComments_->setObjectName(QStringLiteral("txtEndComments"));
    KeepOnOneLine(*txtEndComments_);
    PlaceInTwips(txtEndComments_, 2280, 1920, 375, 315);

    auto* Frame2 = new QGroupBox(QStringLiteral("Personalization:"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    PlaceInTwips(Frame2, 120, 2640, 4455, 1095);

    auto* Label1 = new QLabel(QStringLiteral("Developers Name:"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    PlaceInTwips(Label1, 120, 360, 1560, 195); // 1320 twips in the classic font: the colon is cut

    txtName_ = new QLineEdit(Frame2);
    txtName_->setObjectName(QStringLiteral("txtName"));
    KeepOnOneLine(*txtName_);
    PlaceInTwips(txtName_, 120, 600, 4215, 315);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    PlaceInTwips(cmdOK_, 2280, 3840, 1095, 375);

    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    PlaceInTwips(cmdCancel_, 3480, 3840, 1095, 375);

    const std::array<QWidget*, 9> tabOrder{Option1_.at(0), Option1_.at(1),    txtName_,
                                           cmdOK_,         cmdCancel_,        Option1_.at(2),
                                           Option1_.at(3), txtBeginComments_, txtEndComments_};
    for (size_t at = 1; at < tabOrder.size(); ++at) {
        QWidget::setTabOrder(tabOrder.at(at - 1), tabOrder.at(at));
    }

    for (int index = 0; index < LanguageCount; ++index) {
        connect(Option1_.at(static_cast<size_t>(index)), &QRadioButton::toggled, this,
                [this, index](bool checked) {
                    if (checked) {
                        Option1_Click(index);
                    }
                });
    }
    for (QLineEdit* box : {txtName_, txtBeginComments_, txtEndComments_}) {
        box->installEventFilter(this);
    }
    connect(cmdOK_, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmOptions::reject);
}

void frmOptions::SelectLanguage(DevelopmentLanguage language) {
    if (IsKnownLanguage(language)) {
        QRadioButton* option = Option1(static_cast<int>(language));
        option->setChecked(true);
        // The dialog opens on the chosen option, as Tab enters a group on it: on another option
        // the arrow keys would only move the focus and leave the choice where it was.
        option->setFocus();
        return;
    }
    // An exclusive group keeps one button checked; unchecking all needs the group opened briefly.
    for (QRadioButton* option : Option1_) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void frmOptions::ShowCustomRemarks(bool visible) {
    txtBeginComments_->setVisible(visible);
    lblCommentsHere_->setVisible(visible);
    txtEndComments_->setVisible(visible);
}

void frmOptions::Option1_Click(int index) {
    if (index == CustomIndex) {
        ShowCustomRemarks(true);
        // While the caller fills the dialog the focus is left alone.
        if (isVisible()) {
            GiveTheFocusFromAnOption(*txtBeginComments_);
        }
        return;
    }
    ShowCustomRemarks(false);
    txtBeginComments_->clear();
    txtEndComments_->clear();
}

std::optional<int> frmOptions::SelectedOption() const {
    for (int index = 0; index < LanguageCount; ++index) {
        if (Option1(index)->isChecked()) {
            return index;
        }
    }
    return std::nullopt;
}

void frmOptions::cmdOK_Click() {
    GlobalSettings chosen;
    // With no option chosen (a hand-edited language opens with none) the stored value stays.
    const std::optional<int> option = SelectedOption();
    chosen.Language = option ? static_cast<DevelopmentLanguage>(*option) : settings_.Language;
    chosen.PersonalName = ShownOrStored(*txtName_, settings_.PersonalName);
    chosen.BeginFree = ShownOrStored(*txtBeginComments_, settings_.BeginFree);
    chosen.EndFree = ShownOrStored(*txtEndComments_, settings_.EndFree);

    const SettingsWriteResult written = SettingsLayout::SaveGeneralSettings(chosen);
    // The new settings hold for this run even when the file refused them.
    settings_ = chosen;
    if (!written.Ok) {
        QMessageBox::warning(this, ApplicationTitle(),
                             QStringLiteral("The options could not be saved to \"%1\": %2\n\n"
                                            "They hold until the application is closed.")
                                 .arg(written.FilePath, written.Reason));
    }
    accept();
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (EntersTextBox(*event)) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            SelectAllText(*box);
        }
    } else if (event->type() == QEvent::KeyPress &&
               IsAltTextChord(*static_cast<QKeyEvent*>(event))) {
        return true; // an Alt chord that no access key took is a command, never text
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillmark
