// The program's start: one main window on the user's settings store.
#include "about/sysinfo.h"
#include "configs/settingsstore.h"
#include "editor/apptitle.h"
#include "editor/console.h"
#include "editor/dialogs.h"
#include "editor/exitafterfirstpaint.h"
#include "editor/frmmain.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(vte::ApplicationTitle);
    QCoreApplication::setApplicationVersion(QStringLiteral(VTEDITOR_VERSION));
}

// Parsed before any window exists, so --help and --version work without a display.
QStringList filesToOpen(int argc, char *argv[])
{
    const QCoreApplication core(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for Vantorel plane files"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A plane file to open at start."),
                                 QStringLiteral("[file]"));
    vte::processCommandLine(parser);
    return parser.positionalArguments();
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList files = filesToOpen(argc, argv);
    QApplication app(argc, argv);
    nameApplication();
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
