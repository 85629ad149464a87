#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platformtest {

using ProfileProbe = std::pair<std::string, std::string>;  // section, key

// Sets `key` in `section` with SetProfileValue and checks that the edit is sound: refused
// exactly when the entry cannot be stored or the text is UTF-16; otherwise the key reads back
// as the value, every probe for another key reads as before, and the text differs from the old
// one only by the key's line (replaced in place with its own line ending) or by added lines (a
// line ending for a last line that had none, the section header, the key). Empty when sound,
// else what went wrong.
std::string ProfileEditFault(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value,
                             const std::vector<ProfileProbe>& probes);

}  // namespace platformtest
