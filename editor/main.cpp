// The program's start: one main window on the user's settings store.
#include "about/sysinfo.h"
#include "configs/settingsstore.h"
#include "editor/commandline.h"
#include "editor/exitafterfirstpaint.h"
#include "editor/frmmain.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QTimer>

#include <thread>

#ifdef VTE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// The first text the window measures makes fontconfig read the system's font
// configuration, some fifty XML files: the largest single cost of the start.
// It needs nothing from Qt, so it is read while Qt connects to the display,
// which is mostly waiting. Qt's own later call then finds it done.
std::thread readFontConfiguration()
{
#ifdef VTE_FONTCONFIG
    return std::thread([] { FcInit(); });
#else
    return {};
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    const vte::CommandLine commandLine = vte::runCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    const QStringList &files = commandLine.files;
    std::thread fontConfiguration = readFontConfiguration();
    QApplication app(argc, argv);
    vte::ExitAfterFirstPaint firstPaint;
    if (qEnvironmentVariableIsSet("VTEDITOR_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&firstPaint);

    const std::unique_ptr<vte::SettingsStore> store = vte::SettingsStore::forCurrentUser();
    vte::QtDialogs dialogs;
    const std::unique_ptr<vte::SystemInfoHost> systemInfo = vte::platformSystemInfo();

    if (fontConfiguration.joinable())
        fontConfiguration.join();
    vte::frmMain window(*store, dialogs, *systemInfo);
    window.Form_Load();
    window.show();
    // Opened once the window is up, so any message has a window to stand on.
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.front()] { window.openStartingFile(file); });
    return QApplication::exec();
}
