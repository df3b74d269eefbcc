// Prints the editor's costs next to their floors: start-up and memory against
// a minimal Qt window, re-colouring against a plain image copy and a naive
// per-pixel loop, one plane file's open and export, and one undo step's memory.
//
//   vtbench [runs]        runs of each program for start-up and memory (default 101:
//                         single starts spread over a quarter of their time on a
//                         shared machine, and more of them steady the medians)
//
// Start-up is timed on the X server of DISPLAY, as a user starts the editor
// (xvfb-run provides one), and on Qt's offscreen platform, where drawing costs
// nothing and the editor's own work stands out.
#include "catalogue/loadouthistory.h"
#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "paint/recolor.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 101;
    // The picture decoders are Qt Gui plugins; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);

    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        std::printf("Start-up on an X server: skipped, DISPLAY is not set (run vtbench under xvfb-run)\n");
    else
        startUpAndMemory(runs, "xcb");
    startUpAndMemory(runs, "offscreen");
    recolouring();
    planeFiles();
    undoSteps();
    return 0;
}
