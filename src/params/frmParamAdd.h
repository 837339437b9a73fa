#pragma once

#include "comments/DevelopmentLanguage.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace quillmark {

struct ParamTypeCatalogues;

// "Add New Parameter": collects one parameter's name, type, description and (Visual Basic only)
// optional flag. The caller shows it modally and reads the fields after it has closed; the type
// list offers the current language's catalogue, which cmdAddType extends on the spot.
class frmParamAdd : public QDialog {
    Q_OBJECT

public:
    frmParamAdd(DevelopmentLanguage language, ParamTypeCatalogues& catalogues,
                QWidget* parent = nullptr);

    // True only when the dialog was closed with OK.
    bool OKPressed() const { return okPressed_; }

    QLineEdit* txtParamName() const { return txtParamName_; }
    QComboBox* cmbParamType() const { return cmbParamType_; }
    QPushButton* cmdAddType() const { return cmdAddType_; }
    QLineEdit* txtParamDescription() const { return txtParamDescription_; }
    QCheckBox* chkOptional() const { return chkOptional_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

    // Asks for a new type name and appends it to the file, the catalogue and the open list.
    void cmdAddType_Click();

    // Escape and every other way of closing count as Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Form_Load();
    void cmdOK_Click();
    // The Alt+N, Alt+T and Alt+D focus keys; null for any other key.
    QWidget* FocusKeyTarget(const QKeyEvent& key) const;
    // A press that edits a text field: printable text or Backspace, without Ctrl, Alt or Meta.
    static bool TypesText(const QKeyEvent& key);
    void AddToTypeList(const QString& typeName);
    void ReportFailedWrite(const QString& filePath, const QString& reason, bool keptForTheRun);

    DevelopmentLanguage language_;
    ParamTypeCatalogues& catalogues_;
    bool okPressed_ = false;

    QLineEdit* txtParamName_ = nullptr;
    QComboBox* cmbParamType_ = nullptr;
    QPushButton* cmdAddType_ = nullptr;
    QLineEdit* txtParamDescription_ = nullptr;
    QCheckBox* chkOptional_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace quillmark
