// The About box: its frame, the keys that close it, and how System
// Info finds and starts a program on a machine the test plays. Its texts are
// read with the main window's (tst_mainwindow).

#include "about/frmabout.h"
#include "editor/twips.h"
#include "support/scripteddialogs.h"

#include <QtTest>
#include <QtWidgets>

using namespace vte;

class TestAbout : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs dialogs;
    test::ScriptedHost host;
    QWidget owner;
    std::unique_ptr<frmAbout> about;

private slots:
    void init()
    {
        dialogs = {};
        host = {};
        about = std::make_unique<frmAbout>(dialogs, host, &owner);
    }

    // A fixed dialog of the main window, closed by its one button.
    void frame()
    {
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(about->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::Dialog),
                 Qt::WindowCloseButtonHint | Qt::Dialog);
        QCOMPARE(about->parentWidget(), &owner);
        // The description is as tall as the design or its text needs, no taller.
        const auto *text = about->findChild<QLabel *>(QStringLiteral("lblDescription"));
        QCOMPARE(text->height(), std::max(DesignUnits(about->font()).y(1590), text->heightForWidth(text->width())));
    }

    void closing_data()
    {
        QTest::addColumn<QString>("key"); // empty: a click on OK
        QTest::addColumn<bool>("closes");
        QTest::newRow("OK clicked") << QString() << true;
        QTest::newRow("Enter") << "Return" << true;
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
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("calls");
        const QString first = R"(registry SOFTWARE\Microsoft\Shared Tools\MSINFO PATH)", folder = R"(registry SOFTWARE\Microsoft\Shared Tools Location MSINFO)";
        const QString tool = R"(C:\Tools\msinfo32.exe)", inFolder = R"(C:\MSInfo\MSINFO32.EXE)", inFolderKnown = folder + R"(=C:\MSInfo)";
        const QStringList candidates = systemInfoCandidates();
        QStringList searched;
        for (const QString &candidate : candidates)
            searched << "find " + candidate;
        QTest::newRow("first place, started as it is") << QStringList{first + '=' + tool, inFolderKnown, "start " + tool} << QStringList{first, "start " + tool};
        QTest::newRow("only the folder, program there") << QStringList{inFolderKnown, "exists " + inFolder, "start " + inFolder} << QStringList{first, folder, "exists " + inFolder, "start " + inFolder};
        QTest::newRow("only the folder, program missing") << QStringList{inFolderKnown, "start " + inFolder} << QStringList{first, folder, "exists " + inFolder} + searched;
        QTest::newRow("first place fails to start") << QStringList{first + '=' + tool} << QStringList{first, "start " + tool};
        QTest::newRow("folder fails to start") << QStringList{inFolderKnown, "exists " + inFolder} << QStringList{first, folder, "exists " + inFolder, "start " + inFolder};
        QTest::newRow("first place of another type") << QStringList{first + '=', inFolderKnown, "exists " + inFolder} << QStringList{first, "start "};
        QTest::newRow("nothing anywhere") << QStringList{} << QStringList{first, folder} + searched;
        if (candidates.size() < 2)
            return; // the registry names the program on this platform
        QTest::newRow("the first candidate") << QStringList{searched[0], searched[1], "start /found/" + candidates[0]} << QStringList{first, folder, searched[0], "start /found/" + candidates[0]};
        QTest::newRow("a later candidate") << QStringList{searched[1], "start /found/" + candidates[1]} << QStringList{first, folder, searched[0], searched[1], "start /found/" + candidates[1]};
    }
    // clang-format on
    void systemInfo()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, calls);
        host.answers = answers;
        about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(host.calls, calls);
        const bool started = answers.contains(calls.last()) && calls.last().startsWith(QLatin1String("start"));
        QCOMPARE(dialogs.log, started ? QStringList()
                                      : QStringList{"message VTEditor: System Information Is Unavailable At This Time"});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
