#include "shell/frmMain.h"

#include "comments/CommentBlockBuilder.h"
#include "comments/CopyOperation.h"
#include "comments/FreeTextLines.h"
#include "comments/frmFreeComments.h"
#include "params/ParamListModel.h"
#include "params/ParamListView.h"
#include "params/ParameterList.h"
#include "settings/OptionsCommand.h"
#include "shell/AltChord.h"
#include "shell/ApplicationIcon.h"
#include "shell/OptionKeyFocus.h"
#include "shell/SelectAllText.h"
#include "shell/SingleLineText.h"
#include "shell/ToolbarKeyboard.h"
#include "shell/ToolbarPictures.h"
#include "shell/Twips.h"
#include "shell/frmAbout.h"
#include "shell/frmHelp.h"
#include "util/ApplicationTitle.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <utility>

namespace quillmark {

namespace {

// Bits of the key handler's Shift argument.
constexpr int ShiftBit = 1;
constexpr int CtrlBit = 2;
constexpr int AltBit = 4;

int ShiftBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        bits |= ShiftBit;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        bits |= CtrlBit;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        bits |= AltBit;
    }
    return bits;
}

bool IsWindowHotKey(int keyCode) {
    return keyCode == Qt::Key_B || keyCode == Qt::Key_E || keyCode == Qt::Key_I ||
           keyCode == Qt::Key_C;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, int left,
                         int top) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    PlaceInTwips(option, left, top, 1095, 255);
    return option;
}

QLineEdit* MakeField(QWidget* parent, const char* name, QLabel*& label, const char* labelName,
                     const QString& caption, int top) {
    label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(labelName));
    PlaceInTwips(label, 0, top, 1635, 315);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    KeepOnOneLine(*field);
    PlaceInTwips(field, 1680, top, 3135, 315);
    label->setBuddy(field);
    return field;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      endApplication_([] { QCoreApplication::quit(); }),
      clock_([] { return QDateTime::currentDateTime(); }) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ApplicationTitle());
    setWindowIcon(ApplicationIcon());
    setFixedSize(TwipsToPixelsX(this, 5310), TwipsToPixelsY(this, 4140));

    BuildToolbar();

    // The tab strip: its tabs, and the panel the two pages lie on.
    auto* tabPanel = new QFrame(this);
    tabPanel->setFrameShape(QFrame::StyledPanel);
    PlaceInTwips(tabPanel, 120, 780 + 360, 5055, 3255 - 360);
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->addTab(QStringLiteral("&General"));
    TabStrip1->setTabData(0, QStringLiteral("General"));
    TabStrip1->addTab(QStringLiteral("&Parameters"));
    TabStrip1->setTabData(1, QStringLiteral("Parameters"));
    PlaceInTwips(TabStrip1, 120, 780, 5055, 360);

    // Both pages stay visible, one covering the other, so the access keys of the covered page
    // still reach its controls.
    for (int index = 0; index < 2; ++index) {
        frames[index] = new QFrame(this);
        frames[index]->setObjectName(QStringLiteral("frames(%1)").arg(index));
        frames[index]->setAutoFillBackground(true);
        PlaceInTwips(frames[index], 240, 1260, 4815, 2535);
    }
    BuildGeneralPage();
    BuildParametersPage();
    frames[0]->raise();
    SetTabOrder();

    connect(TabStrip1, &QTabBar::currentChanged, this, &frmMain::TabStrip1_Click);
    // Choosing the tab already in front changes no index, yet still moves the focus onto its page.
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == TabStrip1->currentIndex()) {
            TabStrip1_Click();
        }
    });
    connect(optSub, &QRadioButton::clicked, this, &frmMain::optSub_Click);
    connect(optFunction, &QRadioButton::clicked, this, &frmMain::optFunction_Click);
    connect(optProperty, &QRadioButton::clicked, this, &frmMain::optProperty_Click);
    connect(optGeneral, &QRadioButton::clicked, this, &frmMain::optGeneral_Click);
    connect(optPublic, &QRadioButton::clicked, this, &frmMain::optPublic_Click);
    connect(optPrivate, &QRadioButton::clicked, this, &frmMain::optPrivate_Click);
    connect(optProtected, &QRadioButton::clicked, this, &frmMain::optProtected_Click);
    connect(cmdParamAdd, &QPushButton::clicked, this, &frmMain::cmdParamAdd_Click);
    connect(cmdParamRemove, &QPushButton::clicked, this, &frmMain::cmdParamRemove_Click);
    // Key preview: the window sees the keys (and focus changes) of its controls before they do.
    QCoreApplication::instance()->installEventFilter(this);
    // Alt+C goes through the shortcut map as well, which also matches it on a Cyrillic, Greek or
    // Hebrew layout, where the press reports that layout's letter. It marks the press; Copy still
    // runs on the release.
    auto* copyKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_C), this);
    connect(copyKey, &QShortcut::activated, this, [this] { copyKey_ = lastKeyPressedHere_; });
    txtSubName->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::BuildToolbar() {
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    // At a low resolution the toolbar is fewer pixels wide: pictures of a fixed pixel size would
    // push "Help" into the overflow menu, out of the keyboard's reach.
    Toolbar1->setIconSize(SizeFromDesignPixels(Toolbar1, ToolbarPictureSize));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    PlaceInTwips(Toolbar1, 0, 0, 5310, 705);

    const auto addButton = [this](const char* key, const char* toolTip, const char* imageKey) {
        QAction* action = Toolbar1->addAction(ToolbarPicture(QString::fromLatin1(imageKey)),
                                              QString::fromLatin1(key));
        action->setObjectName(QString::fromLatin1(key));
        action->setToolTip(QString::fromLatin1(toolTip));
        Toolbar1->widgetForAction(action)->setObjectName(QString::fromLatin1(key));
    };
    addButton("Exit", "Exit Application", "Exit");
    Toolbar1->addSeparator();
    addButton("Copy", "Copy Comments to Clipboard", "Copy");
    addButton("Options", "Application Options", "Options");
    for (int separator = 0; separator < 3; ++separator) {
        Toolbar1->addSeparator();
    }
    addButton("Navigate", "Visit Our WebSite", "WebSite");
    // The placeholder takes whatever width is left, so "About" and "Help" stand at the right end.
    auto* spacer = new QWidget(Toolbar1);
    spacer->setObjectName(QStringLiteral("Spacer"));
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Toolbar1->addWidget(spacer);
    addButton("About", "About Quillmark", "About");
    addButton("Help", "Quillmrk Help", "Help");

    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { Toolbar1_ButtonClick(action->objectName()); });
    // One stop in the tab order, so the commands are in reach without the mouse.
    new ToolbarKeyboard(Toolbar1);
}

