#pragma once

#include "ui/twips.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vte {

class Dialogs;
class SystemInfoHost;

// The About box: what the program is, its version, and a way to the
// machine's system information.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Dialogs &dialogs, SystemInfoHost &host, QWidget *parent);

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void createControls();
    void Form_Load();
    void StartSysInfo();

    Dialogs &dialogs_;
    SystemInfoHost &host_;
    const DesignUnits twips_;
    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QFrame *Line1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
};

} // namespace vte
