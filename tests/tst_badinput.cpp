// Input anyone can hand the editor, through the real window: plane files of
// any size or kind, export targets it cannot write, and settings files it
// cannot read or store. Every row checks the message the user sees and that
// nothing was lost, neither what the window showed nor any file on disk.
// Each platform adds the hazards of its own file system.

#include "support/windowfixture.h"
#include "support/windowprobe.h"

#include "catalogue/planecatalogue.h"
#include "planefile/planerecord.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace vte;
using namespace vte::test;

namespace {

const QString Title = QStringLiteral("VTEditor");
const QString SizeIncorrect = QStringLiteral("Plane File Size Incorrect");
const QString NotRead = QStringLiteral("Plane File Could Not Be Read\n");
const QString NotWritten = QStringLiteral("Plane File Could Not Be Written\n");
const QString NotSaved = QStringLiteral("Plane Settings Could Not Be Saved\n");
// The tab the window shows when the stored one cannot be read: "Color Schemes".
constexpr int DesignTab = 3;

QByteArray bytesOf(const PlaneRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.data()), static_cast<qsizetype>(record.size()));
}

// A plane that opens without complaint: the default loadout, exported.
QByteArray goodPlane()
{
    PlaneSelections plane = defaultPlane();
    plane.PlaneName = QStringLiteral("Kite");
    return bytesOf(EncodePlaneRecord(InitPlaneCatalogue(), plane, 0, 0));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything under a folder: each entry's kind, and a regular file's bytes
// (only its size once it is too large to compare).
QMap<QString, QByteArray> folderState(const QString &folder)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        QByteArray &seen = state[QDir(folder).relativeFilePath(entry.filePath())];
        if (!entry.isFile() || entry.isSymLink()) {
            seen = entry.isDir() ? "folder" : "special";
        } else if (entry.size() > (1 << 20)) {
            seen = "size " + QByteArray::number(entry.size());
        } else {
            QFile file(entry.filePath());
            seen = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
    }
    return state;
}

// What the user saw and whether the window still shows what it showed
// before, as one text a child process can hand back.
struct Outcome
{
    QStringList messages;
    QStringList titles;
    bool windowUnchanged = false;

    QByteArray serialise() const
    {
        return (messages.join(QChar(0x1e)) + QChar(0x1f) + titles.join(QChar(0x1e)) + QChar(0x1f)
                + (windowUnchanged ? QLatin1Char('1') : QLatin1Char('0')))
            .toUtf8();
    }
    static Outcome parse(const QByteArray &bytes)
    {
        const QStringList parts = QString::fromUtf8(bytes).split(QChar(0x1f));
        if (parts.size() != 3)
            return {{QStringLiteral("the child process reported nothing")}, {}, false};
        const auto list = [](const QString &text) {
            return text.isEmpty() ? QStringList() : text.split(QChar(0x1e));
        };
        return {list(parts[0]), list(parts[1]), parts[2] == QLatin1String("1")};
    }
};

// Runs one command on a window with a loadout of the user's own, and reports
// what the user saw and whether the loadout survived.
Outcome runOnEditedWindow(const std::function<void(WindowFixture &)> &command)
{
    WindowFixture f;
    f.w().txtPlaneName->setText(QStringLiteral("Kite"));
    WindowFixture::choose(f.w().lstGunType[1], 3);
    WindowFixture::choose(f.w().cboHP[Right], 2);
    const PlaneSelections before = f.w().selections();
    const int schemeBefore = f.w().cboSchemes->currentIndex();
    const QString folderBefore = f.w().DefaultDir;
    command(f);
    Outcome outcome;
    for (const ScriptedDialogs::Shown &shown : f.dialogs.shown) {
        if (shown.kind == QLatin1String("message")) {
            outcome.messages << shown.text;
            outcome.titles << shown.title;
        }
    }
    outcome.windowUnchanged = f.w().selections() == before && f.w().cboSchemes->currentIndex() == schemeBefore
                              && f.w().DefaultDir == folderBefore && !f.w().Loading;
    return outcome;
}

// How a row's command runs. Root passes every permission check, so on POSIX
// systems the rows about rights run in a child process as an ordinary user;
// the limits a row sets stay in that child too. Windows has no fork, but its
// read-only attribute holds for everyone, and another program may hold a file
// open and share it with no one.
enum class Run { SameUser, OrdinaryUser, SmallFileLimit, WhileHeldOpen };
#ifdef Q_OS_WIN
constexpr Run WithoutRights = Run::SameUser;
#else
constexpr Run WithoutRights = Run::OrdinaryUser;
#endif

