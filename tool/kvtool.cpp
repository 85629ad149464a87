#include "tool/kvtool.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>

#include "fleet/fleet_documents.h"
#include "fleet/fleet_file.h"
#include "fleet/fleet_file_codec.h"
#include "fleet/fleet_text.h"
#include "platform/file_replace.h"
#include "platform/file_system.h"
#include "platform/replace_report.h"
#include "platform/unfinished_copies.h"
#include "tool/fleet_report.h"
#include "tool/game_data.h"
#include "tool/table_report.h"

namespace {

constexpr char kUsage[] =
    "usage: kvtool tables [--ship NAME] [--game DIR]\n"
    "       kvtool fleet [FILE] [--game DIR]\n"
    "       kvtool export [FILE]\n"
    "       kvtool import TEXT [FILE]\n"
    "       kvtool --help\n";

constexpr char kHelp[] =
    "\n"
    "Reads the game's tables exactly as Kestrivar does and tells why a ship is missing from\n"
    "the picker, or shows what a fleet file holds.\n"
    "\n"
    "  tables             every finding and note about ftrlist.txt and shiplist.txt, one a\n"
    "                     line, as FILE:LINE: CLASS: what happened and why (a note reads\n"
    "                     FILE:LINE: CLASS: note: ...); then the lines of each table, the\n"
    "                     ships each mode offers by race and hull class, and the ships no\n"
    "                     mode offers by the rules that leave them out\n"
    "  tables --ship NAME every line that bears the class name NAME, header lines and lines\n"
    "                     never read included, what became of it, and where each mode's\n"
    "                     picker offers it or which rule leaves it out; also each line that\n"
    "                     holds NAME in another column or inside a longer one\n"
    "  fleet [FILE]       the fleet file (default C:\\Kestrivar.FLT) as Load puts it in the\n"
    "                     slots: each ship with its BPV and loadout, the total, and findings\n"
    "  export [FILE]      the fleet file (default C:\\Kestrivar.FLT) as text to share, one\n"
    "                     ship a line, as Kestrivar's \"Copy Fleet as Text\" gives it\n"
    "  import TEXT [FILE] writes the fleet of a text (a file, or - for standard input) into\n"
    "                     the fleet file (default C:\\Kestrivar.FLT) as Save would after a\n"
    "                     \"Paste Fleet\"; a text that is not a fleet changes nothing\n"
    "  --game DIR         the game installed in DIR instead of the one in the registry\n"
    "\n"
    "A finding is a row lost or misread, or a fleet Load would not give back as saved; a note\n"
    "is a fact that loses nothing (a keyword the program does not use, a second copy of a row\n"
    "equal to the one lookups find).\n"
    "\n"
    "Exit status:\n"
    "  0  no findings (notes may be printed); export and import: done\n"
    "  1  findings; tables --ship: also a class name that no line of either table bears\n"
    "  2  the tables, the file or the text cannot be read or written, or a wrong command line\n";

struct CommandLine {
    std::string command;
    std::optional<std::string> game;
    std::optional<std::string> ship;
    std::optional<std::string> text;  // import's text: a file, or "-" for standard input
    std::optional<std::string> file;
};

bool ReadsGame(const std::string& command) {
    return command == "tables" || command == "fleet";
}

// Parses the arguments; false with `error` set when they are wrong.
bool Parse(const std::vector<std::string>& arguments, CommandLine& line, std::string& error) {
    if (arguments.empty()) {
        error = "no command given";
        return false;
    }
    line.command = arguments[0];
    if (!ReadsGame(line.command) && line.command != "export" && line.command != "import") {
        error = "unknown command '" + line.command + "'";
        return false;
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--game" || argument == "--ship") {
            if (i + 1 == arguments.size()) {
                error = argument + " needs a value";
                return false;
            }
            std::optional<std::string>& value = argument == "--game" ? line.game : line.ship;
            if (value) {
                error = argument + " is given twice";
                return false;
            }
            value = arguments[++i];
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option '" + argument + "'";
            return false;
        } else if (line.command == "import" && !line.text) {
            line.text = argument;
        } else if (line.command != "tables" && !line.file) {
            line.file = argument;
        } else {
            error = "unexpected argument '" + argument + "'";
            return false;
        }
    }
    if (line.ship && line.command != "tables") {
        error = "--ship belongs to the tables command";
        return false;
    }
    if (line.game && !ReadsGame(line.command)) {
        error = "--game belongs to the tables and fleet commands";
        return false;
    }
    if (line.command == "import" && !line.text) {
        error = "import needs a text: a file, or - for standard input";
        return false;
    }
    return true;
}

