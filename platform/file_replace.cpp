#include "platform/file_replace.h"

#include <atomic>

namespace platform {
namespace {

using Error = FilePrimitives::Error;
using Handle = FilePrimitives::Handle;
using Outcome = ReplaceResult::Outcome;
using Swap = FilePrimitives::Swap;

constexpr char kOldTag[] = ".old-";

// Refusals after which a plain overwrite may still work: the account may change the file but not
// create one beside it (a standard account in the drive root, a game under Program Files), the
// temporary name does not fit where the target's name does, or another program holds the file
// open for reading and writing but not for deleting (the C runtime's default).
bool OverwriteMayWork(Error error) {
    return error == Error::kLackOfRights || error == Error::kNameTooLong || error == Error::kInUse;
}

class Replacement {
  public:
    Replacement(FilePrimitives& files, const std::string& path, const std::string& bytes)
        : files_(files), path_(path), bytes_(bytes) {}

    ReplaceResult Run() {
        if (path_.empty() || path_.back() == '/' || path_.back() == '\\')
            return Failed("the path names no file", false);
        if (!files_.Examine(path_, target_))
            return Failed("could not find its folder");
        if (target_.refused)
            return Failed("it is read-only or a folder", false);
        Handle file = 0;
        const Error created = CreateUnique(path_, ".tmp-", target_, temporary_, file);
        if (created != Error::kNone) {
            if (target_.exists && OverwriteMayWork(created))
                return OverwriteInPlace();
            return Failed("could not create a file beside it");
        }
        if (!WriteAndClose(file, bytes_, "could not write the new contents"))
            return Finish(Outcome::kUnchanged);
        if (target_.exists)
            return SwapIn();
        if (files_.Move(temporary_, path_) != Error::kNone) {
            Failed("could not put the new file in its place");
            return Finish(Outcome::kUnchanged);
        }
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

    // Writes, flushes and closes a new file; the close runs whatever happened before, and its
    // failure may mean a lost write.
    bool WriteAndClose(Handle file, const std::string& bytes, const char* step) {
        const bool written = files_.Write(file, bytes) && files_.Flush(file);
        if (!written)
            Failed(step);
        if (!files_.Close(file)) {
            Failed(step);
            return false;
        }
        return written;
    }

    // Puts the finished temporary file in place of the existing target. The backup name, taken
    // first so that no file of someone else's can be under it, lets a system that moves the old
    // file aside first leave it under a name when it stops half way.
    ReplaceResult SwapIn() {
        std::string backup;
        Handle placeholder = 0;
        if (CreateUnique(path_ + kOldTag, "", {}, backup, placeholder) != Error::kNone) {
            Failed("could not create a file beside it");
            return Finish(Outcome::kUnchanged);
        }
        if (!files_.Close(placeholder)) {
            Failed("could not create a file beside it");
            DeleteOurs(backup);
            return Finish(Outcome::kUnchanged);
        }
        Error error = Error::kNone;
        switch (files_.Replace(path_, temporary_, backup, error)) {
            case Swap::kReplaced:
            case Swap::kReplacedOldAtBackup:
                temporary_.clear();
                DeleteOurs(backup);
                return Finish(Outcome::kReplaced);
            case Swap::kRefused:
                if (!OverwriteMayWork(error))
                    Failed("could not put the new file in its place");
                DeleteOurs(backup);
                Finish(Outcome::kUnchanged);
                return OverwriteMayWork(error) ? OverwriteInPlace() : result_;
            case Swap::kOldAtBackup:
                Failed("could not put the new file in its place");
                break;
        }
        // Neither file holds the target's name now: the new one goes in, else the old one goes
        // back; failing both, the old bytes stay under the backup name, the new ones under
        // theirs, and the caller hears of both.
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
        result_.newContentsFile = temporary_;
        temporary_.clear();
        return Ended(Outcome::kDamaged);
    }

    // Overwrites the existing file where it stands: its attributes, security descriptor and
    // identity stay as they are. Its old bytes are first copied to a file of their own, so that
    // a failure or a stop at any later step never leaves them only in memory; a failed step
    // writes them back from memory.
    ReplaceResult OverwriteInPlace() {
        Handle file = 0;
        if (files_.OpenExisting(path_, file) != Error::kNone)
            return Failed("could not open it");
        std::string old;
        if (!files_.ReadAll(file, old)) {
            Failed("could not read its old contents");
            files_.Close(file);
            return result_;
        }
        std::string copy;
        if (!CopyOldContents(old, copy)) {
            files_.Close(file);
            return result_;
        }
        if (Overwrite(file, bytes_)) {
            if (files_.Close(file)) {
                DeleteOurs(copy);
                return Ended(Outcome::kReplaced);
            }
            Failed("could not write the new contents");
            // The close reported a lost write: the old bytes go back through a new handle.
            if (files_.OpenExisting(path_, file) != Error::kNone)
                return KeepCopy(copy);
        } else {
            Failed("could not write the new contents");
        }
        const bool restored = Overwrite(file, old);
        if (!files_.Close(file) || !restored)
            return KeepCopy(copy);
        DeleteOurs(copy);
        return Ended(Outcome::kUnchanged);
    }

    // Puts `bytes` in place of the file's whole content and flushes it.
    bool Overwrite(Handle file, const std::string& bytes) {
        return files_.Rewind(file) && files_.Write(file, bytes) && files_.SetEnd(file) &&
               files_.Flush(file);
    }

    // The old bytes in a new file beside the target, else in the temporary directory, flushed.
    bool CopyOldContents(const std::string& old, std::string& copy) {
        for (const std::string& prefix : OldContentsPrefixes(files_, path_)) {
            Handle file = 0;
            if (CreateUnique(prefix, "", {}, copy, file) != Error::kNone)
                continue;
            if (WriteAndClose(file, old, "could not copy its old contents"))
                return true;
            DeleteOurs(copy);
        }
        copy.clear();
        Failed("could not copy its old contents");
        return false;
    }

    ReplaceResult KeepCopy(const std::string& copy) {
        result_.oldContentsCopy = copy;
        return Ended(Outcome::kDamaged);
    }

    // A temporary file that was not moved in place goes whatever the outcome.
    ReplaceResult Finish(Outcome outcome) {
        if (!temporary_.empty())
            DeleteOurs(temporary_);
        temporary_.clear();
        return Ended(outcome);
    }

    void DeleteOurs(const std::string& path) {
        if (!files_.Delete(path))
            result_.undeletedFiles.push_back(path);
    }

    // Notes the first step that failed, with the system's words for it when it has some.
    ReplaceResult Failed(const char* step, bool systemSaid = true) {
        if (result_.failedStep.empty()) {
            result_.failedStep = step;
            if (systemSaid)
                result_.systemError = files_.LastErrorText();
        }
        return result_;
    }

    // A step that failed on the way to a success was got round: nothing to tell of it.
    ReplaceResult Ended(Outcome outcome) {
        result_.outcome = outcome;
        if (outcome == Outcome::kReplaced) {
            result_.failedStep.clear();
            result_.systemError.clear();
        }
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

std::vector<std::string> OldContentsPrefixes(FilePrimitives& files, const std::string& path) {
    std::vector<std::string> prefixes{path + kOldTag};
    // Without a temporary directory there is no second place: never the working directory.
    // The name there is cut short enough to fit after any temporary directory's path.
    const std::string temporary = files.TemporaryDirectory();
    if (!temporary.empty()) {
        const size_t slash = path.find_last_of("\\/");
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        prefixes.push_back(temporary + name.substr(0, 64) + kOldTag);
    }
    return prefixes;
}

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