void frmMain::BuildGeneralPage() {
    QFrame* page = frames[0];
    Frame1 = new QGroupBox(QStringLiteral("Comments Type:"), page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    PlaceInTwips(Frame1, 0, 0, 2415, 975);
    optSub = MakeOption(Frame1, "optSub", QStringLiteral("&Sub"), 120, 240);
    optFunction = MakeOption(Frame1, "optFunction", QStringLiteral("&Function"), 1200, 240);
    optProperty = MakeOption(Frame1, "optProperty", QStringLiteral("Pr&operty"), 120, 600);
    optGeneral = MakeOption(Frame1, "optGeneral", QStringLiteral("Ge&neral"), 1200, 600);
    optSub->setChecked(true);

    Frame2 = new QGroupBox(QStringLiteral("Access:"), page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    PlaceInTwips(Frame2, 2520, 0, 2295, 975);
    optPublic = MakeOption(Frame2, "optPublic", QStringLiteral("P&ublic"), 120, 240);
    optProtected = MakeOption(Frame2, "optProtected", QStringLiteral("Pro&tected"), 1080, 240);
    optPrivate = MakeOption(Frame2, "optPrivate", QStringLiteral("Pri&vate"), 120, 600);
    optPublic->setChecked(true);

    txtSubName = MakeField(page, "txtSubName", Label1, "Label1",
                           QStringLiteral("Su&b/Function Name:"), 1200);
    txtSubPurpose =
        MakeField(page, "txtSubPurpose", Label2, "Label2", QStringLiteral("Purpos&e:"), 1680);
    txtSubReturns = MakeField(page, "txtSubReturns", Label3, "Label3",
                              QStringLiteral("Sub/Funct&ion Returns:"), 2160);
}

void frmMain::BuildParametersPage() {
    QFrame* page = frames[1];
    model_ = new ParamListModel(this);
    cmdParamAdd = new QPushButton(QStringLiteral("&Add"), page);
    cmdParamAdd->setObjectName(QStringLiteral("cmdParamAdd"));
    PlaceInTwips(cmdParamAdd, 3960, 120, 855, 375);
    cmdParamRemove = new QPushButton(QStringLiteral("&Remove"), page);
    cmdParamRemove->setObjectName(QStringLiteral("cmdParamRemove"));
    PlaceInTwips(cmdParamRemove, 3960, 600, 855, 375);
}

void frmMain::SetTabOrder() {
    // The parameter list takes its place between optPrivate and cmdParamAdd when it is built.
    const QList<QWidget*> order = {txtSubName,   txtSubPurpose, txtSubReturns, optSub,
                                   optFunction,  optProperty,   optGeneral,    optPublic,
                                   optProtected, optPrivate,    cmdParamAdd,   cmdParamRemove,
                                   Toolbar1,     TabStrip1};
    for (qsizetype index = 1; index < order.size(); ++index) {
        setTabOrder(order.at(index - 1), order.at(index));
    }
}

ParamListView& frmMain::ParamList() {
    if (lstParams == nullptr) {
        lstParams = new ParamListView(frames[1]);
        lstParams->setObjectName(QStringLiteral("lstParams"));
        lstParams->SetParamModel(model_);
        PlaceInTwips(lstParams, 0, 120, 3855, 2415);
        setTabOrder(optPrivate, lstParams);
        setTabOrder(lstParams, cmdParamAdd);
        if (frames[1]->isVisible()) {
            lstParams->show(); // a child added to a shown page stays hidden until told
        }
    }
    return *lstParams;
}

void frmMain::SetEndApplication(std::function<void()> endApplication) {
    endApplication_ = std::move(endApplication);
}

void frmMain::SetClock(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

void frmMain::Form_Load() {
    Form_Load(ReadStartupData());
}

void frmMain::Form_Load(StartupData data) {
    settings_ = std::move(data.Settings);
    ParameterList::ApplyStartupColumnRule(*model_, settings_.Language);
    catalogues_ = std::move(data.Catalogues);
    QCoreApplication::processEvents();
}

void frmMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        // The catalogues and the covered page's list: once the window is on the screen, so that
        // its first showing waits for neither.
        painted_ = true;
        QTimer::singleShot(0, this, [this] {
            catalogues_.Start();
            ParamList();
        });
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload() {
    // Nothing is saved or asked: the settings are written only when they change.
    endApplication_();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn) {
        if (!EntersTextBox(*event)) {
            return false;
        }
        if (watched == txtSubName) {
            txtSubName_GotFocus();
        } else if (watched == txtSubPurpose) {
            txtSubPurpose_GotFocus();
        } else if (watched == txtSubReturns) {
            txtSubReturns_GotFocus();
        }
        return false;
    }
    if (type == QEvent::Shortcut && watched == TabStrip1) {
        // The tab bar acts on its access keys only when they change the tab.
        const int current = TabStrip1->currentIndex();
        if (static_cast<QShortcutEvent*>(event)->key() ==
            QKeySequence::mnemonic(TabStrip1->tabText(current))) {
            TabStrip1_Click();
            return true;
        }
        return false;
    }
    if (type == QEvent::WindowDeactivate && watched == this) {
        keysPressedHere_.clear(); // their releases may go to another window
        return false;
    }
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
        type != QEvent::KeyRelease) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type != QEvent::KeyRelease) {
        // Every press reaches the focus widget at least as a shortcut override, also one that an
        // access key then takes.
        keysPressedHere_.insert(key->key());
        lastKeyPressedHere_ = key->key();
        // Presses that no access key took: an Alt chord never types its letter.
        return type == QEvent::KeyPress && IsAltTextChord(*key);
    }
    // A hot key acts on the release of a press this window saw. The release of Alt+C that
    // cancelled a dialog arrives here once the dialog has closed, and must not copy and clear.
    if (key->isAutoRepeat() || !keysPressedHere_.remove(key->key())) {
        return false;
    }
    const int hotKey = key->key() == std::exchange(copyKey_, 0) ? int(Qt::Key_C) : key->key();
    if (!key->modifiers().testFlag(Qt::AltModifier) || !IsWindowHotKey(hotKey)) {
        return false;
    }
    // Taken here so that the release, passed on to parent widgets, is handled once.
    Form_KeyUp(hotKey, ShiftBits(key->modifiers()));
    return true;
}

