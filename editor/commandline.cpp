// The options: the window's file, and the commands on plane files that print
// to the console and need no window.
#include "editor/commandline.h"

#include "editor/console.h"
#include "library/planecompare.h"
#include "library/planefolder.h"
#include "library/planetext.h"
#include "planefile/planecode.h"
#include "planefile/planefileio.h"
#include "ui/apptitle.h"
#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace vte {

namespace {

constexpr int Refused = 1;    // some file or document is not as it should be
constexpr int Different = 1;  // the planes compared differ
constexpr int UsageError = 2; // also a plane compared that the window refuses

void put(std::FILE *stream, const QString &text)
{
    printCommandLineText(text, stream == stderr ? TextStream::Error : TextStream::Output);
}

int usageError(const QString &text)
{
    put(stderr, QStringLiteral("%1: %2\nTry \"vteditor --help\".\n").arg(ApplicationTitle, text));
    return UsageError;
}

// Each path, or the plane files directly inside it when it is a folder.
QStringList planeFiles(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << QDir::toNativeSeparators(path);
            continue;
        }
        const QDir folder(path);
        for (const FolderEntry &entry : folderEntries(path))
            files << QDir::toNativeSeparators(folder.filePath(entry.name));
    }
    return files;
}

int print(const QStringList &paths, bool asJson)
{
    QJsonArray planes;
    QStringList texts;
    int status = 0;
    for (const QString &file : planeFiles(paths)) {
        const QJsonObject plane = describePlaneFile(file);
        if (isRefused(plane))
            status = Refused;
        planes.append(plane);
        texts << planeText(plane);
    }
    if (!asJson) {
        put(stdout, texts.join(QLatin1Char('\n')));
        return status;
    }
    // A file named alone gives one object; anything else may give several.
    const bool single = paths.size() == 1 && !QFileInfo(paths.front()).isDir();
    const QJsonDocument document = single ? QJsonDocument(planes.first().toObject()) : QJsonDocument(planes);
    put(stdout, QString::fromUtf8(document.toJson(QJsonDocument::Indented)));
    return status;
}

int check(const QStringList &paths)
{
    int status = 0;
    QString report;
    for (const QString &file : planeFiles(paths)) {
        const std::optional<QString> fault = planeFault(describePlaneFile(file));
        if (fault)
            status = Refused;
        report += QStringLiteral("%1: %2\n").arg(file, fault.value_or(QStringLiteral("OK")));
    }
    put(stdout, report);
    return status;
}

// Just the code of a file named alone; "path: code" lines for several or a
// folder; "path: refusal" lines, as --check writes them, for refused files.
int code(const QStringList &paths)
{
    const QStringList files = planeFiles(paths);
    const bool alone = paths.size() == 1 && !QFileInfo(paths.front()).isDir();
    int status = 0;
    QString report;
    for (const QString &file : files) {
        const BuiltRecord built = reexportPlaneFile(file);
        if (!built.record)
            status = Refused;
        const QString line = built.record ? planeCode(*built.record) : oneLine(built.refusal);
        report += (alone && built.record ? line : QStringLiteral("%1: %2").arg(file, line)) + QLatin1Char('\n');
    }
    put(stdout, report);
    return status;
}

int compare(const QStringList &paths, bool asJson)
{
    QList<QJsonObject> planes;
    for (const QString &path : paths) {
        const QString file = QDir::toNativeSeparators(path);
        planes << describePlaneFile(file);
        if (isRefused(planes.back())) {
            put(stderr, QStringLiteral("%1: %2\n").arg(file, planeFault(planes.back()).value_or(QString())));
            return UsageError;
        }
    }
    if (!asJson) {
        const PlaneComparison comparison = comparePlanes(planes);
        put(stdout, comparison.text());
        return comparison.differs() ? Different : 0;
    }
    const QJsonObject differences = differencesJson(planes);
    put(stdout, QString::fromUtf8(QJsonDocument(differences).toJson(QJsonDocument::Indented)));
    return differences[QStringLiteral("Differences")].toObject().isEmpty() ? 0 : Different;
}

// Documents are small. Reading stops a little past that, so that a device
// such as /dev/zero cannot fill the memory.
constexpr qsizetype MaxDocumentSize = 1 << 20;

std::optional<QByteArray> readDocument(QFile &in)
{
    QByteArray document;
    while (document.size() <= MaxDocumentSize) {
        const QByteArray chunk = in.read(MaxDocumentSize + 1 - document.size());
        if (chunk.isEmpty())
            return document;
        document += chunk;
    }
    return std::nullopt;
}

int refuse(const QString &path, const QString &message)
{
    put(stderr, QStringLiteral("%1: %2\n").arg(path, oneLine(message)));
    return Refused;
}

