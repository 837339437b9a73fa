#include "params/frmParamAdd.h"

#include "params/ParamTypeCatalogue.h"
#include "settings/SettingsLayout.h"
#include "shell/AltChord.h"
#include "shell/SingleLineText.h"
#include "shell/Twips.h"
#include "util/ApplicationTitle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace quillmark {

namespace {

constexpr QSize AddTypePictureSize(15, 16);

// A plain "+" for the add-type button, drawn rather than shipped as a file, in `scale` device
// pixels per picture pixel.
QPixmap AddTypePicture(int scale) {
    QPixmap image(AddTypePictureSize * scale);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(6, 3, 3, 10, Qt::darkGreen);
    painter.fillRect(2, 7, 11, 3, Qt::darkGreen);
    return image;
}

// Drawn for the densest screen as well, so that it is not shown enlarged and blurred there.
QIcon AddTypeIcon() {
    QIcon icon(AddTypePicture(1));
    const int finest = FinestPictureScale();
    if (finest > 1) {
        icon.addPixmap(AddTypePicture(finest));
    }
    return icon;
}

} // namespace

frmParamAdd::frmParamAdd(DevelopmentLanguage language, ParamTypeCatalogues& catalogues,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      language_(language), catalogues_(catalogues) {
    setObjectName(QStringLiteral("frmParamAdd"));
    setWindowTitle(QStringLiteral("Add New Parameter"));
    setModal(true);
    CreateControls();
    setFixedSize(SizeFromTwips(this, 4020, 2220));
    // The dialog sees its controls' keys first, as the Alt+N/T/D focus keys need.
    qApp->installEventFilter(this);
    Form_Load();
}

void frmParamAdd::CreateControls() {
    txtParamName_ = new QLineEdit(this);
    txtParamName_->setObjectName(QStringLiteral("txtParamName"));
    KeepOnOneLine(*txtParamName_);
    PlaceInTwips(txtParamName_, 1080, 240, 2775, 315);

    cmbParamType_ = new QComboBox(this);
    cmbParamType_->setObjectName(QStringLiteral("cmbParamType"));
    cmbParamType_->setEditable(true);
    // Typed text is used exactly as typed: no completion, and Enter must not add it to the list.
    cmbParamType_->setInsertPolicy(QComboBox::NoInsert);
    cmbParamType_->setCompleter(nullptr);
    KeepOnOneLine(*cmbParamType_);
    // Every entry is one line in the list's one font, so one entry's size serves for all. Without
    // this the list measures every name of the catalogue before it first drops down: 0.14 s for
    // 25,000 names, 0.7 s for 100,000.
    if (auto* list = qobject_cast<QListView*>(cmbParamType_->view())) {
        list->setUniformItemSizes(true);
    }
    PlaceInTwips(cmbParamType_, 1080, 720, 2535, 315);

    cmdAddType_ = new QPushButton(this);
    cmdAddType_->setObjectName(QStringLiteral("cmdAddType"));
    cmdAddType_->setToolTip(QStringLiteral("Add New Parameter Type To List"));
    cmdAddType_->setIcon(AddTypeIcon());
    cmdAddType_->setIconSize(SizeFromDesignPixels(cmdAddType_, AddTypePictureSize));
    PlaceInTwips(cmdAddType_, 3600, 722, 265, 285);

    txtParamDescription_ = new QLineEdit(this);
    txtParamDescription_->setObjectName(QStringLiteral("txtParamDescription"));
    KeepOnOneLine(*txtParamDescription_);
    PlaceInTwips(txtParamDescription_, 1080, 1200, 2775, 315);

    chkOptional_ = new QCheckBox(QStringLiteral("&Optional"), this);
    chkOptional_->setObjectName(QStringLiteral("chkOptional"));
    PlaceInTwips(chkOptional_, 120, 1680, 975, 255);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    PlaceInTwips(cmdOK_, 1680, 1680, 1095, 375);

    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    PlaceInTwips(cmdCancel_, 2880, 1680, 1095, 375);

    // The labels reach up to their boxes (the classic widths, 465, 405 and 840 twips, cut the
    // colons off in fonts wider than the classic dialog font).
    constexpr int labelWidth = 945;
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setBuddy(txtParamName_);
    PlaceInTwips(nameLabel, 120, 240, labelWidth, 195);
    auto* typeLabel = new QLabel(QStringLiteral("&Type:"), this);
    typeLabel->setBuddy(cmbParamType_);
    PlaceInTwips(typeLabel, 120, 720, labelWidth, 195);
    auto* descriptionLabel = new QLabel(QStringLiteral("&Description:"), this);
    descriptionLabel->setBuddy(txtParamDescription_);
    PlaceInTwips(descriptionLabel, 120, 1200, labelWidth, 195);

    QWidget::setTabOrder(txtParamName_, cmbParamType_);
    QWidget::setTabOrder(cmbParamType_, cmdAddType_);
    QWidget::setTabOrder(cmdAddType_, txtParamDescription_);
    QWidget::setTabOrder(txtParamDescription_, chkOptional_);
    QWidget::setTabOrder(chkOptional_, cmdOK_);
    QWidget::setTabOrder(cmdOK_, cmdCancel_);

    connect(cmdOK_, &QPushButton::clicked, this, &frmParamAdd::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmParamAdd::reject);
    connect(cmdAddType_, &QPushButton::clicked, this, &frmParamAdd::cmdAddType_Click);
}

void frmParamAdd::Form_Load() {
    if (const ParamTypeCatalogue* catalogue = catalogues_.ForLanguage(language_)) {
        // Visual Basic keeps entries made only of blanks; the other languages leave them out.
        cmbParamType_->addItems(catalogue->TypeListEntries(language_ == DevelopmentLanguage::VB));
    }
    cmbParamType_->setCurrentIndex(-1);
    okPressed_ = false;
}

void frmParamAdd::cmdOK_Click() {
    okPressed_ = true;
    accept();
}

void frmParamAdd::reject() {
    okPressed_ = false;
    QDialog::reject();
}

void frmParamAdd::cmdAddType_Click() {
    const QString displayName = SettingsLayout::DisplayName(language_);
    QInputDialog prompt(this);
    prompt.setInputMode(QInputDialog::TextInput);
    prompt.setWindowTitle(QStringLiteral("Add New Parameter - ") + displayName);
    prompt.setLabelText(
        QStringLiteral("Please specify the new parameter type to add to your list"));
    prompt.setTextValue(QString());
    if (auto* answerBox = prompt.findChild<QLineEdit*>()) {
        KeepOnOneLine(*answerBox);
    }
    if (prompt.exec() != QDialog::Accepted) {
        return; // Cancel adds nothing; an empty answer confirmed with OK is stored like any other.
    }
    const QString answer = prompt.textValue();

    // The count is read from the file under its lock only now, after the prompt, so another
    // running copy's additions made meanwhile are not overwritten.
    const AppendTypeResult stored = ParamTypeCatalogueStore::Append(language_, answer);
    // A language outside the four (only from a hand-edited file) has no catalogue: the answer
    // serves this parameter only.
    ParamTypeCatalogue* catalogue = catalogues_.ForLanguage(language_);
    if (catalogue != nullptr) {
        catalogue->Append(answer); // holds for this run even when the file refused it
    }
    AddToTypeList(answer);
    if (!stored.Ok) {
        ReportFailedWrite(stored.FilePath, stored.Reason, catalogue != nullptr);
    }
}

void frmParamAdd::AddToTypeList(const QString& typeName) {
    // Adding the first item to an empty list would select it; the field keeps what it showed.
    QLineEdit* field = cmbParamType_->lineEdit();
    const int index = cmbParamType_->currentIndex();
    const QString text = field->text();
    const int cursor = field->cursorPosition();
    cmbParamType_->addItem(typeName);
    if (cmbParamType_->currentIndex() != index) {
        cmbParamType_->setCurrentIndex(index);
    }
    if (field->text() != text) {
        field->setText(text);
    }
    field->setCursorPosition(cursor);
}

void frmParamAdd::ReportFailedWrite(const QString& filePath, const QString& reason,
                                    bool keptForTheRun) {
    QMessageBox::warning(
        this, ApplicationTitle(),
        QStringLiteral("The new parameter type could not be stored in \"%1\": %2\n\n%3")
            .arg(filePath, reason,
                 keptForTheRun
                     ? QStringLiteral("It stays in the type list until the application is closed.")
                     : QStringLiteral("It can be chosen for this parameter only.")));
}

bool frmParamAdd::TypesText(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key.text();
    return key.key() == Qt::Key_Backspace || (!text.isEmpty() && text.at(0).isPrint());
}

QWidget* frmParamAdd::FocusKeyTarget(const QKeyEvent& key) const {
    if (!key.modifiers().testFlag(Qt::AltModifier)) {
        return nullptr;
    }
    switch (key.key()) {
    case Qt::Key_N:
        return txtParamName_;
    case Qt::Key_T:
        return cmbParamType_;
    case Qt::Key_D:
        return txtParamDescription_;
    default:
        return nullptr;
    }
}

bool frmParamAdd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::InputMethod && watched == cmbParamType_->view()) {
        // A character composed with a dead key arrives so, not as a key press: into the field too.
        cmbParamType_->hidePopup();
        const auto& input = *static_cast<QInputMethodEvent*>(event);
        QInputMethodEvent composed(input.preeditString(), input.attributes());
        composed.setCommitString(input.commitString(), input.replacementStart(),
                                 input.replacementLength());
        QCoreApplication::sendEvent(cmbParamType_->lineEdit(), &composed);
        return true;
    }
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease) {
        return QDialog::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (press && widget == cmbParamType_->view() && TypesText(key)) {
        // Typed while the list is open, the text goes into the field, as a typed type should;
        // the list would only look for an entry with it and take that on Enter.
        cmbParamType_->hidePopup();
        QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
        QCoreApplication::sendEvent(cmbParamType_->lineEdit(), &typed);
        return true;
    }
    const bool inThisDialog = widget == this || isAncestorOf(widget);
    QWidget* target = inThisDialog ? FocusKeyTarget(key) : nullptr;
    if (target == nullptr) {
        // An Alt chord that no access key took is a command, never text: here and in the
        // add-type prompt.
        const bool ours = inThisDialog || widget->window()->parentWidget() == this;
        if (ours && press && IsAltTextChord(key)) {
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    // The move happens on release; the press is swallowed so that a text box does not take the
    // letter as typed text.
    if (!press) {
        target->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

} // namespace quillmark
