#include "about/frmabout.h"
#include "about/sysinfo.h"
#include "support/scripteddialogs.h"
#include "version.h"

#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using vte::frmAbout;
using vte::test::ScriptedDialogs;

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString MsinfoKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString LocationKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)");

// Plays a machine: registry values, files and programs as a case lays them
// out, and every question asked of it in order.
class ScriptedHost final : public vte::SystemInfoHost
{
public:
    QMap<QString, QString> registry;  // "key|value name" -> text
    QSet<QString> files;
    QSet<QString> startable;
    QMap<QString, QString> programs;  // candidate -> where it was found
    QStringList calls;
    QStringList searched;

    std::optional<QString> registryValue(const QString &key, const QString &valueName) override
    {
        calls << QStringLiteral("registry %1 %2").arg(key, valueName);
        const auto found = registry.constFind(key + QLatin1Char('|') + valueName);
        if (found == registry.constEnd())
            return std::nullopt;
        return *found;
    }
    bool fileExists(const QString &path) override
    {
        calls << QStringLiteral("exists ") + path;
        return files.contains(path);
    }
    QString findProgram(const QString &candidate) override
    {
        searched << candidate;
        return programs.value(candidate);
    }
    bool start(const QString &program) override
    {
        calls << QStringLiteral("start ") + program;
        return startable.contains(program);
    }
};

QString askFirst()
{
    return QStringLiteral("registry %1 PATH").arg(MsinfoKey);
}

QString askFallback()
{
    return QStringLiteral("registry %1 MSINFO").arg(LocationKey);
}

QMap<QString, QString> registryOf(const QString &first, const QString &fallback)
{
    QMap<QString, QString> values;
    if (!first.isNull())
        values.insert(MsinfoKey + QStringLiteral("|PATH"), first);
    if (!fallback.isNull())
        values.insert(LocationKey + QStringLiteral("|MSINFO"), fallback);
    return values;
}

QRect fromTwips(int left, int top, int width, int height)
{
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void texts_data();
    void texts();
    void description();
    void geometry_data();
    void geometry();
    void okIsDefault();
    void okClickCloses();
    void keys_data();
    void keys();
    void lookup_data();
    void lookup();
    void candidates_data();
    void candidates();

private:
    void clickSysInfo();
    void expectMessage(bool shown);

    std::unique_ptr<QWidget> owner_;
    ScriptedDialogs dialogs_;
    ScriptedHost host_;
    std::unique_ptr<frmAbout> about_;
};

void TestAbout::init()
{
    owner_ = std::make_unique<QWidget>();
    dialogs_ = {};
    host_ = {};
    about_ = std::make_unique<frmAbout>(dialogs_, host_, owner_.get());
}

void TestAbout::cleanup()
{
    about_.reset();
    owner_.reset();
}

void TestAbout::window()
{
    QCOMPARE(about_->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about_->parentWidget(), owner_.get());
    QCOMPARE(about_->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = about_->windowFlags();
    QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(about_->minimumSize(), QSize(391, 242));
    QCOMPARE(about_->maximumSize(), QSize(391, 242));
}

void TestAbout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("caption") << "frmAbout" << "About VTP Editor";
    QTest::newRow("title") << "lblTitle" << "VTEditor";
    QTest::newRow("version") << "lblVersion" << QStringLiteral("Version " VTEDITOR_VERSION);
    QTest::newRow("description")
        << "lblDescription"
        << "Manage all of your planes in easy and style.  Import an existing plane, make changes as required, "
           "and then export your plane complete with default ammo and rocket types.  By using the Tools "
           "Load/Save function, you can quickly create and load your favorite default settings via the System "
           "Registry, make any changes required and then export your plane .  Individual planes will "
           "automatically be saved with your ammo and rocket type choices.";
    QTest::newRow("OK") << "cmdOK" << "OK";
    QTest::newRow("System Info") << "cmdSysInfo" << "&System Info...";
}

void TestAbout::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);

    if (name == about_->objectName()) {
        QCOMPARE(about_->windowTitle(), expected);
        return;
    }
    const QWidget *widget = about_->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), expected);
}

void TestAbout::description()
{
    const auto *label = about_->findChild<QLabel *>(QStringLiteral("lblDescription"));
    QVERIFY(label);
    QCOMPARE(label->text().size(), 439);
    QVERIFY(label->wordWrap());
}

void TestAbout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("picIcon") << "picIcon" << fromTwips(240, 240, 540, 540);
    QTest::newRow("lblTitle") << "lblTitle" << fromTwips(1050, 240, 4275, 480);
    QTest::newRow("lblVersion") << "lblVersion" << fromTwips(1050, 780, 4275, 225);
    QTest::newRow("lblDescription") << "lblDescription" << fromTwips(1050, 1125, 4275, 1590);
    QTest::newRow("Line1") << "Line1" << fromTwips(225, 2880, 5657 - 225, 15);
    QTest::newRow("cmdOK") << "cmdOK" << fromTwips(3960, 3000, 1467, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << fromTwips(300, 3000, 1452, 345);
}

