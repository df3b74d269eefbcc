#pragma once

#include <QString>

namespace vte {

enum class TextStream { Output, Error };

// Prints a text that a command-line option asks for where its user reads it.
// On Windows a program with a window has no console of its own: the text goes
// to the file or pipe that standard output or error leads to, else to the
// console of the program that started this one (cmd, PowerShell), and only
// where there is neither into a message box. The console is joined only here,
// because a program attached to a console ends when that console is closed.
void printCommandLineText(const QString &text, TextStream stream);

} // namespace vte
