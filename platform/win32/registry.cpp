#include "platform/registry.h"

#include <windows.h>

namespace platform {

namespace {

// A value that keeps growing between the size query and the read is given up on after this many
// attempts rather than chased for ever.
constexpr int kMaxReadAttempts = 8;

// The 32-bit view of the registry, where the game's 32-bit installer wrote its key. A 32-bit
// program is there already; a 64-bit build has to ask for it.
#if defined(_WIN64)
constexpr REGSAM kQueryAccess = KEY_QUERY_VALUE | KEY_WOW64_32KEY;
#else
constexpr REGSAM kQueryAccess = KEY_QUERY_VALUE;
#endif

// Queries the value into a buffer that starts at 256 bytes and grows to the size the registry
// asks for.
bool QueryValue(HKEY key, const std::string& valueName, std::string& data) {
    std::string buffer(256, '\0');
    for (int attempt = 0; attempt < kMaxReadAttempts; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD type = 0;
        const LONG result = RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(&buffer[0]), &size);
        if (result == ERROR_SUCCESS) {
            if (size > buffer.size())
                return false;
            buffer.resize(size);
            data.swap(buffer);
            return true;
        }
        if (result != ERROR_MORE_DATA)
            return false;
        // The value may have changed since the size was reported: never shrink, always grow.
        const std::size_t grown = buffer.size() * 2;
        buffer.assign(size > buffer.size() ? static_cast<std::size_t>(size) : grown, '\0');
    }
    return false;
}

// Closes an open key when it goes out of scope, whatever way the read ends.
class OpenKey {
  public:
    explicit OpenKey(HKEY key) : key_(key) {}
    ~OpenKey() { RegCloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return key_; }

  private:
    HKEY key_;
};

}  // namespace

bool ReadLocalMachineValue(const std::string& subKey, const std::string& valueName,
                           std::string& data) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, kQueryAccess, &key) != ERROR_SUCCESS) {
        return false;
    }
    const OpenKey open(key);
    return QueryValue(open.get(), valueName, data);
}

}  // namespace platform
