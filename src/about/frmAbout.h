#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's icon, title and version, the maker's contact details, and a
// button that starts the system-information viewer.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);
    ~frmAbout() override;

    // cmdSysInfo: starts the system-information viewer (StartSysInfo).
    void openSystemInformation();

private:
    void createControls();
    void load();

    Platform& m_platform;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};
