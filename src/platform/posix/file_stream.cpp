#include "platform/file_stream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/native_path.h"

namespace xs {

EFOpenError::EFOpenError(const std::string& file_name, int system_code)
    : EStreamError("cannot open file " + file_name), system_code_(system_code) {}

TFileStream::TFileStream(const std::string& file_name, FileMode mode) : file_name_(file_name) {
  // O_NOFOLLOW: a link planted under a new name is never written through.
  int flags = mode == FileMode::Create      ? O_RDWR | O_CREAT | O_TRUNC
              : mode == FileMode::CreateNew ? O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW
              : mode == FileMode::OpenRead  ? O_RDONLY
                                            : O_RDWR;
  std::string path = NativePath(file_name);
  // Read-only files stay unwritable for root too, as on Windows.
  struct stat st;
  bool writes_existing = mode == FileMode::Create || mode == FileMode::OpenReadWrite;
  if (writes_existing && ::stat(path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR))
    throw EFOpenError(file_name, EACCES);
  int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) throw EFOpenError(file_name, errno);
  if (mode == FileMode::OpenReadWrite && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int code = errno;
    ::close(fd);
    throw EFOpenError(file_name, code);
  }
  handle_ = fd;
}

TFileStream::~TFileStream() { ::close(static_cast<int>(handle_)); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    ssize_t n = ::read(static_cast<int>(handle_), static_cast<char*>(buffer) + done,
                       static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      position_ = -1;
      throw EStreamError("read failed: " + file_name_);
    }
    if (n == 0) break;
    done += n;
  }
  position_ += done;
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    ssize_t n = ::write(static_cast<int>(handle_), static_cast<const char*>(buffer) + done,
                        static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  if (position_ >= 0) position_ += done;
  return done;
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::Current && position_ >= 0) return position_;
  int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(static_cast<int>(handle_), offset, whence);
  position_ = r < 0 ? -1 : static_cast<int64_t>(r);
  return position_;
}

int64_t TFileStream::Size() {
  struct stat st;
  if (::fstat(static_cast<int>(handle_), &st) != 0) return TStream::Size();
  return static_cast<int64_t>(st.st_size);
}

void TFileStream::SetSize(int64_t size) {
  if (::ftruncate(static_cast<int>(handle_), size) != 0) throw EStreamError("cannot resize " + file_name_);
  if (Position() > size) SetPosition(size);
}

void TFileStream::Flush() {
  if (::fsync(static_cast<int>(handle_)) != 0) throw EStreamError("cannot flush " + file_name_);
}

bool FileExists(const std::string& file_name) {
  struct stat st;
  return ::stat(NativePath(file_name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace xs
