// The real program as a user starts it: its version without a display, and a
// plane file named on the command line, driven on an X server with xdotool.
// What the program did is read back from the settings it writes at exit: only
// a successful open moves DefaultDir to the file's folder.

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "configs/settingsstore.h"
#include "configs/windowsettings.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vte;

namespace {

const QString MainWindowTitle = QStringLiteral("^Vantorel Plane Editor$");
const QString MessageBoxTitle = QStringLiteral("^VTEditor$");

struct Finished
{
    bool inTime = false;
    int exitCode = -1;
    QString output;
};

// Runs a helper to its end, or kills it once the time is up so that a window
// that never appears fails the test instead of hanging it.
Finished run(const QString &program, const QStringList &arguments, int milliseconds = 20000)
{
    QProcess process;
    process.start(program, arguments);
    Finished result;
    result.inTime = process.waitForFinished(milliseconds);
    if (!result.inTime) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return result;
}

Finished xdotool(const QStringList &arguments, int milliseconds = 20000)
{
    return run(QStringLiteral("xdotool"), arguments, milliseconds);
}

// The first visible window whose title matches, waiting for it to appear.
QString waitForWindow(const QString &title)
{
    const Finished found = xdotool({"search", "--sync", "--onlyvisible", "--name", title});
    return found.inTime && found.exitCode == 0 ? found.output.section(QLatin1Char('\n'), 0, 0) : QString();
}

bool windowShown(const QString &title)
{
    return xdotool({"search", "--onlyvisible", "--name", title}).exitCode == 0;
}

PlaneRecord goodRecord()
{
    PlaneSelections plane = defaultPlane();
    plane.PlaneName = QStringLiteral("Kestrel");
    plane.PlaneType = 2;
    return EncodePlaneRecord(InitPlaneCatalogue(), plane, 0, 5960);
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void version_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << QStringLiteral("--version");
        QTest::newRow("short") << QStringLiteral("-v");
    }

    // No display and a platform that would need one: the answer must come
    // before any window system is touched.
    void version()
    {
        QFETCH(QString, option);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VTEDITOR_PROGRAM), {option});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed(),
                 QStringLiteral("VTEditor " VTEDITOR_EXPECTED_VERSION));
    }

    void openAtStart_data()
    {
        QTest::addColumn<QByteArray>("contents");   // empty: no file at all
        QTest::addColumn<bool>("opens");

        const PlaneRecord record = goodRecord();
        const QByteArray good(reinterpret_cast<const char *>(record.data()), PlaneRecordSize);
        QTest::newRow("good plane file") << good << true;
        QTest::newRow("203 bytes") << good.left(PlaneRecordSize - 1) << false;
        QTest::newRow("205 bytes") << good + '\0' << false;
        QTest::newRow("missing file") << QByteArray() << false;
    }

    void openAtStart()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, opens);
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server; the test is registered under xvfb-run");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool");

        QTemporaryDir config;
        QTemporaryDir planes;
        QVERIFY(config.isValid() && planes.isValid());
        const QString file = planes.filePath(QStringLiteral("Kestrel"));
        if (!contents.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QCOMPARE(out.write(contents), contents.size());
        }

        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        editor.setProcessEnvironment(env);
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(QStringLiteral(VTEDITOR_PROGRAM), {file});
        QVERIFY(editor.waitForStarted());
        const auto stop = qScopeGuard([&editor] {
            if (editor.state() != QProcess::NotRunning) {
                editor.kill();
                editor.waitForFinished();
            }
        });

        QString window = waitForWindow(MainWindowTitle);
        QVERIFY2(!window.isEmpty(), "the main window never appeared");
        if (!opens) {
            const QString box = waitForWindow(MessageBoxTitle);
            QVERIFY2(!box.isEmpty(), "no message box was shown");
            QCOMPARE(xdotool({"windowfocus", "--sync", box, "key", "--clearmodifiers", "Return"}).exitCode, 0);
            QTRY_VERIFY_WITH_TIMEOUT(!windowShown(MessageBoxTitle), 10000);
            QCOMPARE(editor.state(), QProcess::Running);
            QVERIFY2(windowShown(MainWindowTitle), "the main window went with the message");
        }

        // File > Exit, as a user leaves; the settings are written on the way out.
        QCOMPARE(xdotool({"windowfocus", "--sync", window, "key", "--clearmodifiers", "alt+f"}).exitCode, 0);
        QTest::qWait(1000);
        QCOMPARE(xdotool({"key", "x"}).exitCode, 0);
        QVERIFY2(editor.waitForFinished(15000), "the editor did not close");
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);

        const QString ini = config.filePath(QStringLiteral("VTEditor/VTEditor.ini"));
        QVERIFY2(QFile::exists(ini), "no settings were written");
        const QString defaultDir =
            IniFileStore(ini).read(QStringLiteral("Settings"), QStringLiteral("DefaultDir"), {});
        QCOMPARE(defaultDir, opens ? planes.path() + QLatin1Char('/') : WindowSettings::defaultPlanesDir());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
