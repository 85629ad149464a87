#include "fleet/fleet_file.h"

#include <cstdio>

#include "framework/afx.h"
#include "framework/constants.h"
#include "framework/dialog.h"
#include "platform/file_presence.h"
#include "platform/file_replace.h"
#include "platform/file_system.h"

namespace {

// Closes the fleet file on every way out of ReadFleetFile.
class FileCloser {
  public:
    explicit FileCloser(FILE* file) : file_(file) {}
    ~FileCloser() { std::fclose(file_); }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

  private:
    FILE* file_;
};

bool ReadInt32(FILE* file, int32_t& value) {
    unsigned char bytes[4];
    if (std::fread(bytes, sizeof bytes, 1, file) != 1)
        return false;
    value = static_cast<int32_t>(ReadLittleEndian32(bytes));
    return true;
}

}  // namespace

bool WriteFleetFile(const std::array<SlotState, 3>& slots) {
    return platform::ReplaceFileContents(kFleetFilePath, EncodeFleetFile(slots));
}

bool SaveFleet(fw::CDialog& owner, const std::array<SlotState, 3>& slots) {
    const bool written = WriteFleetFile(slots);
    owner.MessageBox(written ? kFleetSavedMessage : kFleetWriteFailedMessage);
    return written;
}

FleetFileContents ReadFleetFile() {
    FleetFileContents contents;
    FILE* file = platform::OpenFile(kFleetFilePath, "rb");
    if (file == nullptr)
        return contents;
    const FileCloser closer(file);

    int32_t version = 0;
    if (!ReadInt32(file, version))
        return contents;
    if (version != kFleetFileVersion) {
        fw::AfxMessageBox(kIncompatibleReleaseMessage, fw::kMbOk | fw::kMbIconExclamation,
                          kIncompatibleReleaseCaption);
        return contents;
    }
    int32_t count = 0;
    if (!ReadInt32(file, count))
        return contents;

    const size_t wanted = count < 0 || static_cast<size_t>(count) > kMaxSlotsRead
                              ? kMaxSlotsRead
                              : static_cast<size_t>(count);
    for (size_t i = 0; i < wanted; ++i) {
        unsigned char record[kFleetSlotSize];
        const size_t got = std::fread(record, 1, sizeof record, file);
        if (got == 0)
            break;  // the end of the file: the rest stay zero
        contents.records[i] = DecodeFleetSlot(record, got);
    }
    contents.count = count;
    return contents;
}

int SlotsFilledByCount(int32_t count) {
    return count >= 0 && count <= 2 ? count : 3;
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
