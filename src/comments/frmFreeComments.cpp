#include "comments/frmFreeComments.h"

#include "comments/FreeTextLines.h"
#include "shell/AltChord.h"
#include "shell/SelectAllText.h"
#include "shell/Twips.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace quillmark {

frmFreeComments::frmFreeComments(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmFreeComments"));
    setWindowTitle(QStringLiteral("Free Text Comments"));
    setFixedSize(TwipsToPixelsX(this, 6375), TwipsToPixelsY(this, 4485));

    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComments->setTabChangesFocus(true);
    PlaceInTwips(txtComments, 120, 120, 6135, 3735);
    txtComments->installEventFilter(this);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(false);
    PlaceInTwips(cmdOK, 3960, 3960, 1095, 375);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    PlaceInTwips(cmdCancel, 5160, 3960, 1095, 375);

    setTabOrder(txtComments, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtComments->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmFreeComments::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFreeComments::cmdCancel_Click);
}

QString frmFreeComments::CommentText() const {
    // The raw text: the plain-text view would turn a no-break space into a blank.
    return SeparatorsAsLineFeeds(txtComments->document()->toRawText())
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void frmFreeComments::reject() {
    cmdCancel_Click();
}

bool frmFreeComments::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtComments) {
        if (EntersTextBox(*event)) {
            txtComments_GotFocus();
        } else if (event->type() == QEvent::KeyPress &&
                   IsAltTextChord(*static_cast<QKeyEvent*>(event))) {
            return true; // an Alt chord is a command, never text
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmFreeComments::cmdOK_Click() {
    OKPressed = true;
    done(Accepted); // hides; the caller still reads the text
}

void frmFreeComments::cmdCancel_Click() {
    OKPressed = false;
    done(Rejected);
}

void frmFreeComments::txtComments_GotFocus() {
    SelectAllText(*txtComments);
}

} // namespace quillmark
