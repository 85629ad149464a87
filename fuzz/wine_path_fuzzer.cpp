// Arbitrary bytes as a Windows path, mapped to a host path through a Wine prefix made once at
// start-up: C: links to ../drive_c (as wineboot makes it), D: to an absolute directory, E: to a
// directory that does not exist. drive_c holds a few directories and files in mixed case, and
// the prefix holds a file beside drive_c that no path on C: may reach.
//
// Checks: a path on C: or D: maps to the drive's directory or below it, and the name the host
// sees (up to the first NUL byte) has no "." or ".." component, so ".." never climbs out of the
// drive; every other path (no drive, another letter, the missing drive) maps to ""; and a path
// that maps to an existing file or directory still does so in another letter case.

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_wine_prefix.h"
#include "fuzz/support/require.h"
#include "platform/ascii_case.h"
#include "platform/file_system.h"

using fuzzsupport::Require;

namespace {

struct Prefix {
    fuzzsupport::FuzzWinePrefix prefix;
    std::string driveC;
    std::string driveD;

    Prefix() {
        prefix.MakeDirectory("drive_c/Games/Halvane Reach/Assets/specs");
        prefix.MakeDirectory("drive_c/Games/Halvane Reach/Assets/Scripts");
        prefix.MakeDirectory("drive_c/windows/system32");
        prefix.MakeDirectory("drive_c/caf\xC3\xA9");  // "café": C:\caf\xE9 in the ANSI code page
        prefix.MakeDirectory("drive_d/Data");
        driveC = prefix.DriveC();
        driveD = prefix.path() + "/drive_d";
        prefix.AddDrive('d', driveD);
        prefix.AddDrive('e', "../no_such_drive");
        const char* const files[] = {
            "/Kestrivar.FLT",
            "/Games/Halvane Reach/Assets/specs/shiplist.txt",
            "/Games/Halvane Reach/Assets/Scripts/scripts.ini",
            // Two spellings of one name: the exact one is preferred, either exists.
            "/windows/MixedCase.txt",
            "/windows/mixedcase.txt",
        };
        for (const char* file : files)
            fuzzsupport::WriteHostFile(driveC + file, "x");
        fuzzsupport::WriteHostFile(driveD + "/Data/Fleet.dat", "x");
        // Outside every drive: reachable only by escaping drive_c.
        fuzzsupport::WriteHostFile(prefix.path() + "/outside.txt", "x");
    }
};

bool IsAsciiLetter(char c) {
    return AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'Z';
}

// The drive directory a path should land in; empty when it names no drive of the prefix.
std::string ExpectedRoot(const std::string& path, const Prefix& prefix) {
    if (path.size() < 2 || !IsAsciiLetter(path[0]) || path[1] != ':')
        return std::string();
    switch (AsciiLower(path[0])) {
        case 'c':
            return prefix.driveC;
        case 'd':
            return prefix.driveD;
        default:
            return std::string();
    }
}

void RequireNoDotComponent(const std::string& below) {
    std::size_t start = 0;
    while (start <= below.size()) {
        std::size_t stop = below.find('/', start);
        if (stop == std::string::npos)
            stop = below.size();
        const std::string part = below.substr(start, stop - start);
        Require(part != "." && part != "..", "a mapped path has no . or .. component");
        start = stop + 1;
    }
}

bool Exists(const std::string& hostPath) {
    struct stat info;
    return stat(hostPath.c_str(), &info) == 0;
}

std::string Flipped(std::string text) {
    for (char& c : text)
        c = AsciiUpper(c) == c ? AsciiLower(c) : AsciiUpper(c);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Prefix prefix;
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string host = platform::HostPath(path);
    const std::string root = ExpectedRoot(path, prefix);
    if (root.empty()) {
        Require(host.empty(), "a path on no drive of the prefix maps to nothing");
        return 0;
    }
    Require(host.compare(0, root.size(), root) == 0 &&
                (host.size() == root.size() || host[root.size()] == '/'),
            "a path maps into its drive's directory");
    // What the operating system is handed: the name up to the first NUL byte.
    const std::string seen = host.substr(0, host.find('\0'));
    RequireNoDotComponent(seen.substr(root.size()));
    if (seen.size() == host.size() && Exists(host)) {
        Require(Exists(platform::HostPath(Flipped(path))),
                "an existing file is found in any letter case");
    }
    return 0;
}