#ifdef Q_OS_UNIX
QByteArray inChildProcess(Run kind, const std::function<QByteArray()> &work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        if (kind == Run::OrdinaryUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        if (kind == Run::SmallFileLimit) {
            // As a full disk would: the write stops short and reports why.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100, RLIM_INFINITY};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(4);
        }
        const QByteArray report = work();
        const bool sent = ::write(channel[1], report.constData(), size_t(report.size())) == report.size();
        ::_exit(sent ? 0 : 5);
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : QByteArray();
}
#else
// No Windows row needs another user or a limit: the work runs in this process.
QByteArray inChildProcess(Run, const std::function<QByteArray()> &work)
{
    return work();
}
#endif

// Runs the command that works on the file at path as the row says.
Outcome runAs(Run kind, const QString &path, const std::function<void(WindowFixture &)> &command)
{
#ifdef Q_OS_WIN
    if (kind == Run::WhileHeldOpen) {
        const QString native = QDir::toNativeSeparators(path);
        const HANDLE held = ::CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            return {{QStringLiteral("the file could not be held open")}, {}, false};
        const Outcome outcome = runOnEditedWindow(command);
        ::CloseHandle(held);
        return outcome;
    }
#else
    Q_UNUSED(path)
#endif
    if (kind == Run::SameUser)
        return runOnEditedWindow(command);
    return Outcome::parse(inChildProcess(kind, [&] { return runOnEditedWindow(command).serialise(); }));
}

// A folder the ordinary user of the permission rows may enter and write.
bool openToEveryone(const QTemporaryDir &dir)
{
    return QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                 | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                 | QFileDevice::ExeOther);
}

void checkOneMessage(const Outcome &outcome, const QString &expected)
{
    QCOMPARE(outcome.messages.size(), 1);
    QCOMPARE(outcome.titles, QStringList{Title});
    const QString &shown = outcome.messages.front();
    // A text ending in a line break is followed by the system's reason.
    if (expected.endsWith(QLatin1Char('\n'))) {
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        QVERIFY2(shown.size() > expected.size(), "no reason given");
    } else {
        QCOMPARE(shown, expected);
    }
}

// A save of the current loadout into a slot, answered as a user would.
void saveConfiguration(WindowFixture &f, int slot, const QString &name)
{
    f.dialogs.answers = {true};
    f.dialogs.texts = {name};
    f.w().mnuToolsSaveEmpty_Click(slot);
}

QString menuCaption(frmMain &w, int slot)
{
    return w.mnuToolsLoadEmpty[slot]->text();
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void openRefused_data();
    void openRefused();
    void openFieldOutOfRange_data();
    void openFieldOutOfRange();
    void exportRefused_data();
    void exportRefused();
#ifdef Q_OS_UNIX
    void exportOntoSpecialFile_data();
    void exportOntoSpecialFile();
#endif
    void unusableSettingsFile_data();
    void unusableSettingsFile();
    void malformedSettingsFileKeepsConfigurations();
    void oddSettingsTexts_data();
    void oddSettingsTexts();
};

void TestBadInput::openRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("run");
    QTest::addColumn<QString>("message");
    const int same = int(Run::SameUser);
    QTest::newRow("empty file") << "0" << same << SizeIncorrect;
    QTest::newRow("1 byte") << "1" << same << SizeIncorrect;
    QTest::newRow("203 bytes") << "203" << same << SizeIncorrect;
    QTest::newRow("205 bytes") << "205" << same << SizeIncorrect;
    QTest::newRow("1 GiB, sparse") << "1073741824" << same << SizeIncorrect;
    QTest::newRow("a folder") << "folder" << same << SizeIncorrect;
    QTest::newRow("vanished after it was chosen") << "vanished" << same << NotRead;
#ifdef Q_OS_UNIX
    QTest::newRow("a FIFO, never opened") << "fifo" << same << SizeIncorrect;
    QTest::newRow("a character device") << "device" << same << SizeIncorrect;
    QTest::newRow("no read rights") << "unreadable" << int(Run::OrdinaryUser) << NotRead;
