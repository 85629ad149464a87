#include "platform/profile_strings.h"

#include <cstdio>
#include <optional>

#include "platform/file_presence.h"
#include "platform/file_replace.h"
#include "platform/file_system.h"
#include "platform/profile_text.h"

// One implementation for every build. The Windows functions are not used even on Windows:
// under Wine, WritePrivateProfileStringA rewrites the whole file from its parsed form (blank
// lines dropped, "k = v" respaced, truncated in place), and the file is the game's own
// scripts.ini. Editing the text here and replacing the file atomically keeps every other byte.
namespace platform {
namespace {

enum class ReadResult { kRead, kMissing, kFailed };

// The whole file behind a Windows path. kMissing when there is no file there (nor perhaps its
// directory); kFailed when a file is there but cannot be read to its end (no permission, held
// open without sharing, a directory).
ReadResult ReadWholeFile(const std::string& windowsPath, std::string& bytes) {
    bytes.clear();
    FILE* file = OpenFile(windowsPath, "rb");
    if (file == nullptr)
        return FileExists(windowsPath) ? ReadResult::kFailed : ReadResult::kMissing;
    char chunk[8192];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok ? ReadResult::kRead : ReadResult::kFailed;
}

}  // namespace

size_t GetProfileString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, char* buffer, size_t bufferSize,
                        const std::string& windowsPath) {
    std::string text;
    std::optional<std::string> value;
    if (ReadWholeFile(windowsPath, text) == ReadResult::kRead)
        value = FindProfileValue(text, section, key);
    return CopyProfileString(value ? *value : ProfileDefault(defaultValue), buffer, bufferSize);
}

ReplaceResult WriteProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& windowsPath) {
    return WriteProfileStrings(section, {{key, value}}, windowsPath);
}

ReplaceResult WriteProfileStrings(const std::string& section,
                                  const std::vector<std::pair<std::string, std::string>>& entries,
                                  const std::string& windowsPath) {
    std::string text;
    if (ReadWholeFile(windowsPath, text) == ReadResult::kFailed)
        return {};
    std::string edited = text;
    for (const auto& [key, value] : entries) {
        std::optional<std::string> next = SetProfileValue(edited, section, key, value);
        if (!next)
            return {};
        edited = std::move(*next);
    }
    // The file already says this: leave it as it is.
    if (edited == text)
        return ReplaceResult(ReplaceResult::Outcome::kReplaced);
    // Fails without touching anything when the directory is missing or the file is read-only.
    return ReplaceFileContents(windowsPath, edited);
}

}  // namespace platform
