#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// kvtool's exit statuses.
constexpr int kExitClean = 0;     // no findings
constexpr int kExitFindings = 1;  // findings (notes do not count), or a --ship name no line bears
constexpr int kExitError = 2;     // the tables or the file cannot be read, or a wrong command line

// Runs kvtool with its arguments (without the program's name): the report goes to `out`, errors
// to `err`; `in` is the standard input that `import -` reads. Returns the exit status.
int RunKvtool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
              std::istream& in);
