// Runs under Wine (scripts/check-windows-registry.sh) against keys the script
// sets up below the root given as the first argument, in HKEY_LOCAL_MACHINE.

#include "about/getkeyvalue.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Case
{
    const char *name;
    std::string key;          // below the root
    const char *valueName;
    std::string before;       // KeyVal on entry, to see what is kept or cleared
    bool found;
    std::string expected;
};

// Ten digits over and over, so a cut shows where it fell.
std::string digits(std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('0' + i % 10);
    return text;
}

// reg add always stores a terminating NUL; a value that fills the buffer
// exactly with none is written here. The byte after the text is not a NUL
// either, or the registry would count one in, as Windows does for a caller
// that forgot it.
bool writeUnterminated(const std::string &key, const char *valueName, const std::string &text)
{
    const std::string stored = text + 'X';
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG rc = RegSetValueExA(handle, valueName, 0, REG_SZ, reinterpret_cast<const BYTE *>(stored.data()),
                                   static_cast<DWORD>(text.size()));
    RegCloseKey(handle);
    return rc == ERROR_SUCCESS;
}

std::vector<Case> cases(const std::string &root)
{
    const std::string msinfo = "\\Shared Tools\\MSINFO";
    const std::string location = "\\Shared Tools Location";
    const std::string values = root + "\\Values";
    return {
        {"first location present", root + "\\Both" + msinfo, "PATH", "", true, "C:\\Tools\\msinfo32.exe"},
        {"only the fallback: first missing", root + "\\FallbackOnly" + msinfo, "PATH", "stale", false, ""},
        {"only the fallback: fallback found", root + "\\FallbackOnly" + location, "MSINFO", "", true,
         "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo"},
        {"DWORD in decimal", values, "Number", "", true, "305419896"},
        {"other type keeps the text", values, "Binary", "kept", true, "kept"},
        {"longer than the buffer is cut", values, "Long", "", true, digits(1024)},
        {"full buffer without NUL", values, "Unterminated", "", true, digits(1024)},
        {"empty string", values, "Empty", "stale", true, ""},
        {"no key", root + "\\Missing", "PATH", "stale", false, ""},
        {"key without the value", values, "Missing", "stale", false, ""},
    };
}

bool run(const Case &c)
{
    std::string value = c.before;
    const bool found = vte::GetKeyValue(HKEY_LOCAL_MACHINE, c.key.c_str(), c.valueName, value);
    const bool ok = found == c.found && value == c.expected;
    std::printf("%s %s: found %d, %zu chars \"%.60s\"\n", ok ? "PASS" : "FAIL", c.name, found, value.size(), value.c_str());
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::printf("usage: tst_getkeyvalue KEY-BELOW-HKLM\n0 passed, 1 failed\n");
        return 2;
    }
    const std::string root = argv[1];
    int passed = 0;
    int failed = 0;
    if (!writeUnterminated(root + "\\Values", "Unterminated", digits(1024))) {
        std::printf("FAIL could not write the unterminated value\n");
        ++failed;
    }
    for (const Case &c : cases(root))
        ++(run(c) ? passed : failed);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
