// Prints the editor's costs next to their floors: start-up and memory against
// a minimal Qt window, re-colouring against a plain image copy and a naive
// per-pixel loop, one plane file's open and export, one undo step's memory, and
// the plane library on a folder of 10,000 plane files against `vteditor
// --check` on the same folder.
//
//   vtbench [runs]        runs of each program for start-up and memory (default 101:
//                         single starts spread over a quarter of their time on a
//                         shared machine, and more of them steady the medians)
//
// Start-up is timed on the X server of DISPLAY, as a user starts the editor
// (xvfb-run provides one), and on Qt's offscreen platform, where drawing costs
// nothing and the editor's own work stands out.
#include "catalogue/loadout.h"
#include "catalogue/loadouthistory.h"
#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "configs/settingsstore.h"
#include "library/frmlibrary.h"
#include "library/planelisting.h"
#include "paint/recolor.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Summary
{
    double median = 0;
    double low = 0;  // first quartile
    double high = 0; // third quartile
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) { return values[static_cast<size_t>(q * double(values.size() - 1) + 0.5)]; };
    return {at(0.5), at(0.25), at(0.75)};
}

struct ChildRun
{
    double milliseconds = 0;
    double peakKiB = 0;
};

// Starts a program that prints one line at its first paint and quits, and
// times the line's arrival from just before the spawn: loading, Qt's start and
// the first frame are all inside. Each run gets a fresh, empty configuration
// folder so that no run sees what an earlier one left behind.
ChildRun runToFirstPaint(const char *program, const std::string &platform)
{
    QTemporaryDir config;
    if (!config.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        std::exit(1);
    }
    std::vector<std::string> variables;
    for (char **e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("QT_QPA_PLATFORM=", 0) != 0 && v.rfind("XDG_CONFIG_HOME=", 0) != 0)
            variables.push_back(v);
    }
    variables.push_back("QT_QPA_PLATFORM=" + platform);
    variables.push_back("XDG_CONFIG_HOME=" + config.path().toStdString());
    variables.push_back("VTEDITOR_EXIT_AFTER_FIRST_PAINT=1");
    std::vector<char *> envp;
    for (std::string &v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, envp.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(1);
    }
    close(pipeEnds[1]);
    std::string line;
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        line += c;
    const Clock::time_point painted = Clock::now();
    close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (line != "first paint" || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its first paint (got \"%s\")\n", program, line.c_str());
        std::exit(1);
    }
    // Linux reports ru_maxrss in KiB.
    return {std::chrono::duration<double, std::milli>(painted - start).count(), double(usage.ru_maxrss)};
}

// Per-call time of work, in microseconds: calls are grouped into batches
// long enough for the clock, and the median batch is taken.
Summary perCallMicroseconds(const std::function<void()> &work, int batches = 41)
{
    int perBatch = 1;
    for (;;) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            work();
        if (Clock::now() - start > std::chrono::milliseconds(5) || perBatch >= (1 << 20))
            break;
        perBatch *= 2;
    }
    std::vector<double> perCall;
    for (int b = 0; b < batches; ++b) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            work();
        perCall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / perBatch);
    }
    return summarise(perCall);
}

// What anyone would write first with QImage's pixel access: the same
// replacement, matched on the source, one pixel call at a time.
QImage naiveRecolored(const QImage &source, const std::array<quint32, 3> &paint)
{
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QImage original = image.copy();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = original.pixel(x, y) & RGB_MASK;
            for (size_t i = 0; i < vte::MarkerColors.size(); ++i) {
                if (pixel == (vte::rgbFromStored(vte::MarkerColors[i]) & RGB_MASK)) {
                    image.setPixel(x, y, vte::rgbFromStored(paint[i]));
                    break;
                }
            }
        }
    }
    return image;
}

volatile quint32 sink = 0; // keeps the measured results alive

void printRow(const char *label, const Summary &s, const char *unit)
{
    std::printf("  %-34s %10.2f %s   (quartiles %.2f .. %.2f)\n", label, s.median, unit, s.low, s.high);
}

