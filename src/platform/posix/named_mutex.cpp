// Named mutexes of the emulation: a mutex exists while some open file
// description holds a read lock on its lock file under "mutex/" of the
// emulated machine. Open-file-description locks are used because they
// conflict within one process too and survive other descriptors of the
// same file being closed.
#include "platform/named_mutex.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/emulated_machine.h"
#include "platform/posix/escape.h"
#include "platform/system_error.h"

namespace xs {

namespace {
std::string LockFile(const std::string& name) {
  std::string file = "m-";
  for (char c : EscapeField(name)) file += c == '/' ? std::string("%2F") : std::string(1, c);
  return MachinePath("mutex", true) + "/" + file;
}

struct flock WholeFile(short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  return lock;
}
}  // namespace

bool NamedMutexExists(const std::string& name) {
  int fd = name.empty() ? -1 : ::open(LockFile(name).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    SetLastSystemError(name.empty() ? EINVAL : errno);
    return false;
  }
  struct flock probe = WholeFile(F_WRLCK);
  bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  SetLastSystemError(held ? 0 : ENOENT);
  return held;
}

TNamedMutex::~TNamedMutex() {
  if (handle_ != -1) ::close(static_cast<int>(handle_));
}

bool TNamedMutex::Create(const std::string& name) {
  if (handle_ != -1 || name.empty()) {
    SetLastSystemError(EINVAL);
    return false;
  }
  int fd = ::open(LockFile(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetLastSystemError(errno);
    return false;
  }
  struct flock lock = WholeFile(F_RDLCK);
  while (::fcntl(fd, F_OFD_SETLKW, &lock) != 0) {
    if (errno == EINTR) continue;
    SetLastSystemError(errno);
    ::close(fd);
    return false;
  }
  handle_ = fd;
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