#endif
#ifdef Q_OS_WIN
    QTest::newRow("held open by another program") << "204" << int(Run::WhileHeldOpen) << NotRead;
#endif
}

void TestBadInput::openRefused()
{
    QFETCH(QString, kind);
    QFETCH(int, run);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid() && openToEveryone(dir));
    QString path = dir.filePath(QStringLiteral("Refused"));
    bool sized = false;
    const qint64 size = kind.toLongLong(&sized);
    if (sized) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(goodPlane().left(size)) == qMin<qint64>(size, 204));
        QVERIFY(file.resize(size));   // past the record, a hole the file system does not store
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Refused")));
#ifdef Q_OS_UNIX
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/null");   // only ever looked at, never read or written
    } else if (kind == QLatin1String("unreadable")) {
        QVERIFY(writeFile(path, goodPlane()));
        QVERIFY(QFile::setPermissions(path, {}));
#endif
    }
    const QMap<QString, QByteArray> before = folderState(dir.path());

    const Outcome outcome = runAs(Run(run), path, [&](WindowFixture &f) {
        f.dialogs.texts = {path};
        f.w().mnuFileOpen_Click();
    });
    checkOneMessage(outcome, message);
    QVERIFY(outcome.windowUnchanged);
    QCOMPARE(folderState(dir.path()), before);
}

void TestBadInput::openFieldOutOfRange_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("field");
    QTest::newRow("plane type") << int(Offset::PlaneType) << 11 << "PlaneType";
    QTest::newRow("engine") << int(Offset::EngineCode) << 6 << "EngineCode";
    QTest::newRow("right hard points") << Offset::HPLeft + 4 << 5 << "HPRight";
    QTest::newRow("scheme") << int(Offset::ColorScheme) << 14 << "ColorScheme";
    QTest::newRow("tail logo") << Offset::LogoNose + 4 << 50 << "LogoTail";
    QTest::newRow("wing armour") << Offset::NoseArmor + 8 << 255 << "WingArmor";
    QTest::newRow("gun layout") << int(Offset::GunLayout) << 208 << "GunLayout";
    QTest::newRow("gun 2") << Offset::GunType0 + 8 << 6 << "GunType2";
    QTest::newRow("ammunition 3") << Offset::Bullets0 + 12 << 5 << "Bullets3";
    QTest::newRow("left rocket 1") << Offset::LHP0 + 4 << 12 << "LHP1";
    QTest::newRow("right rocket 3") << Offset::RHP0 + 12 << 255 << "RHP3";
}

void TestBadInput::openFieldOutOfRange()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, field);
    QTemporaryDir dir;
    QByteArray bytes = goodPlane();
    bytes[offset] = char(value);
    const QString path = dir.filePath(QStringLiteral("Refused"));
    QVERIFY(writeFile(path, bytes));

    const Outcome outcome = runAs(Run::SameUser, path, [&](WindowFixture &f) {
        f.dialogs.texts = {path};
        f.w().mnuFileOpen_Click();
    });
    checkOneMessage(outcome, QStringLiteral("Plane File Contents Incorrect\n%1 = %2").arg(field).arg(value));
    QVERIFY(outcome.windowUnchanged);
}

void TestBadInput::exportRefused_data()
{
    QTest::addColumn<QString>("target");   // relative to the test folder
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("run");
    QTest::addColumn<QString>("message");
    const int same = int(Run::SameUser);
    QTest::newRow("into a folder that does not exist") << "missing/Kite" << "" << same << NotWritten;
    // The name box takes it, the file system does not: the name becomes a folder that is not there.
#ifdef Q_OS_WIN
    QTest::newRow("a name file names forbid") << "Kite:Mk?2" << "" << same << NotWritten;
#else
    QTest::newRow("a name file names forbid") << "Kite/Mk 2" << "" << same << NotWritten;
#endif
    QTest::newRow("onto a read-only file")
        << "Kite" << "read-only file" << int(WithoutRights) << NotWritten + QStringLiteral("Permission denied");
    QTest::newRow("onto a folder") << "Kite" << "folder" << same << NotWritten + QStringLiteral("Not a regular file");
#ifdef Q_OS_UNIX
    QTest::newRow("into a read-only folder")
        << "locked/Kite" << "read-only folder" << int(Run::OrdinaryUser) << NotWritten;
    QTest::newRow("the disk fills up") << "Kite" << "existing" << int(Run::SmallFileLimit) << NotWritten;
#endif
#ifdef Q_OS_WIN
    QTest::newRow("onto a file held open by another program") << "Kite" << "existing" << int(Run::WhileHeldOpen) << NotWritten;
    QTest::newRow("a device's reserved name") << "CON" << "" << same << NotWritten;
    QTest::newRow("a name of dots, which Windows drops") << "..." << "" << same << NotWritten + QStringLiteral("Not a regular file");
#endif
}

