#pragma once

#include <string>
#include <vector>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with everything in it when
// the object goes out of scope.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Path of a file or directory inside, joined with '/'.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Writes bytes to a file, creating parent directories as needed.
void WriteFile(const std::string& path, const std::string& bytes);
// Reads a whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// The names of the entries of a directory, sorted.
std::vector<std::string> FileNamesIn(const std::string& directory);

}  // namespace testsupport
