#pragma once

#include "settings/RegistryStore.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

namespace quillmark {

// "Version 4.01.0193": major as is, minor with two digits, revision with four.
QString VersionLine(int major, int minor, int revision);

// The about window. OK hides it; the main window keeps it loaded and shows it again.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr, RegistryStore registry = RegistryStore::Default());

    // Finds the system information program through the registry and starts it, or says that it
    // is unavailable.
    void StartSysInfo();

    // Reads one value of the registry as text: a text value without its terminating NUL, a 32-bit
    // number as decimal digits, any other type leaves KeyVal as it was. False, with KeyVal empty,
    // when the key or value is missing, holds more than 1024 bytes, or holds no data at all.
    bool GetKeyValue(std::uint32_t& KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal) const;

    void reject() override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    bool StartProgram(const QString& path) const;
    void ShowUnavailable();

    RegistryStore registry_;
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

} // namespace quillmark