// The start of the fleet file as Load reads it; false with `error` when it cannot be read.
bool ReadFleetBytes(const std::optional<std::string>& file, std::string& shownPath,
                    std::vector<unsigned char>& bytes, std::string& error) {
    shownPath = file ? *file : kFleetFilePath;
    const std::string hostPath = file ? *file : platform::HostPath(kFleetFilePath);
    errno = 0;
    std::FILE* stream = hostPath.empty() ? nullptr : std::fopen(hostPath.c_str(), "rb");
    if (stream == nullptr) {
        error = "cannot open the fleet file " + shownPath;
        if (hostPath != shownPath && !hostPath.empty())
            error += " (" + hostPath + ")";
        error += std::string(": ") + (errno != 0 ? std::strerror(errno) : "no such drive");
        return false;
    }
    bytes.resize(kFleetFileReadLimit);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t read = std::fread(bytes.data() + got, 1, bytes.size() - got, stream);
        if (read == 0)
            break;
        got += read;
    }
    const bool failed = std::ferror(stream) != 0;
    std::fclose(stream);
    bytes.resize(got);
    if (failed) {
        error = "cannot read the fleet file " + shownPath;
        return false;
    }
    // A fleet kept as text (Save Fleet As) read as the game's bytes would be a release of
    // nonsense; the text has a command of its own.
    if (!bytes.empty() &&
        FleetFormatOf(std::string(bytes.begin(), bytes.end())) == FleetFormat::kFleetText) {
        error = shownPath + " is text, not a fleet file; kvtool import " + shownPath +
                " writes a fleet's text to one";
        return false;
    }
    return true;
}

// `kvtool export`: the fleet file as text, as the main dialog copies it after a Load.
int ExportFleet(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::string path;
    std::string error;
    std::vector<unsigned char> bytes;
    if (!ReadFleetBytes(line.file, path, bytes, error)) {
        err << "kvtool: " << error << "\n";
        return kExitError;
    }
    FleetFileContents contents;
    switch (DecodeFleetFile(bytes.data(), bytes.size(), contents)) {
        case FleetFileKind::kTooShort:
            err << "kvtool: " << path << ": too short to hold a fleet\n";
            return kExitError;
        case FleetFileKind::kOtherRelease:
            err << "kvtool: " << path << ": release "
                << static_cast<int32_t>(ReadLittleEndian32(bytes.data())) << ", not "
                << kFleetFileVersion << ": Kestrivar does not load it\n";
            return kExitError;
        case FleetFileKind::kFleet:
            break;
    }
    out << FormatFleetText(contents);
    return kExitClean;
}

// A text to import, read no further than one byte past the longest fleet text: an endless input
// (a device, a pipe that never closes) ends the reading as soon as it is known to be too long.
struct BoundedText {
    std::string text;

    bool Full() const { return text.size() > kMaxFleetTextSize; }
    void Add(const char* bytes, std::size_t count) {
        text.append(bytes, std::min(count, kMaxFleetTextSize + 1 - text.size()));
    }
};

