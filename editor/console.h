#pragma once

#include <QString>

#include <cstdio>

namespace vte {

enum class TextStream { Output, Error };

// Prints a text that a command-line option asks for where its user reads it.
// On Windows a program with a window has no console of its own: the text goes
// to the file or pipe that standard output or error leads to, else to the
// console of the program that started this one (cmd, PowerShell), and only
// where there is neither into a message box. The console is joined only here,
// because a program attached to a console ends when that console is closed.
void printCommandLineText(const QString &text, TextStream stream);

// In the local code page, as the terminal reads it, and at once.
inline void writeText(const QString &text, std::FILE *stream)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace vte
