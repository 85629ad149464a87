#include "platform/file_primitives.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

namespace platform {
namespace {

// Attributes a new file takes over from the one it replaces.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

FilePrimitives::Error ErrorOf(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return FilePrimitives::Error::kNone;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return FilePrimitives::Error::kExists;
        case ERROR_ACCESS_DENIED:
        // ReplaceFileA: the old file could not be moved aside; both keep their names.
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
            return FilePrimitives::Error::kLackOfRights;
        case ERROR_FILENAME_EXCED_RANGE:
            return FilePrimitives::Error::kNameTooLong;
        default:
            return FilePrimitives::Error::kOther;
    }
}

HANDLE AsHandle(FilePrimitives::Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

FilePrimitives::Handle AsId(HANDLE file) {
    return reinterpret_cast<FilePrimitives::Handle>(file);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Win32Files final : public FilePrimitives {
  public:
    bool Examine(const std::string& path, Target& target) override {
        target = Target{};
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return GetLastError() == ERROR_FILE_NOT_FOUND;
        target.exists = true;
        target.refused = (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0;
        target.kept = attributes & kKeptAttributes;
        return true;
    }

    Error CreateNew(const std::string& path, const Target& like, Handle& file) override {
        // An ANSI path must fit in MAX_PATH; the target's may, a longer name beside it not.
        if (path.size() >= MAX_PATH)
            return Error::kNameTooLong;
        const DWORD attributes = like.exists && like.kept != 0 ? like.kept : FILE_ATTRIBUTE_NORMAL;
        const HANDLE handle =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return ErrorOf(GetLastError());
        file = AsId(handle);
        return Error::kNone;
    }

    Error OpenExisting(const std::string& path, Handle& file) override {
        const HANDLE handle =
            CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return ErrorOf(GetLastError());
        file = AsId(handle);
        return Error::kNone;
    }

    bool ReadAll(Handle file, std::string& bytes) override {
        bytes.clear();
        char chunk[8192];
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(AsHandle(file), chunk, static_cast<DWORD>(sizeof chunk), &got, nullptr))
                return false;
            if (got == 0)
                return true;
            bytes.append(chunk, got);
        }
    }

    bool Rewind(Handle file) override {
        return SetFilePointer(AsHandle(file), 0, nullptr, FILE_BEGIN) == 0;
    }

    bool Write(Handle file, const std::string& bytes) override {
        size_t done = 0;
        while (done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(AsHandle(file), bytes.data() + done, chunk, &written, nullptr) ||
                written == 0)
                return false;
            done += written;
        }
        return true;
    }

    bool SetEnd(Handle file) override { return SetEndOfFile(AsHandle(file)) != FALSE; }

    bool Flush(Handle file) override { return FlushFileBuffers(AsHandle(file)) != FALSE; }

    bool Close(Handle file) override { return CloseHandle(AsHandle(file)) != FALSE; }

    // ReplaceFileA keeps the target's security descriptor, attributes and identity. With a backup
    // name it moves the old file aside first; its documented half-done failures then leave the
    // old file under that name or under its own. What the names hold afterwards decides.
    Swap Replace(const std::string& target, const std::string& replacement,
                 const std::string& backup, Error& error) override {
        if (ReplaceFileA(target.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr, nullptr))
            return Exists(backup) ? Swap::kReplacedOldAtBackup : Swap::kReplaced;
        error = ErrorOf(GetLastError());
        // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 (and any failure that leaves the target gone): the
        // old file is under the backup name, if anywhere.
        return Exists(target) ? Swap::kRefused : Swap::kOldAtBackup;
    }

    Error Move(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? Error::kNone
                   : ErrorOf(GetLastError());
    }

    bool Delete(const std::string& path) override { return DeleteFileA(path.c_str()) != FALSE; }

    std::uint32_t ProcessId() override { return GetCurrentProcessId(); }

    std::string TemporaryDirectory() override {
        char buffer[MAX_PATH + 1];
        const DWORD length = GetTempPathA(sizeof buffer, buffer);
        return length == 0 || length > MAX_PATH ? std::string() : std::string(buffer, length);
    }
};

}  // namespace

FilePrimitives& WindowsPathFiles() {
    static Win32Files files;
    return files;
}

FilePrimitives& LocalFiles() {
    return WindowsPathFiles();
}

}  // namespace platform
