#include "about/frmabout.h"

#include "about/sysinfo.h"
#include "ui/apptitle.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "version.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace vte {

namespace {

void fill(QWidget *widget, QRgb color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

const QString Description =
    QStringLiteral("Manage all of your planes in easy and style.  Import an existing plane, make changes as required, "
                   "and then export your plane complete with default ammo and rocket types.  By using the Tools "
                   "Load/Save function, you can quickly create and load your favorite default settings via the System "
                   "Registry, make any changes required and then export your plane .  Individual planes will "
                   "automatically be saved with your ammo and rocket type choices.");

} // namespace

frmAbout::frmAbout(Dialogs &dialogs, SystemInfoHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , dialogs_(dialogs)
    , host_(host)
    , twips_(font())
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About VTP Editor"));
    createControls();
    Form_Load();
}

void frmAbout::createControls()
{
    // OK comes first so that it has the focus, and Enter means OK.
    cmdOK = twips_.place<QPushButton>(this, QStringLiteral("cmdOK"), {3960, 3000, 1467, 345});
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = twips_.place<QPushButton>(this, QStringLiteral("cmdSysInfo"), {300, 3000, 1452, 345});
    cmdSysInfo->setText(QStringLiteral("&System Info..."));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    picIcon = twips_.place<QLabel>(this, QStringLiteral("picIcon"), {240, 240, 540, 540});
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setAccessibleName(QStringLiteral("Program Icon"));
    fill(picIcon, 0xC0C0C0);

    lblTitle = twips_.place<QLabel>(this, QStringLiteral("lblTitle"), {1050, 240, 4275, 480});
    lblVersion = twips_.place<QLabel>(this, QStringLiteral("lblVersion"), {1050, 780, 4275, 225});
    lblDescription = twips_.place<QLabel>(this, QStringLiteral("lblDescription"), {1050, 1125, 4275, 1590});
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Line1 = twips_.place<QFrame>(this, QStringLiteral("Line1"), {225, 2880, 5657 - 225, 15});
    fill(Line1, 0x808080);
}

void frmAbout::Form_Load()
{
    // The icon is drawn separately; until it is there the grey box stays empty.
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icon/vteditor-32.png")));
    lblTitle->setText(ApplicationTitle);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VTEDITOR_VERSION_MAJOR)
                            .arg(VTEDITOR_VERSION_MINOR)
                            .arg(VTEDITOR_VERSION_PATCH));
    lblDescription->setText(Description);
    // The description takes as many lines as the font needs; what stands
    // below it moves down as far.
    setFixedSize(twips_.size(5865, 3630) + twips_.settle(this));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const auto program = systemInfoProgram(host_);
    if (!program || !host_.start(*program))
        dialogs_.message(this, QStringLiteral("System Information Is Unavailable At This Time"), ApplicationTitle);
}

} // namespace vte
