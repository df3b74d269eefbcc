#pragma once

// Plain Win32, no Qt, so it can be built and tried with a cross compiler alone.
#include <windows.h>

#include <string>

namespace vte {

// Reads SubKeyRef of the key KeyName below KeyRoot, for reading only.
// A string value gives its text and a DWORD its number in decimal; a value of
// any other type leaves KeyVal as it was and still counts as found. A missing
// key or value gives false and an empty KeyVal. At most 1024 bytes of a value
// are kept.
bool GetKeyValue(HKEY KeyRoot, const char *KeyName, const char *SubKeyRef, std::string &KeyVal);

} // namespace vte
