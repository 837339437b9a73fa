#pragma once

#include "params/ParamTypeCatalogue.h"
#include "settings/SettingsLayout.h"
#include "shell/Navigator1.h"
#include "shell/StartupData.h"

#include <QDateTime>
#include <QSet>
#include <QWidget>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class QToolBar;

namespace quillmark {

class ParamListModel;
class ParamListView;
class frmAbout;
class frmFreeComments;
struct ProcedureDescription;

// The application's window: the description of one procedure on two stacked pages, the toolbar
// commands and the Alt hot keys. It owns the settings and type catalogues for the whole run.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, before the window is first shown: settings, column rule, catalogues. The second
    // form takes what a reading begun earlier found (see StartupReader).
    void Form_Load();
    void Form_Load(StartupData data);

    // Copy: the block on the clipboard, the window reset and minimised.
    void BuildComments();

    // Runs the command of a toolbar button by its key; separators and the spacer have none.
    void Toolbar1_ButtonClick(const QString& Key);

    // The window's key handler, on key release: with Alt (the 4 in Shift) held, B, E and I move
    // the focus to the name, purpose and returns fields and C copies.
    void Form_KeyUp(int KeyCode, int Shift);

    const GlobalSettings& Settings() const { return settings_; }
    // The parameter list (`lstParams`). It lies on the page that starts covered, so it is built
    // just after the window is first painted, or here when it is needed before that.
    ParamListView& ParamList();
    // Waits for the catalogues the first time, if they are still being read.
    const ParamTypeCatalogues& Catalogues() const { return catalogues_.Get(); }

    // What closing does once the window is gone; ends the application unless a test says otherwise.
    void SetEndApplication(std::function<void()> endApplication);
    // The clock Copy dates its block by; the system clock unless a test pins the day.
    void SetClock(std::function<QDateTime()> clock);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildToolbar();
    void BuildGeneralPage();
    void BuildParametersPage();
    void SetTabOrder();
    ProcedureDescription ReadDescription() const;
    void ResetWindow();

    void Form_Unload();
    void TabStrip1_Click();
    void optSub_Click();
    void optFunction_Click();
    void optProperty_Click();
    void optGeneral_Click();
    void optPublic_Click();
    void optPrivate_Click();
    void optProtected_Click();
    void GiveTheNameTheFocus();
    void txtSubName_GotFocus();
    void txtSubPurpose_GotFocus();
    void txtSubReturns_GotFocus();
    void cmdParamAdd_Click();
    void cmdParamRemove_Click();
    void ShowOptions();
    void ShowAbout();
    void ShowHelp();

    GlobalSettings settings_;
    mutable PendingCatalogues catalogues_; // read once the window is up, joined when first needed
    bool painted_ = false;                 // what waits for the first paint has been started
    QSet<int> keysPressedHere_;            // keys pressed in this window, not yet released
    int lastKeyPressedHere_ = 0;
    int copyKey_ = 0; // the key of the press the Alt+C shortcut took, until its release
    std::function<void()> endApplication_;
    std::function<QDateTime()> clock_;
    Navigator1 Navigator1_;
    frmAbout* about_ = nullptr;               // loaded at the first About, kept for the run
    frmFreeComments* freeComments_ = nullptr; // only while a General comment is being made

    QToolBar* Toolbar1 = nullptr;
    QTabBar* TabStrip1 = nullptr;
    QFrame* frames[2] = {};
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optSub = nullptr;
    QRadioButton* optFunction = nullptr;
    QRadioButton* optProperty = nullptr;
    QRadioButton* optGeneral = nullptr;
    QRadioButton* optPublic = nullptr;
    QRadioButton* optProtected = nullptr;
    QRadioButton* optPrivate = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtSubName = nullptr;
    QLineEdit* txtSubPurpose = nullptr;
    QLineEdit* txtSubReturns = nullptr;
    ParamListModel* model_ = nullptr;
    ParamListView* lstParams = nullptr;
    QPushButton* cmdParamAdd = nullptr;
    QPushButton* cmdParamRemove = nullptr;
};

} // namespace quillmark
