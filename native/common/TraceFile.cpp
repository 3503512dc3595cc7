#include "TraceFile.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ZvDebug.h"

namespace {

// Closes a descriptor (and so drops its flock) when it goes out of scope.
class ScopedDescriptor {
 public:
  explicit ScopedDescriptor(int fd) : m_fd(fd) {}
  ~ScopedDescriptor() {
    if (m_fd >= 0) {
      close(m_fd);
    }
  }
  ScopedDescriptor(const ScopedDescriptor&) = delete;
  ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;
  int get() const { return m_fd; }

 private:
  int m_fd;
};

bool IsLargerThan(const struct stat& info, unsigned limitKiB) {
  return static_cast<unsigned long long>(info.st_size) / 1024 > limitKiB;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

CTraceFile::AppendResult CTraceFile::Append(const char* path, const char* text, size_t length) {
  ScopedDescriptor file(open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
  if (file.get() < 0) {
    return AppendResult::kNotOpened;
  }
  // One call: a line split over two writes could take in another writer's line between them.
  ssize_t written;
  do {
    written = write(file.get(), text, length);
  } while (written < 0 && errno == EINTR);
  return written == static_cast<ssize_t>(length) ? AppendResult::kWritten
                                                 : AppendResult::kShortWrite;
}

CTraceFile::Rotation CTraceFile::RotateIfLarger(const char* path, unsigned limitKiB,
                                                const BackupNamer& backupName) {
  ScopedDescriptor file(open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat opened {};
  if (file.get() < 0 || fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
      !IsLargerThan(opened, limitKiB)) {
    return Rotation::kNotNeeded;
  }
  if (flock(file.get(), LOCK_EX) != 0) {
    return Rotation::kFailed;
  }
  // Whoever held the lock before us may have rotated already: then the path names a new file
  // (or none), and the one we hold is somebody's backup.
  struct stat current {};
  if (stat(path, &current) != 0 || !SameFile(current, opened) || !IsLargerThan(current, limitKiB)) {
    return Rotation::kNotNeeded;
  }
  char name[ZvDebug::kPathSize];
  for (unsigned counter = 0; counter < kMaxBackupAttempts; ++counter) {
    if (!backupName(counter, name, sizeof name)) {
      return Rotation::kFailed;
    }
    if (RenameWithoutReplacing(path, name)) {
      return Rotation::kRotated;
    }
    if (errno != EEXIST) {
      return Rotation::kFailed;
    }
  }
  return Rotation::kFailed;
}

bool CTraceFile::RenameWithoutReplacing(const char* from, const char* to) {
  if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  // File systems without RENAME_NOREPLACE: a hard link fails on an existing name just the same.
  if (link(from, to) != 0) {
    return false;
  }
  unlink(from);
  return true;
}
