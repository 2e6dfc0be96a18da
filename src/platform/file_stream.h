// A stream over a file on disk.
#pragma once

#include <memory>
#include <string>

#include "base/stream.h"

namespace xs {

// How a file is opened. Share modes follow the platform's rules on Windows;
// the POSIX emulation takes an advisory lock for the exclusive modes.
enum class FileMode {
  Create,          // create or truncate, read-write, others may read
  CreateNew,       // as Create, but only a name that does not exist yet: an
                   // existing file, folder or link of that name fails
  OpenRead,        // read-only, others may not write
  OpenReadWrite,   // read-write, others may neither read nor write
};

// Raised when a file cannot be opened; SystemCode() is the platform's error
// number (GetLastError on Windows, errno elsewhere).
class EFOpenError : public EStreamError {
 public:
  EFOpenError(const std::string& file_name, int system_code);
  int SystemCode() const { return system_code_; }

 private:
  int system_code_;
};

class TFileStream : public TStream {
 public:
  // On success the file is open with the position at 0.
  // On failure raises EFOpenError.
  TFileStream(const std::string& file_name, FileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // The position is kept here as well: asking for it (Seek 0 from the
  // current position), which readers of a package do for every small read,
  // costs no call to the system.
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  void SetSize(int64_t size) override;
  // The file's size from the system, in one call.
  int64_t Size() override;
  // Writes what the system holds of the file through to the disk, so that
  // a crash or power loss after it keeps the bytes. Raises EStreamError on
  // failure.
  void Flush();

  const std::string& FileName() const { return file_name_; }

 private:
  std::string file_name_;
  intptr_t handle_;
  int64_t position_ = 0;  // -1 when not known (after a failed read)
};

bool FileExists(const std::string& file_name);

}  // namespace xs
