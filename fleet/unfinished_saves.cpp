#include "fleet/unfinished_saves.h"

#include <cstdio>
#include <optional>
#include <string>

#include "fleet/fleet_file.h"
#include "fleet/vezire_zaradud_settings.h"
#include "framework/afx.h"
#include "framework/constants.h"
#include "platform/file_presence.h"
#include "platform/file_replace.h"
#include "platform/file_system.h"
#include "platform/replace_report.h"
#include "platform/unfinished_copies.h"

namespace {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& windowsPath) {
    FILE* file = platform::OpenFile(windowsPath, "rb");
    if (file == nullptr)
        return std::nullopt;
    std::string bytes;
    char chunk[8192];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

void DropCopy(const std::string& copy) {
    if (!platform::RemoveFile(copy)) {
        platform::ReplaceResult kept(platform::ReplaceResult::Outcome::kReplaced);
        kept.undeletedFiles.push_back(copy);
        fw::AfxMessageBox(platform::ReplaceReport(kept), fw::kMbOk | fw::kMbIconExclamation);
    }
}

void OfferCopy(const std::string& target, const std::string& copy) {
    const std::optional<std::string> old = ReadWholeFile(copy);
    if (!old)
        return;  // someone else's, or gone since: nothing to offer
    // An empty copy is the name a swap took for its backup before it stopped, or the copy of an
    // empty file: nothing to put back either way. So is a copy equal to the file.
    if (old->empty() || ReadWholeFile(target) == old) {
        DropCopy(copy);
        return;
    }
    const std::string question =
        "A Save of " + target + " did not finish, so the file may be damaged. What it held " +
        "before is in:\n" + copy + "\n\nPut that back? Yes puts it back; No keeps " + target +
        " as it is and deletes the copy; Cancel leaves both until Kestrivar starts again.";
    switch (fw::AfxMessageBox(question, fw::kMbYesNoCancel | fw::kMbIconExclamation)) {
        case fw::kIdYes: {
            const platform::ReplaceResult restored = platform::ReplaceFileContents(target, *old);
            if (!restored) {
                fw::AfxMessageBox(CouldNotWriteMessage(target, restored),
                                  fw::kMbOk | fw::kMbIconExclamation);
                return;
            }
            DropCopy(copy);
            return;
        }
        case fw::kIdNo:
            DropCopy(copy);
            return;
        default:
            return;
    }
}

}  // namespace

void OfferUnfinishedSaves() {
    std::string settings;
    for (const std::string& target :
         {std::string(kFleetFilePath),
          VezireZaradudSettings::GetFilePath(settings) ? settings : std::string()}) {
        if (target.empty())
            continue;
        for (const std::string& copy : platform::FindUnfinishedCopies(target))
            OfferCopy(target, copy);
    }
}