void startUpAndMemory(int runs, const std::string &platform)
{
    std::vector<double> editorTime, minimalTime, pairedRatio, editorMemory, minimalMemory;
    // Unmeasured runs first, so the files are in the page cache for both.
    for (int i = 0; i < 3; ++i) {
        runToFirstPaint(VTBENCH_EDITOR, platform);
        runToFirstPaint(VTBENCH_MINIMAL, platform);
    }
    // Interleaved, so that a slow spell of the machine falls on both alike.
    for (int i = 0; i < runs; ++i) {
        const ChildRun editor = runToFirstPaint(VTBENCH_EDITOR, platform);
        const ChildRun minimal = runToFirstPaint(VTBENCH_MINIMAL, platform);
        editorTime.push_back(editor.milliseconds);
        minimalTime.push_back(minimal.milliseconds);
        pairedRatio.push_back(editor.milliseconds / minimal.milliseconds);
        editorMemory.push_back(editor.peakKiB / 1024);
        minimalMemory.push_back(minimal.peakKiB / 1024);
    }
    const Summary et = summarise(editorTime), mt = summarise(minimalTime);
    const Summary em = summarise(editorMemory), mm = summarise(minimalMemory);
    std::printf("Start-up to first paint, %s, median of %d runs each\n", platform.c_str(), runs);
    printRow("vteditor", et, "ms");
    printRow("minimal Qt window", mt, "ms");
    std::printf("  %-34s %10.2f x   (target <= 1.20)\n", "ratio", et.median / mt.median);
    // Each start against the empty window's start right after it: a slow spell
    // of the machine falls on both, so this figure moves less from run to run.
    printRow("ratio of each pair", summarise(pairedRatio), "x");
    std::printf("Peak resident memory, %s, same runs\n", platform.c_str());
    printRow("vteditor", em, "MiB");
    printRow("minimal Qt window", mm, "MiB");
    std::printf("  %-34s %10.2f x   (target <= 1.30)\n", "ratio", em.median / mm.median);
}

void recolouring()
{
    // The preview as the Colour Schemes tab builds it: the picture on the
    // tab's background, larger than the picture.
    QImage source(166, 166, QImage::Format_RGB32);
    source.fill(QColor(239, 239, 239));
    const QImage picture(QStringLiteral(":/schemes/scheme16.gif"));
    if (picture.isNull()) {
        std::fprintf(stderr, "the scheme picture did not load\n");
        std::exit(1);
    }
    QPainter painter(&source);
    painter.drawImage(0, 0, picture);
    painter.end();
    const std::array<quint32, 3> paint = {0x203040, 0x00FF00, 0x0000FF};

    if (vte::recolored(source, paint) != naiveRecolored(source, paint)) {
        std::fprintf(stderr, "the naive loop and recolored() disagree; the figures would compare different work\n");
        std::exit(1);
    }
    const Summary copy = perCallMicroseconds([&] { sink = sink + source.copy().constBits()[0]; });
    const Summary fast = perCallMicroseconds([&] { sink = sink + vte::recolored(source, paint).constBits()[0]; });
    const Summary naive = perCallMicroseconds([&] { sink = sink + naiveRecolored(source, paint).constBits()[0]; });
    std::printf("Re-colouring a 166 x 166 preview holding scheme16.gif, per call\n");
    printRow("QImage::copy() (the floor)", copy, "us");
    printRow("recolored()", fast, "us");
    printRow("naive pixel()/setPixel() loop", naive, "us");
    std::printf("  %-34s %10.2f x   (target <= 3.00)\n", "recolored() / copy()", fast.median / copy.median);
    std::printf("  %-34s %10.2f x\n", "naive loop / copy()", naive.median / copy.median);
    std::printf("  %-34s %10.2f x\n", "naive loop / recolored()", naive.median / fast.median);
}