void TestBadInput::exportRefused()
{
    QFETCH(QString, target);
    QFETCH(QString, kind);
    QFETCH(int, run);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid() && openToEveryone(dir));
    const QString path = dir.filePath(target);
    const QByteArray earlier(300, 'x');
    if (kind == QLatin1String("existing") || kind == QLatin1String("read-only file"))
        QVERIFY(writeFile(path, earlier));
    if (kind == QLatin1String("read-only file"))
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(target));
    if (kind == QLatin1String("read-only folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther));
    }
    const QMap<QString, QByteArray> before = folderState(dir.path());

    const Outcome outcome = runAs(Run(run), path, [&](WindowFixture &f) {
        f.dialogs.texts = {path};
        f.w().mnuFileSaveAs_Click();
    });
    checkOneMessage(outcome, message);
    QVERIFY(outcome.windowUnchanged);
    QCOMPARE(folderState(dir.path()), before);
}

#ifdef Q_OS_UNIX
void TestBadInput::exportOntoSpecialFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a character device") << "device";
}

void TestBadInput::exportOntoSpecialFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kite"));
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    // A node of its own, a null device: were it replaced, nothing of the system's would be lost.
    else if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("this user may not make a device node");
    struct stat node{};
    QCOMPARE(::stat(name.constData(), &node), 0);
    const QMap<QString, QByteArray> before = folderState(dir.path());

    const Outcome outcome = runAs(Run::SameUser, path, [&](WindowFixture &f) {
        f.dialogs.texts = {path};
        f.w().mnuFileSaveAs_Click();
    });
    checkOneMessage(outcome, NotWritten + QStringLiteral("Not a regular file"));
    QVERIFY(outcome.windowUnchanged);
    QCOMPARE(folderState(dir.path()), before);
    struct stat after{};
    QCOMPARE(::stat(name.constData(), &after), 0);
    QCOMPARE(after.st_ino, node.st_ino);
    QCOMPARE(after.st_mode, node.st_mode);
}
#endif

void TestBadInput::unusableSettingsFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("run");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("shownName");   // what the Tools menu shows for the stored slot 1
    const int same = int(Run::SameUser);
    QTest::newRow("read-only file") << "read-only" << int(WithoutRights) << "cannot be written" << "Alpha";
    QTest::newRow("its folder cannot be made") << "under a file" << same << "cannot be written" << "Empty";
    QTest::newRow("a folder in its place") << "folder" << same << "is not a regular file" << "Empty";
#ifdef Q_OS_UNIX
    // Nothing it holds is known, so writing over it would lose it all.
    QTest::newRow("no read rights") << "unreadable" << int(Run::OrdinaryUser) << "cannot be read" << "Empty";
    QTest::newRow("the disk fills up") << "full disk" << int(Run::SmallFileLimit) << "cannot be written" << "Alpha";
#endif
}

void TestBadInput::unusableSettingsFile()
{
    QFETCH(QString, kind);
    QFETCH(int, run);
    QFETCH(QString, reason);
    QFETCH(QString, shownName);
    QTemporaryDir dir;
    QVERIFY(dir.isValid() && openToEveryone(dir));
    QString path = dir.filePath(QStringLiteral("VTEditor.ini"));
    if (kind == QLatin1String("under a file")) {
        QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "plain text"));
        path = dir.filePath(QStringLiteral("file/VTEditor/VTEditor.ini"));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("VTEditor.ini")));
    } else {
        QVERIFY(writeFile(path, "[Plane1]\nMenuName=Alpha\n"));
    }
    if (kind == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    if (kind == QLatin1String("unreadable"))
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner | QFileDevice::WriteOther));
    const QMap<QString, QByteArray> before = folderState(dir.path());

    const QByteArray report = inChildProcess(Run(run), [&] {
        IniFileStore store(path);
        WindowFixture f(&store);
        const QString captionBefore = menuCaption(f.w(), 2);
        saveConfiguration(f, 2, QStringLiteral("Bravo"));
        f.w().close();
        const QString &last = f.dialogs.shown.back().text;
        return (menuCaption(f.w(), 1) + QLatin1Char('|') + (menuCaption(f.w(), 2) == captionBefore ? "kept" : "changed")
                + QLatin1Char('|') + last)
            .toUtf8();
    });
    const QStringList seen = QString::fromUtf8(report).split(QLatin1Char('|'));
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen[0], shownName);
    QCOMPARE(seen[1], QStringLiteral("kept"));
    QVERIFY2(seen[2].startsWith(NotSaved) && seen[2].contains(reason), qPrintable(seen[2]));
    QCOMPARE(folderState(dir.path()), before);
}

