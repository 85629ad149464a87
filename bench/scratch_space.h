#pragma once

#include <string>

namespace bench {

// A fresh directory under the system's temporary directory for generated tables, removed with
// everything in it when the object goes away. It also holds a Wine prefix whose drive Z: is the
// host's root, as in a default prefix, and points WINEPREFIX at it, so that host files can be
// handed to code that opens Windows paths (on Windows a host path is a Windows path already).
class ScratchSpace {
  public:
    ScratchSpace();
    ~ScratchSpace();
    ScratchSpace(const ScratchSpace&) = delete;
    ScratchSpace& operator=(const ScratchSpace&) = delete;

    // False when the directory or the prefix could not be made.
    bool ok() const { return ok_; }
    const std::string& path() const { return path_; }
    std::string prefixPath() const { return path_ + "/prefix"; }

    // The Windows path under which the program sees a host file: "Z:\..." under Wine.
    static std::string WindowsPathOf(const std::string& hostPath);

    // Makes `prefixDirectory` a Wine prefix with drive Z: at the host's root and sets WINEPREFIX
    // to it for the rest of the process.
    static bool UsePrefix(const std::string& prefixDirectory);

  private:
    std::string path_;
    bool ok_ = false;
};

}  // namespace bench
