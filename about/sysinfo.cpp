#include "about/sysinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include "about/getkeyvalue.h"
#endif

namespace vte {

namespace {

class PlatformSystemInfo final : public SystemInfoHost
{
public:
    std::optional<QString> registryValue(const QString &key, const QString &valueName) override
    {
#ifdef Q_OS_WIN
        std::string value;
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, key.toLocal8Bit().constData(), valueName.toLocal8Bit().constData(), value))
            return std::nullopt;
        return QString::fromLocal8Bit(value);
#else
        Q_UNUSED(key)
        Q_UNUSED(valueName)
        return std::nullopt;
#endif
    }

    bool fileExists(const QString &path) override
    {
        return QFileInfo::exists(path);
    }

    QString findProgram(const QString &candidate) override
    {
        if (QDir::isAbsolutePath(candidate))
            return fileExists(candidate) ? candidate : QString();
        return QStandardPaths::findExecutable(candidate);
    }

    bool start(const QString &program) override
    {
#ifdef Q_OS_MACOS
        // An application bundle is a folder; Launch Services opens it.
        return QProcess::startDetached(QStringLiteral("/usr/bin/open"), {QStringLiteral("-a"), program});
#else
        // A process started by the program in front may take the focus, and
        // opens its window in the normal state.
        return QProcess::startDetached(program, {});
#endif
    }
};

// The full path of MSINFO32, where Windows records it;
const QString MsinfoKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString MsinfoValue = QStringLiteral("PATH");
// some installations record only the folder it lies in.
const QString LocationKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)");
const QString LocationValue = QStringLiteral("MSINFO");

std::optional<QString> registeredMsinfo(SystemInfoHost &host)
{
    if (auto path = host.registryValue(MsinfoKey, MsinfoValue))
        return path;
    const auto folder = host.registryValue(LocationKey, LocationValue);
    if (!folder)
        return std::nullopt;
    const QString path = *folder + QStringLiteral(R"(\MSINFO32.EXE)");
    if (!host.fileExists(path))
        return std::nullopt;
    return path;
}

std::optional<QString> firstCandidate(SystemInfoHost &host)
{
    for (const QString &candidate : systemInfoCandidates()) {
        const QString path = host.findProgram(candidate);
        if (!path.isEmpty())
            return path;
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<SystemInfoHost> platformSystemInfo()
{
    return std::make_unique<PlatformSystemInfo>();
}

QStringList systemInfoCandidates()
{
#if defined(Q_OS_WIN)
    return {};
#elif defined(Q_OS_MACOS)
    // Where macOS 10.15 and later keep it, then where earlier ones did.
    return {QStringLiteral("/System/Applications/Utilities/System Information.app"),
            QStringLiteral("/Applications/Utilities/System Information.app")};
#else
    // Tools that report the hardware and system come before a monitor of
    // processes, which is the last resort.
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
#endif
}

std::optional<QString> systemInfoProgram(SystemInfoHost &host)
{
    if (auto path = registeredMsinfo(host))
        return path;
    return firstCandidate(host);
}

} // namespace vte
