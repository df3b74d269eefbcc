// The least a Qt Widgets program does to show a window, one empty main window:
// the yardstick for the editor's start-up time and memory.
#include "editor/exitafterfirstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vte::ExitAfterFirstPaint firstPaint;
    if (qEnvironmentVariableIsSet("VTEDITOR_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&firstPaint);
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
