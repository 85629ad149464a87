#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_replace.h"

// windows.h defines both names below as macros for the win.ini functions; in a file that
// included it first they would rename these declarations.
#ifdef GetProfileString
#undef GetProfileString
#endif
#ifdef WriteProfileString
#undef WriteProfileString
#endif

// Initialisation-file values ("[section]", "key=value") of a file named by its Windows path,
// with the contracts of GetPrivateProfileStringA and WritePrivateProfileStringA, in one
// implementation for every build that edits the file in place (rules in
// platform/profile_text.h). It stands in for the Windows functions on Windows too, because
// Wine's WritePrivateProfileStringA rewrites the whole file and loses the lines it does not
// understand as they were.
namespace platform {

// Copies the value of `key` in `section` into `buffer`: at most bufferSize - 1 characters and a
// terminating NUL; returns the number of characters copied. When the file, the section or the
// key is missing, or the key's line has no '=', the default (without its trailing blanks) is
// copied instead. An empty value ("k=") gives "" and 0. A null buffer or size 0 gives 0.
size_t GetProfileString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, char* buffer, size_t bufferSize,
                        const std::string& windowsPath);

// Sets `key` in `section` to `value`, creating the file, the section and the key as needed.
// False when the directory does not exist, the file or directory cannot be written, the file
// is read-only, or the names or value cannot be stored as one line (IsStorableProfileEntry).
// The file is replaced atomically, so a failure leaves it as it was, and every line other than
// the one set or added keeps its bytes.
ReplaceResult WriteProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& windowsPath);

// Sets several keys ("key", "value") of one section in one replacement of the file: either all
// of them are stored or, on any failure, none, and the file stays as it was. The keys are set in
// the order given, each as WriteProfileString would. A write that fails part way is told as
// ReplaceFileContents tells it.
ReplaceResult WriteProfileStrings(const std::string& section,
                                  const std::vector<std::pair<std::string, std::string>>& entries,
                                  const std::string& windowsPath);

}  // namespace platform