int build(const QString &documentPath, const QString &output)
{
    QFile in(documentPath);
    const bool opened =
        documentPath == QLatin1String("-") ? in.open(stdin, QIODevice::ReadOnly) : in.open(QIODevice::ReadOnly);
    if (!opened)
        return refuse(documentPath, in.errorString());
    const std::optional<QByteArray> document = readDocument(in);
    if (!document)
        return refuse(documentPath, QStringLiteral("Too large for a plane"));
    const BuiltRecord built = buildPlaneRecord(*document);
    if (!built.record)
        return refuse(documentPath, built.refusal);
    const QString refusal = exportPlaneRecord(output, *built.record);
    return refusal.isEmpty() ? 0 : refuse(output, refusal);
}

struct Options
{
    QCommandLineOption print{QStringLiteral("print"), QStringLiteral("Print what the window shows for each file.")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("With --print or --compare: print JSON instead.")};
    QCommandLineOption check{QStringLiteral("check"),
                             QStringLiteral("Check each file; exit status 1 if any is refused.")};
    QCommandLineOption code{QStringLiteral("code"), QStringLiteral("Print the plane code of each file.")};
    QCommandLineOption compare{QStringLiteral("compare"),
                               QStringLiteral("Compare two plane files; exit status 1 if they differ.")};
    QCommandLineOption build{
        QStringLiteral("build"),
        QStringLiteral("Make a plane file from a JSON document or a plane code, - for standard input (with --output)."),
        QStringLiteral("file")};
    QCommandLineOption output{QStringLiteral("output"), QStringLiteral("The plane file --build writes."),
                              QStringLiteral("file")};
};

// Why the options given do not go together, if they do not.
QString misuse(const QCommandLineParser &parser, const Options &options)
{
    const bool printing = parser.isSet(options.print);
    const bool comparing = parser.isSet(options.compare);
    const bool building = parser.isSet(options.build);
    const bool listing = printing || parser.isSet(options.check) || parser.isSet(options.code);
    const bool withFiles = !parser.positionalArguments().isEmpty();
    if (printing + parser.isSet(options.check) + parser.isSet(options.code) + comparing + building > 1)
        return QStringLiteral("--print, --check, --code, --compare and --build go one at a time");
    if (parser.isSet(options.json) && !printing && !comparing)
        return QStringLiteral("--json goes with --print or --compare");
    if (comparing && parser.positionalArguments().size() != 2)
        return QStringLiteral("--compare takes two plane files");
    if (parser.isSet(options.output) != building)
        return QStringLiteral("--build and --output go together");
    if (building && withFiles)
        return QStringLiteral("--build takes no other file");
    if (listing && !withFiles)
        return QStringLiteral("name at least one file or folder");
    return {};
}

std::optional<int> runCommand(const QCommandLineParser &parser, const Options &options)
{
    const QStringList paths = parser.positionalArguments();
    if (parser.isSet(options.print))
        return print(paths, parser.isSet(options.json));
    if (parser.isSet(options.check))
        return check(paths);
    if (parser.isSet(options.code))
        return code(paths);
    if (parser.isSet(options.compare))
        return compare(paths, parser.isSet(options.json));
    if (parser.isSet(options.build))
        return build(parser.value(options.build), parser.value(options.output));
    return std::nullopt;
}

// The name and version that the settings, --version and the windows use;
// they outlast the application object made here.
void nameApplication()
{
    QCoreApplication::setApplicationName(ApplicationTitle);
    QCoreApplication::setApplicationVersion(QStringLiteral(VTEDITOR_VERSION));
}

} // namespace

CommandLine runCommandLine(int argc, char *argv[])
{
    const QCoreApplication core(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for Vantorel plane files"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options options;
    parser.addOptions(
        {options.print, options.json, options.check, options.code, options.compare, options.build, options.output});
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A plane file to open at start; with --print, --check and --code, files and folders; with "
                       "--compare, two plane files."),
        QStringLiteral("[file...]"));

    if (!parser.parse(QCoreApplication::arguments()))
        return {usageError(parser.errorText()), {}};
    // Qt's own options, which --help-all would add, are those of QCoreApplication: none a user sets.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        put(stdout, parser.helpText());
        return {0, {}};
    }
    if (parser.isSet(version)) {
        put(stdout, QStringLiteral("%1 %2\n").arg(ApplicationTitle, QCoreApplication::applicationVersion()));
        return {0, {}};
    }
    if (const QString fault = misuse(parser, options); !fault.isEmpty())
        return {usageError(fault), {}};
    return {runCommand(parser, options), parser.positionalArguments()};
}

} // namespace vte
