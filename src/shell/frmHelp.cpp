#include "shell/frmHelp.h"

#include "shell/HelpTexts.h"
#include "shell/Twips.h"

#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

namespace quillmark {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmHelp::frmHelp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Quillmark - Quick Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(TwipsToPixelsX(this, 6255), TwipsToPixelsY(this, 4950));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    PlaceInTwips(cmdOK, 5040, 4440, 1095, 375);

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->addTab(QStringLiteral("General Information"));
    TabStrip1->setTabData(0, QStringLiteral("General"));
    TabStrip1->addTab(QStringLiteral("Application HotKeys"));
    TabStrip1->setTabData(1, QStringLiteral("HotKeys"));
    TabStrip1->setDrawBase(true);
    PlaceInTwips(TabStrip1, 120, 120, 6015, 360);

    // The page behind the tabs: a framed panel the two pages lie on.
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    PlaceInTwips(panel, 120, 120 + 360, 6015, 4215 - 360);
    panel->lower();

    for (int index = 0; index < 2; ++index) {
        Frames[index] = new QFrame(this);
        Frames[index]->setObjectName(QStringLiteral("Frames(%1)").arg(index));
        Frames[index]->setAutoFillBackground(true);
        PlaceInTwips(Frames[index], 240, 480, 5775, 3735);
    }

    Text1 = new QPlainTextEdit(Frames[1]);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setReadOnly(true);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setBold(true);
    Text1->setFont(fixed);
    Text1->setPlainText(
        HelpTexts::HotKeyList().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    PlaceInTwips(Text1, 120, 1440, 5535, 2175);

    Label2 = MakeLabel(Frames[1], "Label2", HelpTexts::CopyHotKeyNote());
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    PlaceInTwips(Label2, 120, 1080, 5535, 375);

    Label1 = MakeLabel(Frames[1], "Label1", HelpTexts::HotKeysIntroduction());
    PlaceInTwips(Label1, 120, 360, 5535, 615);

    Label3 = MakeLabel(Frames[0], "Label3", HelpTexts::GeneralInformation());
    PlaceInTwips(Label3, 120, 360, 5535, 3255);

    setTabOrder(cmdOK, TabStrip1);
    setTabOrder(TabStrip1, Text1);
    Frames[0]->raise();
    cmdOK->setFocus();

    connect(TabStrip1, &QTabBar::currentChanged, this, &frmHelp::TabStrip1_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);
}

void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore(); // no cancel button: Escape leaves the window open
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmHelp::TabStrip1_Click() {
    const int index = TabStrip1->currentIndex();
    if (index >= 0 && index < 2) {
        Frames[index]->raise();
    }
}

void frmHelp::cmdOK_Click() {
    accept();
}

} // namespace quillmark