void frmMain::Form_KeyUp(int KeyCode, int Shift) {
    if ((Shift & AltBit) == 0) {
        return;
    }
    switch (KeyCode) {
    case Qt::Key_B:
        txtSubName->setFocus();
        break;
    case Qt::Key_E:
        txtSubPurpose->setFocus();
        break;
    case Qt::Key_I:
        txtSubReturns->setFocus();
        break;
    case Qt::Key_C:
        BuildComments();
        break;
    default:
        break;
    }
}

void frmMain::Toolbar1_ButtonClick(const QString& Key) {
    if (Key == QLatin1String("Exit")) {
        close();
    } else if (Key == QLatin1String("Copy")) {
        BuildComments();
    } else if (Key == QLatin1String("Options")) {
        ShowOptions();
    } else if (Key == QLatin1String("Navigate")) {
        Navigator1_.Navigate(QString::fromLatin1(ProductWebPage), QString(),
                             QString::fromLatin1(ProductBrowserWindow));
    } else if (Key == QLatin1String("About")) {
        ShowAbout();
    } else if (Key == QLatin1String("Help")) {
        ShowHelp();
    }
}

ProcedureDescription frmMain::ReadDescription() const {
    ProcedureDescription description;
    description.optFunction = optFunction->isChecked();
    description.optSub = optSub->isChecked();
    description.optProperty = optProperty->isChecked();
    description.optGeneral = optGeneral->isChecked();
    description.optPrivate = optPrivate->isChecked();
    description.optPublic = optPublic->isChecked();
    description.optProtected = optProtected->isChecked();
    description.Name = txtSubName->text();
    description.Purpose = txtSubPurpose->text();
    description.Returns = txtSubReturns->text();
    description.Parameters = ParameterList::ReadParameters(*model_, settings_.Language);
    return description;
}

