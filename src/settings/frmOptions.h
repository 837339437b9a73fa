#pragma once

#include "comments/DevelopmentLanguage.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmark {

struct GlobalSettings;

// "Options": the development language, the custom remark strings and the developer's name. The
// caller fills it from the settings and shows it modally; OK stores everything in the settings
// file and the settings in memory at once, Cancel changes nothing.
class frmOptions : public QDialog {
    Q_OBJECT

public:
    static constexpr int LanguageCount = 4;

    explicit frmOptions(GlobalSettings& settings, QWidget* parent = nullptr);

    QRadioButton* Option1(int index) const { return Option1_.at(static_cast<size_t>(index)); }
    QLineEdit* txtName() const { return txtName_; }
    QLineEdit* txtBeginComments() const { return txtBeginComments_; }
    QLineEdit* txtEndComments() const { return txtEndComments_; }
    QLabel* lblCommentsHere() const { return lblCommentsHere_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

    // Selects the language's option as a click would; a value outside the four selects none.
    void SelectLanguage(DevelopmentLanguage language);
    // The begin box, "comments here" and the end box: shown only for Custom.
    void ShowCustomRemarks(bool visible);
    void Option1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void cmdOK_Click();
    std::optional<int> SelectedOption() const;

    GlobalSettings& settings_;

    std::array<QRadioButton*, LanguageCount> Option1_{};
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtBeginComments_ = nullptr;
    QLineEdit* txtEndComments_ = nullptr;
    QLabel* lblCommentsHere_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace quillmark
