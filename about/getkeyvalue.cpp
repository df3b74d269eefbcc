#include "about/getkeyvalue.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vte {

namespace {

constexpr DWORD BufferSize = 1024;

// A value too long for the buffer is read again whole, since the first call
// leaves the buffer undefined when it asks for more room.
LONG queryValue(HKEY key, const char *name, DWORD &type, std::vector<char> &data, DWORD &count)
{
    data.assign(BufferSize, '\0');
    count = BufferSize;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &count);
    if (rc == ERROR_MORE_DATA) {
        data.assign(count, '\0');
        rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &count);
    }
    return rc;
}

// A string may be stored without its terminating NUL, so only the bytes the
// call reported are looked at, and never more than the buffer holds.
std::string textOf(const std::vector<char> &data, DWORD count)
{
    const DWORD size = std::min(count, BufferSize);
    const auto end = std::find(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size), '\0');
    return std::string(data.begin(), end);
}

std::string numberOf(const std::vector<char> &data)
{
    std::uint32_t number = 0;
    std::memcpy(&number, data.data(), sizeof number);
    return std::to_string(number);
}

} // namespace

bool GetKeyValue(HKEY KeyRoot, const char *KeyName, const char *SubKeyRef, std::string &KeyVal)
{
    // Read access only: a standard user is refused anything more below HKLM.
    HKEY key = nullptr;
    if (RegOpenKeyExA(KeyRoot, KeyName, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    DWORD type = REG_NONE;
    DWORD count = 0;
    std::vector<char> data;
    const LONG rc = queryValue(key, SubKeyRef, type, data, count);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    if (type == REG_SZ)
        KeyVal = textOf(data, count);
    else if (type == REG_DWORD)
        KeyVal = numberOf(data);
    return true;
}

} // namespace vte
