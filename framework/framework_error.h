#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// A dialog or a test used the framework in a way that cannot work: a control id the template
// lacks, a dialog that is not running, an unexpected modal run. Thrown loudly so that the fault
// shows up where it was made; the Win32 backend stops it at the window-procedure boundary and
// rethrows it after the modal run.
class FrameworkError : public std::logic_error {
  public:
    explicit FrameworkError(const std::string& what) : std::logic_error(what) {}
};

}  // namespace fw
