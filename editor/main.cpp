// The program's start: one main window on the user's settings store.
#include "about/sysinfo.h"
#include "configs/settingsstore.h"
#include "editor/commandline.h"
#include "editor/dialogs.h"
#include "editor/exitafterfirstpaint.h"
#include "editor/frmmain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    const vte::CommandLine commandLine = vte::runCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    const QStringList &files = commandLine.files;
    QApplication app(argc, argv);
    vte::nameApplication();
    vte::ExitAfterFirstPaint firstPaint;
    if (qEnvironmentVariableIsSet("VTEDITOR_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&firstPaint);

    const std::unique_ptr<vte::SettingsStore> store = vte::SettingsStore::forCurrentUser();
    vte::QtDialogs dialogs;
    const std::unique_ptr<vte::SystemInfoHost> systemInfo = vte::platformSystemInfo();

    vte::frmMain window(*store, dialogs, *systemInfo);
    window.Form_Load();
    window.show();
    // Opened once the window is up, so any message has a window to stand on.
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.front()] { window.openPlaneFile(file); });
    return QApplication::exec();
}
