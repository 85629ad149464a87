// kvtool: the console companion of Kestrivar for modders, script designers and players sharing
// fleets. See tool/kvtool.h.
#include <iostream>
#include <string>
#include <vector>

#include "tool/kvtool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunKvtool(arguments, std::cout, std::cerr, std::cin);
}
