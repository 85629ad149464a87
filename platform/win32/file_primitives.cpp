#include "platform/file_primitives.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ascii_case.h"

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
        case ERROR_SHARING_VIOLATION:
            return FilePrimitives::Error::kInUse;
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
        // Shared as a plain overwrite shares it, so that it opens where that would.
        const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
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
        const DWORD code = GetLastError();
        error = ErrorOf(code);
        // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 (and any failure that leaves the target gone): the
        // old file is under the backup name, if anywhere.
        const Swap swap = Exists(target) ? Swap::kRefused : Swap::kOldAtBackup;
        SetLastError(code);
        return swap;
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

    std::vector<std::string> FilesStartingWith(const std::string& pathPrefix) override {
        std::vector<std::string> paths;
        const size_t slash = pathPrefix.find_last_of("\\/");
        const std::string directory =
            slash == std::string::npos ? std::string() : pathPrefix.substr(0, slash + 1);
        const std::string start = pathPrefix.substr(directory.size());
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((pathPrefix + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return paths;
        do {
            // The pattern matches short names too: only a long name that begins so counts.
            const std::string name = found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                EqualsIgnoringAsciiCase(name.substr(0, start.size()), start))
                paths.push_back(directory + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return paths;
    }

    bool ProcessRunning(std::uint32_t processId) override {
        const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
        if (process == nullptr)
            return GetLastError() == ERROR_ACCESS_DENIED;  // there, and someone else's
        const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
        CloseHandle(process);
        return running;
    }

    std::string LastErrorText() override {
        const DWORD code = GetLastError();
        char text[512] = {};
        const DWORD length =
            FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           code, 0, text, static_cast<DWORD>(sizeof text), nullptr);
        std::string words(text, length);
        while (!words.empty() && (words.back() == '\n' || words.back() == '\r' ||
                                  words.back() == ' ' || words.back() == '.'))
            words.pop_back();
        return words.empty() ? "system error " + std::to_string(code) : words;
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
