#include "editor/console.h"

namespace vte {

void printCommandLineText(const QString &text, TextStream stream)
{
    writeText(text, stream == TextStream::Error ? stderr : stdout);
}

} // namespace vte
