#include "platform/file_replace.h"

#include <atomic>

namespace platform {
namespace {

using Error = FilePrimitives::Error;
using Handle = FilePrimitives::Handle;
using Outcome = ReplaceResult::Outcome;
using Swap = FilePrimitives::Swap;

// Refusals after which a plain overwrite may still work: the account may change the file but not
// create one beside it (a standard account in the drive root, a game under Program Files), or the
// temporary name does not fit where the target's name does.
bool OverwriteMayWork(Error error) {
    return error == Error::kLackOfRights || error == Error::kNameTooLong;
}

class Replacement {
  public:
    Replacement(FilePrimitives& files, const std::string& path, const std::string& bytes)
        : files_(files), path_(path), bytes_(bytes) {}

    ReplaceResult Run() {
        if (path_.empty() || path_.back() == '/' || path_.back() == '\\' ||
            !files_.Examine(path_, target_) || target_.refused)
            return result_;
        Handle file = 0;
        const Error created = CreateUnique(path_, ".tmp-", target_, temporary_, file);
        if (created != Error::kNone)
            return target_.exists && OverwriteMayWork(created) ? OverwriteInPlace() : result_;
        const bool written = files_.Write(file, bytes_) && files_.Flush(file);
        // Close runs whatever happened before; its failure may mean a lost write.
        if (!files_.Close(file) || !written)
            return Finish(Outcome::kUnchanged);
        if (target_.exists)
            return SwapIn();
        if (files_.Move(temporary_, path_) != Error::kNone)
            return Finish(Outcome::kUnchanged);
        temporary_.clear();
        return Finish(Outcome::kReplaced);
    }

  private:
    // Creates a new file "<path><tag><pid>-<n>" that no one else has.
    Error CreateUnique(const std::string& path, const char* tag, const FilePrimitives::Target& like,
                       std::string& name, Handle& file) {
        static std::atomic<unsigned> counter{0};
        Error error = Error::kExists;
        for (int attempt = 0; attempt < 100 && error == Error::kExists; ++attempt) {
            name = path + tag + std::to_string(files_.ProcessId()) + "-" +
                   std::to_string(counter.fetch_add(1));
            error = files_.CreateNew(name, like, file);
        }
        return error;
    }

    // Puts the finished temporary file in place of the existing target. The backup name lets a
    // system that moves the old file aside first leave it under a name when it stops half way.
    ReplaceResult SwapIn() {
        const std::string backup = BackupName();
        Error error = Error::kNone;
        switch (files_.Replace(path_, temporary_, backup, error)) {
            case Swap::kReplaced:
                temporary_.clear();
                return Finish(Outcome::kReplaced);
            case Swap::kReplacedOldAtBackup:
                temporary_.clear();
                DeleteOurs(backup);
                return Finish(Outcome::kReplaced);
            case Swap::kRefused:
                Finish(Outcome::kUnchanged);
                return OverwriteMayWork(error) ? OverwriteInPlace() : result_;
            case Swap::kOldAtBackup:
                break;
        }
        // Neither file holds the target's name now: the new one goes in, else the old one goes
        // back; failing both, the old bytes stay under the backup name and the caller is told.
        if (files_.Move(temporary_, path_) == Error::kNone) {
            temporary_.clear();
            DeleteOurs(backup);
            return Finish(Outcome::kReplaced);
        }
        if (files_.Move(backup, path_) == Error::kNone)
            return Finish(Outcome::kUnchanged);
        FilePrimitives::Target parked;
        if (files_.Examine(backup, parked) && parked.exists)
            result_.oldContentsCopy = backup;
        // The new bytes stay under their own name too, and the caller hears of the file.
        result_.leftoverFile = temporary_;
        temporary_.clear();
        return Ended(Outcome::kDamaged);
    }

    // The backup pairs with the temporary file: the same length, so it fits where that fits.
    std::string BackupName() const {
        std::string name = temporary_;
        name.replace(path_.size(), 5, ".old-");
        return name;
    }

    // Overwrites the existing file where it stands: its attributes, security descriptor and
    // identity stay as they are. Its old bytes are read first and written back when any step
    // fails, so that it is never left half written without the caller hearing of it.
    ReplaceResult OverwriteInPlace() {
        Handle file = 0;
        if (files_.OpenExisting(path_, file) != Error::kNone)
            return result_;
        std::string old;
        if (!files_.ReadAll(file, old)) {
            files_.Close(file);
            return result_;
        }
        if (Overwrite(file, bytes_)) {
            if (files_.Close(file))
                return Ended(Outcome::kReplaced);
            // The close reported a lost write: the old bytes go back through a new handle.
            if (files_.OpenExisting(path_, file) != Error::kNone)
                return KeepCopyOf(old);
        }
        const bool restored = Overwrite(file, old);
        return files_.Close(file) && restored ? Ended(Outcome::kUnchanged) : KeepCopyOf(old);
    }

    // Puts `bytes` in place of the file's whole content and flushes it.
    bool Overwrite(Handle file, const std::string& bytes) {
        return files_.Rewind(file) && files_.Write(file, bytes) && files_.SetEnd(file) &&
               files_.Flush(file);
    }

    // The target may be damaged: its old bytes go to a new file beside it, else in the
    // temporary directory, so that they are never lost with the memory that holds them.
    ReplaceResult KeepCopyOf(const std::string& old) {
        const size_t slash = path_.find_last_of("\\/");
        const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
        const std::string temporary = files_.TemporaryDirectory();
        for (const std::string& place :
             {path_, temporary.empty() ? std::string() : temporary + name}) {
            if (place.empty())
                continue;  // no temporary directory: never a copy in the working directory
            std::string copy;
            Handle file = 0;
            if (CreateUnique(place, ".old-", {}, copy, file) != Error::kNone)
                continue;
            const bool written = files_.Write(file, old) && files_.Flush(file);
            if (files_.Close(file) && written) {
                result_.oldContentsCopy = copy;
                break;
            }
            files_.Delete(copy);
        }
        return Ended(Outcome::kDamaged);
    }

    // A temporary file that was not moved in place goes whatever the outcome; one that stays
    // is reported.
    ReplaceResult Finish(Outcome outcome) {
        if (!temporary_.empty())
            DeleteOurs(temporary_);
        temporary_.clear();
        return Ended(outcome);
    }

    void DeleteOurs(const std::string& path) {
        if (!files_.Delete(path))
            result_.leftoverFile = path;
    }

    ReplaceResult Ended(Outcome outcome) {
        result_.outcome = outcome;
        return result_;
    }

    FilePrimitives& files_;
    const std::string& path_;
    const std::string& bytes_;
    FilePrimitives::Target target_;
    std::string temporary_;
    ReplaceResult result_;
};

}  // namespace

ReplaceResult ReplaceContents(FilePrimitives& files, const std::string& path,
                              const std::string& bytes) {
    return Replacement(files, path, bytes).Run();
}

ReplaceResult ReplaceFileContents(const std::string& windowsPath, const std::string& bytes) {
    return ReplaceContents(WindowsPathFiles(), windowsPath, bytes);
}

ReplaceResult ReplaceLocalFileContents(const std::string& localPath, const std::string& bytes) {
    return ReplaceContents(LocalFiles(), localPath, bytes);
}

}  // namespace platform
