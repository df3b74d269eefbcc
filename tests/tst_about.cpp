// The About box: its frame and layout, the keys that close it, and how System
// Info finds and starts a program on a machine the test plays. Its texts are
// read with the main window's (tst_mainwindow).

#include "about/frmabout.h"
#include "about/sysinfo.h"
#include "support/scripteddialogs.h"

#include <QPushButton>
#include <QTest>

using namespace vte;

namespace {

const QString MsinfoKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString LocationKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)");

// A machine laid out by a case, logging every question asked of it.
class ScriptedHost final : public SystemInfoHost
{
public:
    QMap<QString, QString> registry; // "key|value name" -> text
    QStringList files;               // files that exist, programs found and programs that start
    QStringList calls;

    std::optional<QString> registryValue(const QString &key, const QString &valueName) override
    {
        calls << QStringLiteral("registry %1 %2").arg(key, valueName);
        const QString name = key + QLatin1Char('|') + valueName;
        return registry.contains(name) ? std::optional(registry[name]) : std::nullopt;
    }
    bool fileExists(const QString &path) override { return answer(QStringLiteral("exists "), path); }
    QString findProgram(const QString &candidate) override
    {
        return answer(QStringLiteral("find "), candidate) ? QStringLiteral("/found/") + candidate : QString();
    }
    bool start(const QString &program) override { return answer(QStringLiteral("start "), program); }

private:
    bool answer(const QString &question, const QString &path)
    {
        calls << question + path;
        return files.contains(question + path);
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs dialogs;
    ScriptedHost host;
    QWidget owner;
    std::unique_ptr<frmAbout> about;

private slots:
    void init()
    {
        dialogs = {};
        host = {};
        about = std::make_unique<frmAbout>(dialogs, host, &owner);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("the box, fixed") << "frmAbout" << QRect(0, 0, 5865, 3630);
        QTest::newRow("picIcon") << "picIcon" << QRect(240, 240, 540, 540);
        QTest::newRow("lblTitle") << "lblTitle" << QRect(1050, 240, 4275, 480);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(1050, 780, 4275, 225);
        QTest::newRow("lblDescription") << "lblDescription" << QRect(1050, 1125, 4275, 1590);
        QTest::newRow("Line1") << "Line1" << QRect(225, 2880, 5657 - 225, 15);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(3960, 3000, 1467, 345);
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(300, 3000, 1452, 345);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const auto pixels = [](int value) { return qRound(value / 15.0); };
        const QRect expected(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height()));
        const QWidget *widget = name == about->objectName() ? about.get() : about->findChild<QWidget *>(name);
        const QRect shown = widget == about.get() ? QRect(QPoint(), about->maximumSize()) : widget->geometry();
        QCOMPARE(shown, expected);
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(about->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::Dialog),
                 Qt::WindowCloseButtonHint | Qt::Dialog);
        QCOMPARE(about->parentWidget(), &owner);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("key"); // empty: a click on OK
        QTest::addColumn<bool>("closes");
        QTest::newRow("OK clicked") << QString() << true;
        QTest::newRow("Enter") << "Return" << true;
        QTest::newRow("keypad Enter") << "Enter" << true;
        QTest::newRow("Esc") << "Esc" << true;
        QTest::newRow("a letter") << "A" << false;
    }
    void closing()
    {
        QFETCH(QString, key);
        QFETCH(bool, closes);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
        if (key.isEmpty())
            QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        else
            QTest::keySequence(about->focusWidget(), QKeySequence(key));
        QCOMPARE(about->isVisible(), !closes);
        QCOMPARE(host.calls, QStringList());
    }

    // clang-format off
    void systemInfo_data()
    {
        QTest::addColumn<QString>("first");    // the program's path in the first registry place; null: none
        QTest::addColumn<QString>("folder");   // its folder in the second place; null: none
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("calls");
        const QString tool = QStringLiteral(R"(C:\Tools\msinfo32.exe)"), inFolder = QStringLiteral(R"(C:\MSInfo\MSINFO32.EXE)");
        const QString askFirst = "registry " + MsinfoKey + " PATH", askFolder = "registry " + LocationKey + " MSINFO", none;
        const QStringList candidates = systemInfoCandidates();
        QStringList searched;
        for (const QString &candidate : candidates)
            searched << "find " + candidate;
        QTest::newRow("first place, started as it is") << tool << R"(C:\MSInfo)" << QStringList{"start " + tool} << QStringList{askFirst, "start " + tool};
        QTest::newRow("only the folder, program there") << none << R"(C:\MSInfo)" << QStringList{"exists " + inFolder, "start " + inFolder} << QStringList{askFirst, askFolder, "exists " + inFolder, "start " + inFolder};
        QTest::newRow("only the folder, program missing") << none << R"(C:\MSInfo)" << QStringList{"start " + inFolder} << QStringList{askFirst, askFolder, "exists " + inFolder} + searched;
        QTest::newRow("first place fails to start") << tool << none << QStringList{} << QStringList{askFirst, "start " + tool};
        QTest::newRow("folder fails to start") << none << R"(C:\MSInfo)" << QStringList{"exists " + inFolder} << QStringList{askFirst, askFolder, "exists " + inFolder, "start " + inFolder};
        QTest::newRow("first place of another type") << "" << R"(C:\MSInfo)" << QStringList{"exists " + inFolder} << QStringList{askFirst, "start "};
        QTest::newRow("nothing anywhere") << none << none << QStringList{} << QStringList{askFirst, askFolder} + searched;
        if (candidates.size() < 2)
            return; // the registry names the program on this platform
        QTest::newRow("the first candidate") << none << none << QStringList{"find " + candidates[0], "find " + candidates[1], "start /found/" + candidates[0]} << QStringList{askFirst, askFolder, searched[0], "start /found/" + candidates[0]};
        QTest::newRow("a later candidate") << none << none << QStringList{"find " + candidates[1], "start /found/" + candidates[1]} << QStringList{askFirst, askFolder, searched[0], searched[1], "start /found/" + candidates[1]};
    }
    // clang-format on
    void systemInfo()
    {
        QFETCH(QString, first);
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QStringList, calls);
        if (!first.isNull())
            host.registry[MsinfoKey + QStringLiteral("|PATH")] = first;
        if (!folder.isNull())
            host.registry[LocationKey + QStringLiteral("|MSINFO")] = folder;
        host.files = files;
        about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(host.calls, calls);
        const bool started = calls.last().startsWith(QLatin1String("start")) && files.contains(calls.last());
        QCOMPARE(dialogs.log, started ? QStringList()
                                      : QStringList{"message VTEditor: System Information Is Unavailable At This Time"});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
