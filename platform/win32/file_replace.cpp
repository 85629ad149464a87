#include "platform/file_replace.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

// Attributes a new file takes over from the one it replaces when it is moved in place.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The account may change the file but not create or delete one beside it: a standard account
// in the drive root, or in a game folder under Program Files.
bool IsLackOfRights(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

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

bool ReadAll(HANDLE file, std::string& bytes) {
    bytes.clear();
    char chunk[8192];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, static_cast<DWORD>(sizeof chunk), &got, nullptr))
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk, got);
    }
}

// Puts `bytes` in place of the file's whole content and flushes it.
bool Overwrite(HANDLE file, const std::string& bytes) {
    return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && WriteAll(file, bytes) &&
           SetEndOfFile(file) && FlushFileBuffers(file);
}

// Creates a new file "<target>.tmp-<pid>-<n>" that no one else has; INVALID_HANDLE_VALUE when
// none can be made, with the last error telling why.
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
            return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

// Overwrites an existing file where it stands; its attributes, security descriptor and identity
// stay as they are. Its old bytes are read first and written back when any step of the overwrite
// fails, so that the file is never left half written.
bool OverwriteInPlace(const std::string& target, const std::string& bytes) {
    const HANDLE file = CreateFileA(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string old;
    if (!ReadAll(file, old)) {
        CloseHandle(file);
        return false;
    }
    const bool ok = Overwrite(file, bytes);
    if (!ok)
        Overwrite(file, old);
    return CloseHandle(file) && ok;
}

// Puts the finished temporary file in the target's place. An existing target is replaced with
// ReplaceFileA, which keeps its security descriptor, attributes and identity. When that is
// refused for lack of rights, both files keep their names and the result says to overwrite in
// place. When the target is gone by the time the replacement failed (ReplaceFileA may leave it
// so), the new file is moved in.
enum class MoveResult { kMoved, kRefusedForLackOfRights, kFailed };

MoveResult MoveIntoPlace(const std::string& temporary, const std::string& target, bool exists) {
    constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!exists)
        return MoveFileExA(temporary.c_str(), target.c_str(), kMoveFlags) ? MoveResult::kMoved
                                                                          : MoveResult::kFailed;
    if (ReplaceFileA(target.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr))
        return MoveResult::kMoved;
    const DWORD error = GetLastError();
    if (IsLackOfRights(error))
        return MoveResult::kRefusedForLackOfRights;
    if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES &&
        GetLastError() == ERROR_FILE_NOT_FOUND &&
        MoveFileExA(temporary.c_str(), target.c_str(), kMoveFlags))
        return MoveResult::kMoved;
    return MoveResult::kFailed;
}

}  // namespace

bool ReplaceFileContents(const std::string& windowsPath, const std::string& bytes) {
    if (windowsPath.empty())
        return false;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    const DWORD existing = GetFileAttributesA(windowsPath.c_str());
    const bool exists = existing != INVALID_FILE_ATTRIBUTES;
    if (exists) {
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
        return exists && IsLackOfRights(GetLastError()) && OverwriteInPlace(windowsPath, bytes);
    bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
    // CloseHandle is called exactly once whatever happened before.
    ok = CloseHandle(file) && ok;
    const MoveResult moved =
        ok ? MoveIntoPlace(temporary, windowsPath, exists) : MoveResult::kFailed;
    if (moved == MoveResult::kMoved)
        return true;
    DeleteFileA(temporary.c_str());
    return moved == MoveResult::kRefusedForLackOfRights && OverwriteInPlace(windowsPath, bytes);
}

bool ReplaceLocalFileContents(const std::string& localPath, const std::string& bytes) {
    return ReplaceFileContents(localPath, bytes);
}

}  // namespace platform
