// Input anyone can hand the editor, through the real window: plane files of
// any size or kind, export targets it cannot write, and settings files it
// cannot read or store. Every row checks the message the user sees and that
// nothing was lost, neither what the window showed nor any file on disk.

#include "support/windowfixture.h"

#include "catalogue/planecatalogue.h"
#include "configs/windowsettings.h"
#include "planefile/planerecord.h"

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <windows.h>
#endif

using namespace vte;
using namespace vte::test;

namespace {

// Root passes every permission check, so the rows about rights run in a child
// process as an ordinary user; the limits a row sets stay in that child too.
// Windows' own hazard is a file another program holds open without sharing.
constexpr int SameUser = 0, OrdinaryUser = 1, SmallFileLimit = 2;
#ifdef Q_OS_WIN
constexpr int HeldOpen = 3;
#endif

#ifdef Q_OS_WIN
QString inChild(int child, const QString &path, const std::function<QString()> &work)
{
    if (child != HeldOpen)
        return work();
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE held = ::CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const QString outcome = held == INVALID_HANDLE_VALUE ? QStringLiteral("not held open") : work();
    ::CloseHandle(held);
    return outcome;
}
#else
QString inChild(int child, const QString &, const std::function<QString()> &work)
{
    if (child == SameUser)
        return work();
    // The child's report comes back in a page both processes share.
    constexpr size_t room = 1 << 16;
    auto *report = static_cast<char *>(::mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (report == MAP_FAILED)
        return QStringLiteral("no shared page");
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (child == OrdinaryUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const rlimit limit{100, RLIM_INFINITY}; // as a full disk: the write stops short and says why
        if (child == SmallFileLimit && (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit)))
            ::_exit(4);
        qstrncpy(report, work().toUtf8().constData(), room);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const QString outcome = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(report) : QStringLiteral("child failed");
    ::munmap(report, room);
    return outcome;
}
#endif

// Everything under a folder: each entry's kind, and a regular file's bytes
// (only its size once it is too large to compare).
QMap<QString, QByteArray> folderState(const QString &folder)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        QFile file(entry.filePath());
        QByteArray &seen = state[QDir(folder).relativeFilePath(entry.filePath())];
        if (!entry.isFile() || entry.isSymLink())
            seen = entry.isDir() ? "folder" : "special";
        else if (entry.size() > (1 << 20))
            seen = "size " + QByteArray::number(entry.size());
        else
            seen = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    return state;
}

// A plane that opens without complaint: the default loadout, exported.
QByteArray goodPlane()
{
    PlaneSelections plane = defaultPlane();
    plane.PlaneName = QStringLiteral("Kite");
    return fileBytes(EncodePlaneRecord(InitPlaneCatalogue(), plane, 0, 0));
}

// Lays out what a row finds at its target; false where this machine cannot.
// clang-format off
bool prepare(const QString &path, const QString &setup, const QByteArray &content)
{
    const QString folder = QFileInfo(path).path(), argument = setup.section(QLatin1Char(' '), 1);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadOther;
    QByteArray plane = goodPlane();
    const std::map<QString, std::function<bool()>> kinds{
        {"", [] { return true; }},
        // Past the record, a hole the file system does not store.
        {"size", [&] { return writeFile(path, plane.left(argument.toLongLong())) && QFile::resize(path, argument.toLongLong()); }},
        {"byte", [&] { plane[argument.section('=', 0, 0).toInt()] = char(argument.section('=', 1).toInt()); return writeFile(path, plane); }},
        {"folder", [&] { return QDir().mkdir(path); }},
#ifdef Q_OS_UNIX
        {"fifo", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }},
        // A null device of its own: nothing of the system's is at stake.
        {"device", [&] { return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
#endif
        {"unreadable", [&] { return writeFile(path, content, QFileDevice::WriteOwner | QFileDevice::WriteOther); }},
        {"existing", [&] { return writeFile(path, content); }},
        {"read-only", [&] { return writeFile(path, content, readOnly); }},
        {"under-a-file", [&] { return writeFile(folder, content); }},
        {"read-only-folder", [&] { return QDir().mkdir(folder) && QFile::setPermissions(folder, readOnly | QFileDevice::ExeOwner | QFileDevice::ExeOther); }},
    };
    return kinds.at(setup.section(QLatin1Char(' '), 0, 0))();
}
// clang-format on

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> dir;

private slots:
    void init()
    {
        dir.emplace();
        // A folder the ordinary user of the permission rows may enter and write: every right to everyone.
        QVERIFY(QFile::setPermissions(dir->path(), QFileDevice::Permissions(0x7777)));
    }

    // clang-format off
    void refused_data()
    {
        QTest::addColumn<QString>("command"); // open or export a plane file, or save a configuration
        QTest::addColumn<QString>("target");  // a plane file, or the settings file the window runs on
        QTest::addColumn<QString>("setup");   // what lies there
        QTest::addColumn<int>("child");
        QTest::addColumn<QString>("seen");    // slot 1, slot 2 and the last message; ".+" for the system's reason
        const auto row = [](const char *name, const char *command, const char *target, const QString &setup, int child, const QString &message) { QTest::newRow(name) << command << target << setup << child << (message.contains("Settings") ? "" : "Empty Empty message VTEditor: ") + message; };
        const auto byte = [](int offset, int value) { return QStringLiteral("byte %1=%2").arg(offset).arg(value); };
        const QString size = "Plane File Size Incorrect", notRead = "Plane File Could Not Be Read\n.+", notWritten = "Plane File Could Not Be Written\n.+", notRegular = "Plane File Could Not Be Written\nNot a regular file", content = "Plane File Contents Incorrect\n", notSaved = " message VTEditor: Plane Settings Could Not Be Saved\n.*VTEditor.ini ";
        row("open 1 GiB, sparse", "open", "Kite", "size 1073741824", SameUser, size);
        row("open a folder", "open", "Kite", "folder", SameUser, size);
        row("open a file gone since it was chosen", "open", "Kite", "", SameUser, notRead);
        row("open plane type 11", "open", "Kite", byte(Offset::PlaneType, 11), SameUser, content + "PlaneType = 11");
        row("export into a folder that is not there", "export", "missing/Kite", "", SameUser, notWritten);
        row("export onto a folder", "export", "Kite", "folder", SameUser, notRegular);
        row("save where its folder cannot be made", "save", "file/VTEditor.ini", "under-a-file", SameUser, "Empty Empty" + notSaved + "cannot be written");
        row("save with a folder in its place", "save", "VTEditor.ini", "folder", SameUser, "Empty Empty" + notSaved + "is not a regular file");
#ifdef Q_OS_UNIX
        row("open a FIFO, never reading it", "open", "Kite", "fifo", SameUser, size);
        row("open a character device", "open", "Kite", "device", SameUser, size);
        row("open without read rights", "open", "Kite", "unreadable", OrdinaryUser, notRead);
        row("export under a name file names forbid", "export", "Kite/Mk 2", "", SameUser, notWritten);
        row("export onto a read-only file", "export", "Kite", "read-only", OrdinaryUser, "Plane File Could Not Be Written\nPermission denied");
        row("export into a read-only folder", "export", "locked/Kite", "read-only-folder", OrdinaryUser, notWritten);
        row("export as the disk fills up", "export", "Kite", "existing", SmallFileLimit, notWritten);
        row("export onto a FIFO", "export", "Kite", "fifo", SameUser, notRegular);
        row("export onto a character device", "export", "Kite", "device", SameUser, notRegular);
        row("save with a read-only settings file", "save", "VTEditor.ini", "read-only", OrdinaryUser, "Alpha Empty" + notSaved + "cannot be written.*");
        // Nothing it holds is known, so writing over it would lose it all.
        row("save with an unreadable settings file", "save", "VTEditor.ini", "unreadable", OrdinaryUser, "Empty Empty" + notSaved + "cannot be read");
        row("save as the disk fills up", "save", "VTEditor.ini", "existing", SmallFileLimit, "Alpha Empty" + notSaved + "cannot be written.*");
#else
        row("open a file held open by another program", "open", "Kite", "existing", HeldOpen, notRead);
        row("export under a name file names forbid", "export", "Kite:Mk?2", "", SameUser, notWritten);
        row("export onto a read-only file", "export", "Kite", "read-only", SameUser, "Plane File Could Not Be Written\nPermission denied");
        row("export onto a file held open by another program", "export", "Kite", "existing", HeldOpen, notWritten);
        row("export as a device's reserved name", "export", "CON", "", SameUser, notWritten);
        row("export as a name of dots, which Windows drops", "export", "...", "", SameUser, notRegular);
        row("save with a read-only settings file", "save", "VTEditor.ini", "read-only", SameUser, "Alpha Empty" + notSaved + "cannot be written.*");
#endif
    }
    // clang-format on
    void refused()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, setup);
        QFETCH(int, child);
        QFETCH(QString, seen);
        const QString path = dir->filePath(target);
        const bool settings = command == QLatin1String("save");
        if (!prepare(path, setup, settings ? "[Plane1]\nMenuName=Alpha\n" : goodPlane()))
            QSKIP("this machine cannot lay out the target");
        const QMap<QString, QByteArray> before = folderState(dir->path());
        const QString outcome = inChild(child, path, [&] {
            std::optional<IniFileStore> ini;
            WindowFixture f(settings ? &ini.emplace(path) : nullptr);
            for (const char *step : {"txtPlaneName=Kite", "lstGunType(1)=3", "cboHPRight=2"})
                f.act(QLatin1String(step));
            const PlaneSelections loadout = f.w().loadout().selections();
            const int scheme = f.w().loadout().schemePosition();
            const QStringList steps = settings ? QStringList{"> yes", "> Bravo", "mnuToolsSaveEmpty(2)"}
                                               : QStringList{"> " + path, command == "open" ? "mnuFileOpen" : "mnuFileSaveAs"};
            for (const QString &step : steps)
                f.act(step);
            const QString refusal = f.dialogs.log.last();
            for (const char *step : {"> discard", "close"})
                f.act(QLatin1String(step));
            const bool kept = f.w().loadout().selections() == loadout && f.w().loadout().schemePosition() == scheme;
            return f.shown(QStringLiteral("mnuToolsLoadEmpty(1)")) + ' ' + f.shown(QStringLiteral("mnuToolsLoadEmpty(2)"))
                   + ' ' + refusal + (kept ? "" : " [loadout changed]") + " [DefaultDir "
                   + f.shown(QStringLiteral("@Settings/DefaultDir")) + ']';
        });
        const QString pattern = seen + QRegularExpression::escape(" [DefaultDir " + WindowSettings::defaultPlanesDir() + ']');
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern), QRegularExpression::DotMatchesEverythingOption).match(outcome).hasMatch(), qPrintable(outcome));
        QCOMPARE(folderState(dir->path()), before);
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
