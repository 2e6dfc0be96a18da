// Whole-file reads and crash-safe rewrites for the emulation's state files
// (registry, profiles, shell links), with a lock that serialises writers
// across processes.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace xs {

// On success returns the file's bytes. On failure returns nullopt and sets
// the error number (ENOENT when the file does not exist).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content so that readers see the old or the new bytes,
// never a mix: the data go to a temporary file in the same folder, are
// flushed to disk and renamed over path. An existing file keeps its mode.
// On success returns true. On failure (a read-only target, a missing folder,
// a full disk) returns false with the error number set; the old file is
// untouched and the temporary file removed.
bool WriteFileAtomically(const std::string& path, const std::string& data);

// Opens a new file for writing under a temporary name beside path
// (TempNameBeside, file_system.h), created with O_CREAT|O_EXCL|O_NOFOLLOW
// and mode; a taken name is followed by another. On success returns the
// descriptor with the name in temp. On failure returns -1 with errno set.
int OpenTempBeside(const std::string& path, mode_t mode, std::string& temp);
// Makes a rename in path's folder durable; failures are ignored (some file
// systems cannot sync a folder).
void SyncFolderOf(const std::string& path);

// Holds an exclusive advisory lock on the file lock_file (made when
// missing) for its lifetime, so that read-modify-write cycles of several
// processes do not lose updates.
class TFileLock {
 public:
  explicit TFileLock(const std::string& lock_file);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;
  // False when the lock file could not be opened; the error number tells why.
  bool Locked() const { return fd_ >= 0; }

 private:
  int fd_;
};

}  // namespace xs
