// The program's start: one main window on the user's settings store.
#include "about/sysinfo.h"
#include "configs/settingsstore.h"
#include "editor/apptitle.h"
#include "editor/dialogs.h"
#include "editor/frmmain.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(vte::ApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral(VTEDITOR_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/vteditor-32.png")));

    const std::unique_ptr<vte::SettingsStore> store = vte::QSettingsStore::forCurrentUser();
    vte::QtDialogs dialogs;
    const std::unique_ptr<vte::SystemInfoHost> systemInfo = vte::platformSystemInfo();

    vte::frmMain window(*store, dialogs, *systemInfo);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
