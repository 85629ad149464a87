#pragma once

#include <memory>
#include <string>

namespace testsupport {

// Lets a test hand host files to code that opens Windows paths. On Windows a host path is a
// Windows path already. Elsewhere the object sets up a temporary Wine prefix whose drive Z: is
// the host's root, as in a default prefix, and host paths are given as Z:\... paths.
class WindowsPaths {
  public:
    WindowsPaths();
    ~WindowsPaths();
    WindowsPaths(const WindowsPaths&) = delete;
    WindowsPaths& operator=(const WindowsPaths&) = delete;

    std::string Of(const std::string& hostPath) const;

  private:
    struct Prefix;
    std::unique_ptr<Prefix> prefix_;
};

}  // namespace testsupport
