#ifndef NSHTML_COMMON_TRACEFILE_H
#define NSHTML_COMMON_TRACEFILE_H

#include <cstddef>
#include <functional>

// The file operations behind the trace, log and debug-channel files, written so that several
// processes (and several threads of one process) can share one file:
//
// - every line goes out with one write() on a descriptor opened for appending, so the kernel
//   places it whole at the end of the file, never between another writer's bytes;
// - rotation renames the file under an exclusive advisory lock (flock) on it, looks again after
//   taking the lock (another writer may have rotated it meanwhile), and never renames onto an
//   existing backup, so no rotation replaces another's backup.
//
// A writer that opened the file just before another one renamed it appends to the backup: its
// line is kept there.
class CTraceFile {
 public:
  enum class AppendResult { kWritten, kNotOpened, kShortWrite };

  // Appends length bytes of text to the file at path, creating it when needed.
  // kShortWrite: the file system took fewer bytes (a full disk, a file size limit).
  static AppendResult Append(const char* path, const char* text, size_t length);

  enum class Rotation { kNotNeeded, kRotated, kFailed };

  // Fills out (outSize bytes) with the backup name to try for the counter'th attempt, or
  // answers false when no such name fits.
  using BackupNamer = std::function<bool(unsigned counter, char* out, size_t outSize)>;

  // Renames the regular file at path to the first free backup name when its size in KiB
  // (rounded down) exceeds limitKiB. A missing file, a directory or any other non-regular file
  // is left alone.
  static Rotation RotateIfLarger(const char* path, unsigned limitKiB,
                                 const BackupNamer& backupName);

  // rename() that fails with EEXIST instead of replacing an existing destination.
  static bool RenameWithoutReplacing(const char* from, const char* to);

 private:
  static constexpr unsigned kMaxBackupAttempts = 100000;
};

#endif  // NSHTML_COMMON_TRACEFILE_H