void planeFiles()
{
    QTemporaryDir dir;
    const vte::PlaneCatalogue &catalogue = vte::InitPlaneCatalogue();
    vte::PlaneSelections plane = vte::defaultPlane();
    plane.PlaneName = QStringLiteral("Kestrel");
    const vte::PlaneRecord record = vte::EncodePlaneRecord(catalogue, plane, 0, 5960);
    const QString openPath = dir.filePath(QStringLiteral("Kestrel"));
    const QString exportPath = dir.filePath(QStringLiteral("Exported"));
    if (!vte::WritePlaneFile(openPath, record).ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(openPath));
        std::exit(1);
    }
    const Summary open = perCallMicroseconds([&] {
        const vte::ReadResult read = vte::ReadPlaneFile(openPath);
        if (!read.record)
            std::abort();
        sink = sink + quint32(vte::DecodePlaneRecord(*read.record).storedWeight);
    });
    const Summary save = perCallMicroseconds([&] {
        if (!vte::WritePlaneFile(exportPath, vte::EncodePlaneRecord(catalogue, plane, 0, 5960)).ok)
            std::abort();
    });
    std::printf("One plane file, per call\n");
    printRow("open (read + decode)", open, "us");
    printRow("export (encode + atomic write)", save, "us");
}

// The heap that a full history holds, per step: each step keeps the
// loadout's state before and after its change.
void undoSteps()
{
    vte::Loadout loadout;
    vte::LoadoutHistory history(loadout);
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < vte::LoadoutHistory::Limit; ++i)
        history.change(QStringLiteral("Armor - Nose"), [i](vte::Loadout &l) { l.chooseArmor(vte::Nose, i % 2); });
    const std::size_t held = mallinfo2().uordblks - before;
    std::printf("Undo history, %d steps (its limit)\n", history.stack().count());
    std::printf("  %-34s %10.0f bytes\n", "heap held per step", double(held) / history.stack().count());
    std::printf("  %-34s %10zu bytes\n", "sizeof(Loadout::State)", sizeof(vte::Loadout::State));
}

// Plane files of every type, engine and gun, one in a hundred a byte short.
void writePlaneFolder(const QString &folder, int files)
{
    for (int i = 0; i < files; ++i) {
        vte::PlaneSelections plane = vte::defaultPlane();
        plane.PlaneName = QStringLiteral("Plane %1").arg(i);
        plane.PlaneType = static_cast<qint16>(i % vte::PlaneTypeCount);
        plane.EngineType = static_cast<qint16>(i % 3);
        plane.Nitro = i % 2 == 0;
        plane.GunType[0] = static_cast<qint16>(i % (vte::NoGun + 1));
        vte::Loadout loadout;
        loadout.load(plane);
        const vte::PlaneRecord record = vte::exportedRecord(loadout);
        QFile file(QDir(folder).filePath(QStringLiteral("plane%1").arg(i, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(record.data()), vte::PlaneRecordSize - (i % 100 == 99)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
    }
}

double checkMilliseconds(const QString &folder)
{
    QProcess check;
    check.setStandardOutputFile(QProcess::nullDevice());
    const Clock::time_point start = Clock::now();
    check.start(QStringLiteral(VTBENCH_EDITOR), {QStringLiteral("--check"), folder});
    if (!check.waitForFinished(600000) || check.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "vteditor --check did not finish\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double heapMiB()
{
    return double(mallinfo2().uordblks) / (1024 * 1024);
}

// What a user waits for while the library reads a folder.
struct LibraryLoad
{
    double allRows = 0;      // ms until every file is listed
    double firstShown = 0;   // ms until the table first paints a row
    double longestStall = 0; // ms, the longest the event loop was kept from a 1 ms timer
};

class FirstRowsPainted final : public QObject
{
public:
    FirstRowsPainted(QTableView &table, Clock::time_point start)
        : m_table(table)
        , m_start(start)
    {
        table.viewport()->installEventFilter(this);
    }
    ~FirstRowsPainted() override { m_table.viewport()->removeEventFilter(this); }
    double milliseconds = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && milliseconds == 0 && m_table.model()->rowCount() > 0)
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - m_start).count();
        return false;
    }

private:
    QTableView &m_table;
    Clock::time_point m_start;
};

LibraryLoad loadFolder(vte::PlaneListing &listing, QTableView &table, const QString &folder)
{
    LibraryLoad load;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    Clock::time_point lastTick = Clock::now();
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        load.longestStall =
            std::max(load.longestStall, std::chrono::duration<double, std::milli>(now - lastTick).count());
        lastTick = now;
    });
    QEventLoop loop;
    QObject::connect(&listing, &vte::PlaneListing::statusChanged, &loop, [&] {
        if (!listing.isReading())
            loop.quit();
    });
    const Clock::time_point start = Clock::now();
    const FirstRowsPainted painted(table, start);
    tick.start();
    listing.setFolder(folder);
    loop.exec();
    load.allRows = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    // The table paints the rows it was handed last at its next turn.
    QApplication::processEvents();
    load.firstShown = painted.milliseconds;
    return load;
}