void TestBadInput::malformedSettingsFileKeepsConfigurations()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTEditor.ini"));
    const QByteArray text = "\xff\xfe garbage without a section\n[Plane1\nMenuName=Half\n[Plane2]\nMenuName=Alpha\n"
                            "PlaneType=11\n[Settings]\nMainLeft==\nDisplay=\x01\x02\n";
    QVERIFY(writeFile(path, text));
    {
        IniFileStore store(path);
        WindowFixture f(&store);
        QCOMPARE(menuCaption(f.w(), 2), QStringLiteral("Alpha"));
        QCOMPARE(f.w().SSTab1->currentIndex(), DesignTab);
        f.dialogs.answers = {true};
        f.w().mnuToolsLoadEmpty_Click(2);
        QCOMPARE(f.dialogs.messages().front(), QStringLiteral("Illegal value found for Plane Type, Default used"));
        QCOMPARE(f.w().cboPlaneType->currentIndex(), 5);
        saveConfiguration(f, 3, QStringLiteral("Charlie"));
        QCOMPARE(f.dialogs.messages().last(), QStringLiteral("Plane Settings Saved"));
        f.w().close();
    }
    IniFileStore reread(path);
    QCOMPARE(reread.read(QStringLiteral("Plane2"), QStringLiteral("MenuName"), {}), QStringLiteral("Alpha"));
    QCOMPARE(reread.read(QStringLiteral("Plane3"), QStringLiteral("MenuName"), {}), QStringLiteral("Charlie"));
}

void TestBadInput::oddSettingsTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("line breaks") << QStringLiteral("12\r\n34\nfive");
    QTest::newRow("NUL bytes") << QStringLiteral("12") + QChar(0) + QStringLiteral("34") + QChar(0);
    QTest::newRow("100 KB") << QString(100 * 1024, QLatin1Char('7'));
}

// Every key of the window's settings and a configuration's name hold the
// text; the window starts as on an empty store and keeps every configuration.
void TestBadInput::oddSettingsTexts()
{
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTEditor.ini"));
    {
        QSettings ini(path, QSettings::IniFormat);
        for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight", "DefaultDir", "Display"})
            ini.setValue(QStringLiteral("Settings/") + QLatin1String(key), text);
        ini.setValue(QStringLiteral("Plane0/MenuName"), text);
        ini.setValue(QStringLiteral("Plane1/MenuName"), QStringLiteral("Alpha"));
    }
    WindowFixture plain;
    {
        IniFileStore store(path);
        WindowFixture f(&store);
        QCOMPARE(f.w().geometry(), plain.w().geometry());
        QCOMPARE(f.w().SSTab1->currentIndex(), DesignTab);
        QCOMPARE(menuCaption(f.w(), 0), text);
        f.w().mnuFileOpen_Click();
        QCOMPARE(QDir(f.dialogs.shown.back().detail).canonicalPath(), QDir::home().canonicalPath());
        saveConfiguration(f, 3, text);
        QCOMPARE(f.dialogs.messages().last(), QStringLiteral("Plane Settings Saved"));
        f.w().close();
    }
    IniFileStore reread(path);
    QCOMPARE(reread.read(QStringLiteral("Plane0"), QStringLiteral("MenuName"), {}), text);
    QCOMPARE(reread.read(QStringLiteral("Plane1"), QStringLiteral("MenuName"), {}), QStringLiteral("Alpha"));
    QCOMPARE(reread.read(QStringLiteral("Plane3"), QStringLiteral("MenuName"), {}), text);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