void TestAbout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);

    const QWidget *widget = about_->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), expected);
}

void TestAbout::okIsDefault()
{
    const auto *ok = about_->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QVERIFY(ok->isDefault());
}

void TestAbout::okClickCloses()
{
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_.get()));
    QTest::mouseClick(about_->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!about_->isVisible());
    QVERIFY(host_.calls.isEmpty());
}

void TestAbout::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("a letter") << int(Qt::Key_A) << false;
}

void TestAbout::keys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);

    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_.get()));
    QWidget *target = about_->focusWidget() ? about_->focusWidget() : about_.get();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(about_->isVisible(), !closes);
    QVERIFY(host_.calls.isEmpty());
}

void TestAbout::clickSysInfo()
{
    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_.get()));
    QTest::mouseClick(about_->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QVERIFY2(about_->isVisible(), "the About box stays open");
}

void TestAbout::expectMessage(bool shown)
{
    if (!shown) {
        QVERIFY(dialogs_.messages().isEmpty());
        return;
    }
    QCOMPARE(dialogs_.messages(), QStringList{Unavailable});
    QCOMPARE(dialogs_.shown.front().title, QStringLiteral("VTEditor"));
}

void TestAbout::lookup_data()
{
    QTest::addColumn<QString>("first");     // null: no such value
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("message");

    const QString tool = QStringLiteral(R"(C:\Tools\msinfo32.exe)");
    const QString folder = QStringLiteral(R"(C:\MSInfo)");
    const QString inFolder = QStringLiteral(R"(C:\MSInfo\MSINFO32.EXE)");
    const QString none;

    QTest::newRow("first location, taken as it is")
        << tool << folder << QStringList{} << QStringList{tool}
        << QStringList{askFirst(), "start " + tool} << false;
    QTest::newRow("only the fallback, program there")
        << none << folder << QStringList{inFolder} << QStringList{inFolder}
        << QStringList{askFirst(), askFallback(), "exists " + inFolder, "start " + inFolder} << false;
    QTest::newRow("only the fallback, program missing")
        << none << folder << QStringList{} << QStringList{inFolder}
        << QStringList{askFirst(), askFallback(), "exists " + inFolder} << true;
    QTest::newRow("neither") << none << none << QStringList{} << QStringList{}
                             << QStringList{askFirst(), askFallback()} << true;
    QTest::newRow("first location fails to start")
        << tool << none << QStringList{} << QStringList{}
        << QStringList{askFirst(), "start " + tool} << true;
    QTest::newRow("fallback fails to start")
        << none << folder << QStringList{inFolder} << QStringList{}
        << QStringList{askFirst(), askFallback(), "exists " + inFolder, "start " + inFolder} << true;
    QTest::newRow("first location of another type")
        << QString("") << folder << QStringList{inFolder} << QStringList{inFolder}
        << QStringList{askFirst(), "start "} << true;
}

void TestAbout::lookup()
{
    QFETCH(QString, first);
    QFETCH(QString, fallback);
    QFETCH(QStringList, files);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, calls);
    QFETCH(bool, message);

    host_.registry = registryOf(first, fallback);
    host_.files = QSet<QString>(files.begin(), files.end());
    host_.startable = QSet<QString>(startable.begin(), startable.end());
    clickSysInfo();
    QCOMPARE(host_.calls, calls);
    expectMessage(message);
}

void TestAbout::candidates_data()
{
    QTest::addColumn<QList<int>>("available");  // indices into the platform's list
    QTest::addColumn<int>("chosen");            // -1: none

    QTest::newRow("first of the list") << QList<int>{0, 1} << 0;
    QTest::newRow("a later one") << QList<int>{1} << 1;
    QTest::newRow("none") << QList<int>{} << -1;
}

void TestAbout::candidates()
{
    QFETCH(QList<int>, available);
    QFETCH(int, chosen);

    const QStringList list = vte::systemInfoCandidates();
    if (list.size() < 2)
        QSKIP("the registry names the program on this platform");
    for (int index : available) {
        const QString path = QStringLiteral("/found/") + list.at(index);
        host_.programs.insert(list.at(index), path);
        host_.startable.insert(path);
    }
    clickSysInfo();
    QCOMPARE(host_.searched, chosen < 0 ? list : list.mid(0, chosen + 1));
    const QStringList started = host_.calls.filter(QRegularExpression("^start "));
    QCOMPARE(started, chosen < 0 ? QStringList{} : QStringList{"start /found/" + list.at(chosen)});
    expectMessage(chosen < 0);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
