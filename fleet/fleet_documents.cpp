#include "fleet/fleet_documents.h"

#include <algorithm>
#include <cstdint>

#include "fleet/fleet_file.h"
#include "fleet/fleet_text.h"
#include "platform/ascii_case.h"
#include "platform/user_folders.h"

namespace {

// The title line's first word, which a fleet's text starts with after blank space, an editor's
// UTF-8 mark or a forum's quoting marks.
constexpr char kTextStart[] = "kestrivar";
// The part of a file whose control bytes tell binary numbers (the release and the count, or
// another binary format) from text.
constexpr size_t kHeaderBytes = 8;
// The highest number Open takes for the release of a fleet file from another version.
constexpr uint32_t kHighestReleaseNumber = 15;

bool StartsLikeFleetText(const std::string& bytes) {
    size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size() && std::string(" \t\r\n>").find(bytes[at]) != std::string::npos)
        ++at;
    const std::string word = bytes.substr(at, sizeof kTextStart - 1);
    return EqualsIgnoringAsciiCase(word, kTextStart);
}

// UTF-16 text rather than the binary numbers of another release: a byte-order mark or a
// printable first character, in either byte order.
bool StartsLikeUtf16Text(const std::string& bytes) {
    return IsUtf16Text(bytes) && bytes.size() >= 2 &&
           (static_cast<unsigned char>(bytes[0]) >= 0x20 ||
            static_cast<unsigned char>(bytes[1]) >= 0x20);
}

bool EndsWith(const std::string& name, const std::string& extension) {
    return name.size() > extension.size() &&
           EqualsIgnoringAsciiCase(name.substr(name.size() - extension.size()), extension);
}

}  // namespace

std::string FleetsFolder() {
    const std::string documents = platform::DocumentsFolder();
    if (documents.empty())
        return documents;
    const std::string fleets = documents + "\\" + kFleetsFolderName;
    return platform::CreateFolder(fleets) ? fleets : documents;
}

FleetFormat FleetFormatOf(const std::string& bytes) {
    if (bytes.size() >= 4 && ReadLittleEndian32(reinterpret_cast<const unsigned char*>(
                                 bytes.data())) == static_cast<uint32_t>(kFleetFileVersion))
        return FleetFormat::kFleetFile;
    if (StartsLikeFleetText(bytes) || StartsLikeUtf16Text(bytes))
        return FleetFormat::kFleetText;
    for (size_t i = 0; i < std::min(bytes.size(), kHeaderBytes); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n')
            return FleetFormat::kFleetFile;
    }
    return FleetFormat::kFleetText;
}

FleetFormat FleetFormatForName(const std::string& path, FleetFormat chosen) {
    for (FleetFormat format : {FleetFormat::kFleetFile, FleetFormat::kFleetText}) {
        if (EndsWith(path, std::string(".") + kFleetFileTypes[static_cast<int>(format)].extension))
            return format;
    }
    return chosen;
}

std::string FleetDocumentBytes(FleetFormat format, const std::array<SlotState, 3>& slots) {
    if (format == FleetFormat::kFleetFile)
        return EncodeFleetFile(slots);
    return FormatFleetText(ContentsOfSlots(slots), "\r\n");
}

bool ReadFleetDocument(const std::string& bytes, FleetFileContents& contents, std::string& why) {
    if (bytes.empty()) {
        why = "the file is empty";
        return false;
    }
    if (FleetFormatOf(bytes) == FleetFormat::kFleetText) {
        if (bytes.size() > kMaxFleetTextSize) {
            why = "the file is " + TooLongForFleetText();
            return false;
        }
        return ParseFleetText(bytes, contents, why);
    }
    FleetFileContents read;
    const size_t size = std::min(bytes.size(), kFleetFileReadLimit);
    switch (DecodeFleetFile(reinterpret_cast<const unsigned char*>(bytes.data()), size, read)) {
        case FleetFileKind::kTooShort:
            why =
                "the file is too short to be a fleet (" + std::to_string(bytes.size()) + " bytes)";
            return false;
        case FleetFileKind::kOtherRelease: {
            // Releases count from 1; a larger number is the start of some other kind of file (a
            // picture, an archive, a shortcut dropped by mistake), not a release.
            const uint32_t release =
                ReadLittleEndian32(reinterpret_cast<const unsigned char*>(bytes.data()));
            why = release >= 1 && release <= kHighestReleaseNumber
                      ? kIncompatibleReleaseMessage
                      : "the file is neither a fleet file nor a fleet's text";
            return false;
        }
        case FleetFileKind::kFleet:
            break;
    }
    contents = read;
    return true;
}

bool OpenFleetDocument(const std::string& windowsPath, FleetFileContents& contents,
                       std::string& why) {
    // One byte past the longest text is enough to tell that a text is too long.
    std::string bytes;
    if (!ReadFileStart(windowsPath, kMaxFleetTextSize + 1, bytes)) {
        why =
            "the file could not be read (it may have been moved, or another program may hold "
            "it open)";
        return false;
    }
    return ReadFleetDocument(bytes, contents, why);
}

std::string CouldNotOpenMessage(const std::string& windowsPath, const std::string& why) {
    return "Could not open " + windowsPath + ":\n" + why;
}

platform::ReplaceResult SaveFleetDocument(const std::string& windowsPath, FleetFormat format,
                                          const std::array<SlotState, 3>& slots) {
    return platform::ReplaceFileContents(windowsPath, FleetDocumentBytes(format, slots));
}
