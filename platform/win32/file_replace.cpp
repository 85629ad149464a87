#include "platform/file_replace.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

// Attributes a replaced file passes on to the new one.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Creates a new file "<target>.tmp-<pid>-<n>" that no one else has; INVALID_HANDLE_VALUE when
// none can be made.
HANDLE CreateTemporaryBeside(const std::string& target, DWORD attributes,
                             std::string& temporaryPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" +
                        std::to_string(counter.fetch_add(1));
        const HANDLE file = CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, attributes, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool ReplaceFileContents(const std::string& windowsPath, const std::string& bytes) {
    if (windowsPath.empty())
        return false;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    const DWORD existing = GetFileAttributesA(windowsPath.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES) {
        if (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
        if (existing & kKeptAttributes)
            attributes = existing & kKeptAttributes;
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;  // no such directory, or the path cannot be examined
    }

    std::string temporary;
    const HANDLE file = CreateTemporaryBeside(windowsPath, attributes, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
    // CloseHandle is called exactly once whatever happened before.
    ok = CloseHandle(file) && ok;
    ok = ok && MoveFileExA(temporary.c_str(), windowsPath.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
