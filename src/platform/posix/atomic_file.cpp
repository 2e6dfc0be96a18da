#include "platform/posix/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/system_error.h"

namespace xs {

namespace {
bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetLastSystemError(errno);
    return std::nullopt;
  }
  std::string out;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastSystemError(errno);
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  SetLastSystemError(0);
  return out;
}

bool WriteFileAtomically(const std::string& path, const std::string& data) {
  mode_t mode = 0644;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) {
    // The emulation honours the read-only attribute even for root.
    if (!(st.st_mode & S_IWUSR)) {
      SetLastSystemError(EACCES);
      return false;
    }
    mode = st.st_mode & 07777;
  }
  std::string temp;
  int fd = OpenTempBeside(path, mode, temp);
  if (fd < 0) {
    SetLastSystemError(errno);
    return false;
  }
  bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
  int code = errno;
  ok = ::close(fd) == 0 && ok;
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    code = errno;
  }
  if (ok) SyncFolderOf(path);
  if (!ok) {
    ::unlink(temp.c_str());
    SetLastSystemError(code ? code : EIO);
    return false;
  }
  SetLastSystemError(0);
  return true;
}

int OpenTempBeside(const std::string& path, mode_t mode, std::string& temp) {
  for (int i = 0; i < kTempNameTries; ++i) {
    temp = TempNameBeside(path);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolderOf(const std::string& path) {
  std::string folder = ExtractFilePath(path);
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

TFileLock::TFileLock(const std::string& lock_file) {
  fd_ = ::open(lock_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    SetLastSystemError(errno);
    return;
  }
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    SetLastSystemError(errno);
    ::close(fd_);
    fd_ = -1;
    return;
  }
}

TFileLock::~TFileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace xs
