#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vte {

// All the About box asks of the machine to start a system-information
// program, so tests can play any machine.
class SystemInfoHost
{
public:
    virtual ~SystemInfoHost() = default;

    // A value below HKEY_LOCAL_MACHINE; nothing when the key or the value is
    // missing, and always nothing where there is no registry. A value that is
    // neither text nor a number is found, with empty text.
    virtual std::optional<QString> registryValue(const QString &key, const QString &valueName) = 0;
    virtual bool fileExists(const QString &path) = 0;
    // Where a program of systemInfoCandidates() is: an absolute candidate when
    // it exists, a bare name looked up on PATH; empty when it is not there.
    virtual QString findProgram(const QString &candidate) = 0;
    // Starts the program on its own, in a normal window with the focus;
    // false when it could not be started.
    virtual bool start(const QString &program) = 0;
};

std::unique_ptr<SystemInfoHost> platformSystemInfo();

// The programs standing in for Windows' System Information on this platform,
// best first; empty on Windows, where the registry names it.
QStringList systemInfoCandidates();

// The program the About box starts: MSINFO32 where the registry names it,
// else the first candidate there is; nothing when there is none.
std::optional<QString> systemInfoProgram(SystemInfoHost &host);

} // namespace vte
