#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace quillmark {

// The quick help: what the tool does, and the main window's hot keys. Each showing is a new
// window; OK or the close box closes it, Escape does not.
class frmHelp : public QDialog {
    Q_OBJECT

public:
    explicit frmHelp(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TabStrip1_Click();
    void cmdOK_Click();

    QPushButton* cmdOK;
    QTabBar* TabStrip1;
    QFrame* Frames[2];
    QPlainTextEdit* Text1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
};

} // namespace quillmark
