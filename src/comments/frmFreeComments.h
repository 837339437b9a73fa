#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace quillmark {

// The free-text dialog of the kind General. OK and Cancel only set OKPressed and hide the dialog,
// so its caller can still read the text afterwards; any other way of closing counts as Cancel.
class frmFreeComments : public QDialog {
    Q_OBJECT

public:
    explicit frmFreeComments(QWidget* parent = nullptr);

    bool OKPressed = false;

    // The typed text, lines separated by CR LF.
    QString CommentText() const;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();
    void txtComments_GotFocus();

    QPlainTextEdit* txtComments;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace quillmark
