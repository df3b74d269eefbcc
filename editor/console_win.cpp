#include "editor/console.h"

#include <QCoreApplication>

#include <cstdio>

#include <io.h>
#include <windows.h>

namespace vte {

namespace {

// A file, a pipe, a console or a device such as NUL.
bool leadsSomewhere(DWORD id)
{
    const HANDLE handle = ::GetStdHandle(id);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Joins the console of the parent program where the stream leads nowhere yet.
bool reachesUser(std::FILE *stream)
{
    const DWORD id = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    if (leadsSomewhere(id))
        return true;
    // Denied: joined already, for the other stream.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS) && ::GetLastError() != ERROR_ACCESS_DENIED)
        return false;
    if (!std::freopen("CONOUT$", "w", stream))
        return false;
    return ::SetStdHandle(id, reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream))));
}

void showInMessageBox(const QString &text, TextStream stream)
{
    const UINT icon = stream == TextStream::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()),
                  reinterpret_cast<const wchar_t *>(QCoreApplication::applicationName().utf16()),
                  MB_OK | MB_TOPMOST | MB_SETFOREGROUND | icon);
}
} // namespace

void printCommandLineText(const QString &text, TextStream stream)
{
    std::FILE *out = stream == TextStream::Error ? stderr : stdout;
    if (reachesUser(out))
        writeText(text, out);
    else
        showInMessageBox(text, stream);
}

} // namespace vte
