#pragma once

#include <QStringList>

#include <optional>

namespace vte {

struct CommandLine
{
    std::optional<int> exitStatus; // set when the program is done
    QStringList files;             // to open in the window
};

// Names the application and reads the arguments before any window system is
// touched, so --help, --version and the commands on plane files (--print,
// --check, --code, --build) run without a display. Those run to their end here.
CommandLine runCommandLine(int argc, char *argv[]);

} // namespace vte
