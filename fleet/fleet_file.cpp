#include "fleet/fleet_file.h"

#include <cstdio>

#include "framework/afx.h"
#include "framework/constants.h"
#include "framework/dialog.h"
#include "platform/file_presence.h"
#include "platform/file_replace.h"
#include "platform/file_system.h"
#include "platform/replace_report.h"

bool ReadFileStart(const std::string& windowsPath, size_t limit, std::string& bytes) {
    bytes.clear();
    FILE* file = platform::OpenFile(windowsPath, "rb");
    if (file == nullptr)
        return false;
    bytes.resize(limit);
    size_t got = 0;
    while (got < limit) {
        const size_t read = std::fread(&bytes[got], 1, limit - got, file);
        if (read == 0)
            break;
        got += read;
    }
    bytes.resize(got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

std::string CouldNotWriteMessage(const std::string& windowsPath,
                                 const platform::ReplaceResult& result) {
    std::string message = "Aack, could not write to " + windowsPath + "!";
    // A file as it was, with nothing of ours left, needs no more than the short message.
    if (result.Damaged() || !result.newContentsFile.empty() || !result.undeletedFiles.empty())
        message += "\n" + platform::ReplaceReport(result);
    return message;
}

std::string SavedMessage(const platform::ReplaceResult& result) {
    const std::string report = platform::ReplaceReport(result);
    return report.empty() ? std::string(kFleetSavedMessage) : kFleetSavedMessage + ("\n" + report);
}

platform::ReplaceResult WriteFleetFile(const std::array<SlotState, 3>& slots) {
    return platform::ReplaceFileContents(kFleetFilePath, EncodeFleetFile(slots));
}

bool SaveFleet(fw::CDialog& owner, const std::array<SlotState, 3>& slots) {
    const platform::ReplaceResult written = WriteFleetFile(slots);
    owner.MessageBox(written ? SavedMessage(written)
                             : CouldNotWriteMessage(kFleetFilePath, written));
    return static_cast<bool>(written);
}

FleetFileContents ReadFleetFile() {
    FleetFileContents contents;
    std::string bytes;
    ReadFileStart(kFleetFilePath, kFleetFileReadLimit, bytes);  // what was read, even short
    if (DecodeFleetFile(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                        contents) == FleetFileKind::kOtherRelease)
        fw::AfxMessageBox(kIncompatibleReleaseMessage, fw::kMbOk | fw::kMbIconExclamation,
                          kIncompatibleReleaseCaption);
    return contents;
}

void RemoveFleetFile(fw::CDialog& owner) {
    if (platform::FileExists(kFleetFilePath)) {
        const int answer = owner.MessageBox(kRemoveQuestion, kRemoveQuestionCaption,
                                            fw::kMbYesNo | fw::kMbIconQuestion);
        if (answer != fw::kIdYes) {
            owner.MessageBox(kFleetNotErasedMessage);
            return;
        }
        if (!platform::RemoveFile(kFleetFilePath)) {
            owner.MessageBox(kFleetEraseFailedMessage);
            return;
        }
    }
    owner.MessageBox(kFleetErasedMessage);
}
