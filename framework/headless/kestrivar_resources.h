#pragma once

#include <optional>
#include <string>

namespace fw {
namespace headless {

struct ResourceText {
    std::string script;  // res/Kestrivar.rc
    std::string header;  // res/resource.h
};

// The program's resource script and header as the build found them, embedded byte for byte
// when the test program is built; nullopt when the build had no res/ files.
std::optional<ResourceText> KestrivarResourceText();

}  // namespace headless
}  // namespace fw
