#pragma once

#include <string>

namespace fuzzsupport {

// A Wine prefix in a fresh temporary directory for a fuzz target's whole run: system.reg with a
// header only, dosdevices/c: linked to ../drive_c, and drive_c/. WINEPREFIX points at it from
// construction on; the directory is removed again when the object is destroyed (a crashing run
// leaves it behind in $TMPDIR: scripts/fuzz.sh gives the targets a $TMPDIR of their own and
// removes it at the end).
//
// Fuzz targets create one prefix at start-up (a function-local static) and never per input.
class FuzzWinePrefix {
  public:
    FuzzWinePrefix();
    ~FuzzWinePrefix();
    FuzzWinePrefix(const FuzzWinePrefix&) = delete;
    FuzzWinePrefix& operator=(const FuzzWinePrefix&) = delete;

    const std::string& path() const { return path_; }
    // Host path of drive C's root, with every link resolved.
    std::string DriveC() const;

    // Links dosdevices/<letter>: to `target` (relative targets are relative to dosdevices/).
    void AddDrive(char letter, const std::string& target) const;
    // Creates a directory below the prefix, with its parents.
    void MakeDirectory(const std::string& relativePath) const;

  private:
    std::string path_;
};

// Replaces a host file's content with `bytes`; aborts when the file cannot be written, since
// the target's checks would then test nothing.
void WriteHostFile(const std::string& hostPath, const std::string& bytes);

}  // namespace fuzzsupport