template <typename Work>
double milliseconds(Work work)
{
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void printTarget(const char *label, double value, const char *unit, double target)
{
    std::printf("  %-34s %10.2f %s   (%.2f of the target %g %s)\n", label, value, unit, value / target, target, unit);
}

void planeLibrary(int files, int runs)
{
    QTemporaryDir planes, empty;
    writePlaneFolder(planes.path(), files);
    vte::IniFileStore store(QDir(empty.path()).filePath(QStringLiteral("settings.ini")));
    vte::QtDialogs dialogs;
    vte::frmLibrary window(store, dialogs, empty.path(), nullptr);
    window.show();
    auto &table = *window.findChild<QTableView *>(QStringLiteral("tblPlanes"));
    auto &listing =
        *static_cast<vte::PlaneListing *>(static_cast<QSortFilterProxyModel *>(table.model())->sourceModel());

    std::vector<double> check, all, first;
    double stall = 0;
    checkMilliseconds(planes.path()); // into the page cache, as the listing will find it
    for (int i = 0; i < runs; ++i) {
        check.push_back(checkMilliseconds(planes.path()));
        loadFolder(listing, table, empty.path());
        const LibraryLoad load = loadFolder(listing, table, planes.path());
        all.push_back(load.allRows);
        first.push_back(load.firstShown);
        stall = std::max(stall, load.longestStall);
    }
    loadFolder(listing, table, empty.path());
    const double emptyHeap = heapMiB();
    loadFolder(listing, table, planes.path());
    const double rowsHeap = heapMiB() - emptyHeap;

    std::vector<double> sorting, filtering;
    for (int column = 0; column < vte::PlaneColumns; ++column) {
        for (Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder})
            sorting.push_back(milliseconds([&] { table.sortByColumn(column, order); }));
    }
    auto &filter = *window.findChild<QLineEdit *>(QStringLiteral("txtFilter"));
    for (const char *text : {"Plane 1", "", "grimsbane", "", "x", ""})
        filtering.push_back(milliseconds([&] { filter.setText(QLatin1String(text)); }));

    const Summary checked = summarise(check), listed = summarise(all);
    std::printf("Plane library on a folder of %d plane files, median of %d runs\n", files, runs);
    printRow("vteditor --check", checked, "ms");
    printRow("listing every file in the library", listed, "ms");
    std::printf("  %-34s %10.2f x   (target <= 2.00)\n", "ratio", listed.median / checked.median);
    printTarget("first rows shown", summarise(first).median, "ms", 200);
    printTarget("longest event-loop stall", stall, "ms", 50);
    printTarget("slowest sort of every row", *std::max_element(sorting.begin(), sorting.end()), "ms", 50);
    printTarget("slowest filter of every row", *std::max_element(filtering.begin(), filtering.end()), "ms", 50);
    printTarget("heap for the rows", rowsHeap, "MiB", 20);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 101;
    // The picture decoders are Qt Gui plugins; windows are shown offscreen only.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);

    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        std::printf("Start-up on an X server: skipped, DISPLAY is not set (run vtbench under xvfb-run)\n");
    else
        startUpAndMemory(runs, "xcb");
    startUpAndMemory(runs, "offscreen");
    recolouring();
    planeFiles();
    undoSteps();
    planeLibrary(10000, 5);
    return 0;
}