// `kvtool import`: the fleet of a text written to the fleet file through the same replacement
// Save uses; nothing is written unless the whole text is a fleet.
int ImportFleet(const CommandLine& line, std::ostream& out, std::ostream& err, std::istream& in) {
    BoundedText input;
    char chunk[4096];
    const bool fromInput = *line.text == "-";
    if (fromInput) {
        while (!input.Full() && (in.read(chunk, sizeof chunk) || in.gcount() > 0))
            input.Add(chunk, static_cast<std::size_t>(in.gcount()));
    } else {
        errno = 0;
        std::FILE* stream = std::fopen(line.text->c_str(), "rb");
        if (stream == nullptr) {
            err << "kvtool: cannot open the text " << *line.text << ": "
                << (errno != 0 ? std::strerror(errno) : "unknown error") << "\n";
            return kExitError;
        }
        for (std::size_t got;
             !input.Full() && (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;)
            input.Add(chunk, got);
        const bool failed = std::ferror(stream) != 0;
        std::fclose(stream);
        if (failed) {
            err << "kvtool: cannot read the text " << *line.text << "\n";
            return kExitError;
        }
    }
    const std::string shown = fromInput ? "standard input" : *line.text;
    if (input.Full()) {
        err << "kvtool: " << shown << ": " << TooLongForFleetText() << "\n";
        return kExitError;
    }
    FleetFileContents contents;
    std::string error;
    if (!ParseFleetText(input.text, contents, error)) {
        err << "kvtool: " << shown << ": " << error << "\n";
        return kExitError;
    }
    const std::string bytes = EncodeFleetFile(contents);
    const std::string path = line.file ? *line.file : kFleetFilePath;
    platform::FilePrimitives& files =
        line.file ? platform::LocalFiles() : platform::WindowsPathFiles();
    // A copy an unfinished save left stays where it is; the user hears of it before it is
    // forgotten under the new file.
    for (const std::string& copy : platform::FindUnfinishedCopies(files, path))
        err << "kvtool: note: a save of " << path << " did not finish; what it held before is in "
            << copy << "\n";
    const platform::ReplaceResult written = platform::ReplaceContents(files, path, bytes);
    const std::string report = platform::ReplaceReport(written);
    if (!written) {
        err << "kvtool: could not write to " << path << ". " << report << "\n";
        return kExitError;
    }
    if (!report.empty())
        err << "kvtool: " << path << ": " << report << "\n";
    const int32_t ships = static_cast<int32_t>(
        ReadLittleEndian32(reinterpret_cast<const unsigned char*>(bytes.data()) + 4));
    out << path << ": " << ships << (ships == 1 ? " ship" : " ships") << " written\n";
    return kExitClean;
}

}  // namespace

int RunKvtool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
              std::istream& in) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << kUsage << kHelp;
            return kExitClean;
        }
    }
    CommandLine line;
    std::string error;
    if (!Parse(arguments, line, error)) {
        err << "kvtool: " << error << "\n" << kUsage;
        return kExitError;
    }

    if (line.command == "export" || line.command == "import") {
        const int status = line.command == "export" ? ExportFleet(line, out, err)
                                                    : ImportFleet(line, out, err, in);
        out.flush();
        if (status == kExitClean && !out) {
            err << "kvtool: cannot write to standard output\n";
            return kExitError;
        }
        return status;
    }

    GameData game;
    if (!LoadGameData(line.game, game, error)) {
        err << "kvtool: " << error << "\n";
        return kExitError;
    }
    int findings = 0;
    if (line.command == "tables") {
        findings = line.ship ? PrintShipReport(game, *line.ship, out) : PrintTableReport(game, out);
    } else {
        std::string path;
        std::vector<unsigned char> bytes;
        if (!ReadFleetBytes(line.file, path, bytes, error)) {
            err << "kvtool: " << error << "\n";
            return kExitError;
        }
        findings = PrintFleetReport(game, path, bytes, out);
    }
    out.flush();
    if (!out) {
        err << "kvtool: cannot write the report\n";
        return kExitError;
    }
    return findings == 0 ? kExitClean : kExitFindings;
}
