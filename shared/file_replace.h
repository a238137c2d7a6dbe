// Saving without losing the old file, and keeping a copy of a file that could not be read
// whole before it is saved over. The rules of every data file the user edits:
// - the new content goes to a temporary file of its own beside the target, created
//   exclusively (two saves at once never share one), flushed to disk, and only then put in
//   the target's place in one step; on any failure it is removed and the old file stays;
// - temporary files left by a save that was killed are never read as data: the readers
//   open only the target's own name;
// - a file that was read only in part (readers say so, see ReadCompleteness) is copied to
//   a backup beside it before the first save over it (SaveOverGuard).
#pragma once

#include <cstddef>

namespace luna {

// What a reader got from a file.
enum class ReadCompleteness {
    NoFile,  // it could not be opened (missing, unreadable, path too long)
    Whole,   // every byte of it
    Partial, // reading stopped early (an end-of-file byte with data after it, a read
             // error, a record cut short); saving the items would lose the rest
    TooMany, // more items than the program holds; the first ones were read
};

// True when saving what was read would lose part of the file.
inline bool LosesDataOnSave(ReadCompleteness read) {
    return read == ReadCompleteness::Partial || read == ReadCompleteness::TooMany;
}

// The temporary name of attempt `attempt` for `path`: the path followed by ".~" and four
// hexadecimal digits. False when it does not fit `capacity` bytes with its terminator.
bool TempPathBeside(const char* path, unsigned attempt, char* out, std::size_t capacity);

// Replaces `target` by `source` in one step (MoveFileExA with MOVEFILE_REPLACE_EXISTING and
// MOVEFILE_WRITE_THROUGH on Windows, rename elsewhere).
bool MoveFileOver(const char* source, const char* target);

// Writes the bytes to `path` through a temporary file of its own. False when the path does
// not fit a 260-byte buffer, no temporary file can be created or written, or the
// replacement fails; the old file is then intact and no temporary file is left behind.
bool WriteFileReplacing(const char* path, const void* data, std::size_t size);

// Copies `path` to a new file beside it, never over an existing one: "<path>.bak", else
// "<path>.1.bak" to "<path>.9.bak". Sets out to the backup's path. False when the file
// cannot be read or no backup can be written.
bool KeepBackupCopy(const char* path, char* out, std::size_t capacity);

// One file the user opens, edits and saves, possibly several times.
class SaveOverGuard {
  public:
    // The file was read with this outcome.
    void Opened(ReadCompleteness read) {
        backupNeeded_ = LosesDataOnSave(read);
        backupPath_[0] = '\0';
    }
    // Before each save over `path`: keeps the backup when one is still owed. False when it
    // is owed and cannot be made; the save must not go ahead then.
    bool BeforeSave(const char* path);
    bool BackupOwed() const { return backupNeeded_; }
    // The backup's path once it was made, else "".
    const char* BackupPath() const { return backupPath_; }

  private:
    bool backupNeeded_ = false;
    char backupPath_[260] = {};
};

} // namespace luna