void frmMain::BuildComments() {
    CommentRequest request = CopyOperation::GatherRequest(ReadDescription(), settings_, clock_());
    if (request.Kind == ProcedureKind::General) {
        request.FreeTextLines = FreeTextRoundTrip::Lines(
            freeComments_ != nullptr ? freeComments_->CommentText() : QString());
    }
    CopyOperation::Deliver(BuildCommentBlock(request));
    ResetWindow();
    QCoreApplication::processEvents();
    // Out of the way, so the user's editor is in front for pasting.
    showMinimized();
}

void frmMain::ResetWindow() {
    optSub->setChecked(true);
    optSub_Click();
    optPublic->setChecked(true);
    optPublic_Click();
    txtSubName->clear();
    txtSubPurpose->clear();
    txtSubReturns->clear();
    model_->Clear();
    txtSubName->setFocus();
    TabStrip1->setCurrentIndex(0);
}

void frmMain::TabStrip1_Click() {
    const int selected = TabStrip1->currentIndex() + 1;
    if (selected == 2) {
        ParamList();
    }
    if (selected == 1 || selected == 2) {
        frames[selected - 1]->raise();
    }
    QCoreApplication::processEvents(); // draw the page before the focus moves onto it
    const int now = TabStrip1->currentIndex() + 1;
    if (now == 1) {
        txtSubName->setFocus();
    } else if (now == 2) {
        cmdParamAdd->setFocus();
    }
}

void frmMain::optSub_Click() {
    GiveTheNameTheFocus();
}

void frmMain::optFunction_Click() {
    GiveTheNameTheFocus();
}

void frmMain::optProperty_Click() {
    GiveTheNameTheFocus();
}

void frmMain::optPublic_Click() {
    GiveTheNameTheFocus();
}

void frmMain::optPrivate_Click() {
    GiveTheNameTheFocus();
}

void frmMain::optProtected_Click() {
    GiveTheNameTheFocus();
}

void frmMain::GiveTheNameTheFocus() {
    GiveTheFocusFromAnOption(*txtSubName);
}

void frmMain::optGeneral_Click() {
    frmFreeComments dialog(this);
    freeComments_ = &dialog;
    dialog.exec();
    if (dialog.OKPressed) {
        BuildComments();
        GiveTheNameTheFocus(); // back from the General option, when an arrow key chose it
    } else {
        optSub->setChecked(true);
        optSub_Click();
        // The dialog has closed but this window is not active again yet, so the name's focus-in
        // comes as a re-activation, which selects nothing.
        SelectAllText(*txtSubName);
    }
    freeComments_ = nullptr;
}

void frmMain::txtSubName_GotFocus() {
    SelectAllText(*txtSubName);
}

void frmMain::txtSubPurpose_GotFocus() {
    SelectAllText(*txtSubPurpose);
}

void frmMain::txtSubReturns_GotFocus() {
    SelectAllText(*txtSubReturns);
}

void frmMain::cmdParamAdd_Click() {
    ParameterList::AddParameter(this, *model_, settings_.Language, catalogues_.Get());
}

void frmMain::cmdParamRemove_Click() {
    ParameterList::RemoveSelected(ParamList());
}

void frmMain::ShowOptions() {
    OptionsCommand::Run(this, settings_, *model_);
}

void frmMain::ShowAbout() {
    if (about_ == nullptr) {
        about_ = new frmAbout(this);
    }
    about_->exec();
}

void frmMain::ShowHelp() {
    frmHelp help(this);
    help.exec();
}

} // namespace quillmark
