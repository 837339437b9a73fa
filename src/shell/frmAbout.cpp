#include "shell/frmAbout.h"

#include "QuillmarkVersion.h"
#include "shell/ApplicationIcon.h"
#include "shell/Twips.h"
#include "util/ApplicationTitle.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <optional>

namespace quillmark {

namespace {

// Where Windows records its system information program; on other systems both are absent unless
// set up by hand, and the window then says the program is unavailable.
constexpr char MsInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char MsInfoValue[] = "PATH";
constexpr char MsInfoLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char MsInfoLocationValue[] = "MSINFO";
constexpr char MsInfoProgram[] = "MSINFO32.EXE";

constexpr qsizetype ValueBufferBytes = 1024;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// One element of the etched rule: a one-pixel line of the given colour.
void MakeRuleLine(QWidget* parent, const char* name, const QColor& colour, int left, int top,
                  int right) {
    auto* line = new QWidget(parent);
    line->setObjectName(QString::fromLatin1(name));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    line->setGeometry(TwipsToPixelsX(line, left), TwipsToPixelsY(line, top),
                      TwipsToPixelsX(line, right - left), 1);
}

} // namespace

QString VersionLine(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(revision, 4, 10, QLatin1Char('0'));
}

frmAbout::frmAbout(QWidget* parent, RegistryStore registry)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      registry_(std::move(registry)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Quillmark"));
    setFixedSize(TwipsToPixelsX(this, 5730), TwipsToPixelsY(this, 3945));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    PlaceInTwips(picIcon, 240, 240, 480, 480);
    picIcon->setPixmap(ApplicationIcon().pixmap(picIcon->size()));

    lblTitle = MakeLabel(this, "lblTitle", QStringLiteral("Quillmark"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    PlaceInTwips(lblTitle, 1020, 240, 2970, 300);

    lblVersion = MakeLabel(this, "lblVersion", QStringLiteral("Version"));
    PlaceInTwips(lblVersion, 1050, 600, 3885, 225);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Published by the Quillmark developers."));
    PlaceInTwips(Label1, 1050, 840, 3885, 225);

    lblDescription = MakeLabel(
        this, "lblDescription",
        QStringLiteral("Facilitates easy and professionally formatted comments for a multitude of "
                       "development languages.  Simply specify the requested fields and your "
                       "comments are formatted and send to the clipboard for easy insertion into "
                       "your project."));
    PlaceInTwips(lblDescription, 1050, 1320, 3885, 1050);

    MakeRuleLine(this, "Line1(0)", QColor(0x80, 0x80, 0x80), 90, 2445, 5654);
    MakeRuleLine(this, "Line1(1)", Qt::white, 105, 2460, 5654);

    lblDisclaimer =
        MakeLabel(this, "lblDisclaimer",
                  QStringLiteral("Warning: this program is protected by copyright law. Copying or "
                                 "distributing it, or any part of it, without permission may be "
                                 "prosecuted to the full extent of the law."));
    PlaceInTwips(lblDisclaimer, 255, 2625, 3870, 1185);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    PlaceInTwips(cmdOK, 4245, 2625, 1260, 345);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    // With the focus on it, Enter presses this button, as on any dialog; elsewhere OK takes it.
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    PlaceInTwips(cmdSysInfo, 4260, 3075, 1245, 345);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    lblVersion->setText(VersionLine(version::Major, version::Minor, version::Revision));
}

void frmAbout::reject() {
    cmdOK_Click(); // Escape is OK's too: the window only hides
}

void frmAbout::cmdOK_Click() {
    done(Accepted);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    try {
        std::uint32_t root = RegistryRoot::HKEY_LOCAL_MACHINE;
        QString path;
        if (!GetKeyValue(root, QString::fromLatin1(MsInfoKey), QString::fromLatin1(MsInfoValue),
                         path)) {
            if (!GetKeyValue(root, QString::fromLatin1(MsInfoLocationKey),
                             QString::fromLatin1(MsInfoLocationValue), path)) {
                ShowUnavailable();
                return;
            }
            const QString program = QDir(path).filePath(QString::fromLatin1(MsInfoProgram));
            if (!QFileInfo(program).isFile()) {
                ShowUnavailable();
                return;
            }
            path = program;
        }
        if (!StartProgram(path)) {
            ShowUnavailable();
        }
    } catch (const std::exception&) {
        ShowUnavailable();
    }
}

bool frmAbout::StartProgram(const QString& path) const {
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

void frmAbout::ShowUnavailable() {
    QMessageBox message(QMessageBox::NoIcon, ApplicationTitle(),
                        QStringLiteral("System Information Is Unavailable At This Time"),
                        QMessageBox::Ok, this);
    message.exec();
}

bool frmAbout::GetKeyValue(std::uint32_t& KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) const {
    const auto fail = [&KeyVal] {
        KeyVal.clear();
        return false;
    };
    if (!registry_.KeyExists(KeyRoot, KeyName)) {
        return fail();
    }
    const std::optional<RegistryValue> value = registry_.QueryValue(KeyRoot, KeyName, SubKeyRef);
    // A value with no data names nothing; reading it must not index before the buffer's start.
    if (!value || value->Data.isEmpty() || value->Data.size() > ValueBufferBytes) {
        return fail();
    }
    QByteArray data = value->Data;
    if (data.endsWith('\0')) {
        data.chop(1);
    }
    switch (value->Type) {
    case RegistryType::REG_SZ:
        KeyVal = QString::fromUtf8(data);
        break;
    case RegistryType::REG_DWORD: {
        std::uint32_t number = 0;
        for (qsizetype index = std::min<qsizetype>(data.size(), 4); index > 0; --index) {
            number = (number << 8) | static_cast<unsigned char>(data.at(index - 1));
        }
        KeyVal = QString::number(static_cast<std::int32_t>(number));
        break;
    }
    default:
        break; // other types leave KeyVal as it was
    }
    return true;
}

} // namespace quillmark
