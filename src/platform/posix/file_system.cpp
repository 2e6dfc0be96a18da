// The file system of the emulation: POSIX calls with Windows' rules where
// items rely on them (read-only files cannot be deleted or overwritten,
// masks match without regard to case).
#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "platform/posix/atomic_file.h"
#include "platform/posix/native_path.h"
#include "platform/system_error.h"

namespace xs {

namespace {
constexpr int64_t kUnixEpochSeconds = 11644473600;  // 1601-01-01 to 1970-01-01
constexpr double kDateTimeEpochDays = 109205;        // 1601-01-01 to 1899-12-30
constexpr int64_t kTicksPerSecond = 10000000;

bool Fail(int code) {
  SetLastSystemError(code);
  return false;
}
bool Ok() {
  SetLastSystemError(0);
  return true;
}

bool ReadOnlyMode(mode_t mode) { return !(mode & S_IWUSR); }

std::string BaseName(const std::string& path) {
  size_t cut = path.find_last_of('/');
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

uint32_t AttributesOf(const std::string& name, const struct stat& st) {
  uint32_t attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
  if (ReadOnlyMode(st.st_mode)) attr |= faReadOnly;
  if (name.size() > 1 && name[0] == '.' && name != "..") attr |= faHidden;
  return attr;
}

// The attributes of path itself, a link's own as Windows gives those of a
// symbolic link: a reparse point, a folder when its target is one, never
// read-only. lst is lstat's answer for path.
uint32_t OwnAttributes(const std::string& path, const struct stat& lst) {
  if (!S_ISLNK(lst.st_mode)) return AttributesOf(BaseName(path), lst);
  struct stat target;
  bool folder = ::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
  uint32_t attr = (folder ? faDirectory : faArchive) | faReparsePoint;
  std::string name = BaseName(path);
  if (name.size() > 1 && name[0] == '.') attr |= faHidden;
  return attr;
}

int64_t ToFileTime(const timespec& t) {
  return (static_cast<int64_t>(t.tv_sec) + kUnixEpochSeconds) * kTicksPerSecond + t.tv_nsec / 100;
}

timespec ToTimespec(int64_t time) {
  int64_t ticks = time - kUnixEpochSeconds * kTicksPerSecond;
  int64_t seconds = ticks / kTicksPerSecond, rest = ticks % kTicksPerSecond;
  if (rest < 0) {
    rest += kTicksPerSecond;
    --seconds;
  }
  return timespec{static_cast<time_t>(seconds), static_cast<long>(rest * 100)};
}

// Offset of local time from UTC, in seconds, at the UTC moment t.
long LocalOffset(time_t t) {
  struct tm local;
  if (!::localtime_r(&t, &local)) return 0;
  return local.tm_gmtoff;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool Match(const char* name, const char* mask) {
  // Iterative glob with one backtrack point: the last "*" seen.
  const char *star = nullptr, *resume = nullptr;
  while (*name) {
    if (*mask == '*') {
      star = mask++;
      resume = name;
    } else if (*mask && (*mask == '?' || Upper(*mask) == Upper(*name))) {
      ++mask;
      ++name;
    } else if (star) {
      mask = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*mask == '*') ++mask;
  return *mask == 0;
}

bool MatchesMask(const std::string& name, const std::string& mask) {
  if (mask == "*.*") return true;
  return Match(name.c_str(), mask.c_str());
}

bool CopyContent(int from, int to) {
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = ::write(to, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}
}  // namespace

uint32_t GetFileAttr(const std::string& name) {
  std::string path = NativePath(name);
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) {
    SetLastSystemError(errno);
    return faInvalid;
  }
  SetLastSystemError(0);
  return OwnAttributes(path, st);
}

bool SetFileAttr(const std::string& name, uint32_t attributes) {
  std::string path = NativePath(name);
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return Fail(errno);
  // A link has no attributes of its own here; its target is not ours to change.
  if (S_ISLNK(st.st_mode)) return Ok();
  mode_t mode = st.st_mode & 07777;
  mode = attributes & faReadOnly ? mode & ~mode_t{0222} : mode | S_IWUSR;
  if (::chmod(path.c_str(), mode) != 0) return Fail(errno);
  return Ok();
}

bool FolderExists(const std::string& name) {
  struct stat st;
  return ::stat(NativePath(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<int64_t> GetFileWriteTime(const std::string& name) {
  struct stat st;
  if (::stat(NativePath(name).c_str(), &st) != 0) {
    SetLastSystemError(errno);
    return std::nullopt;
  }
  SetLastSystemError(0);
  return ToFileTime(st.st_mtim);
}

bool SetFileWriteTime(const std::string& name, int64_t time) {
  timespec times[2] = {{0, UTIME_OMIT}, ToTimespec(time)};
  if (::utimensat(AT_FDCWD, NativePath(name).c_str(), times, 0) != 0) return Fail(errno);
  return Ok();
}

double FileTimeToLocalDateTime(int64_t time) {
  timespec t = ToTimespec(time);
  int64_t local = time + int64_t{LocalOffset(t.tv_sec)} * kTicksPerSecond;
  return static_cast<double>(local) / (86400.0 * kTicksPerSecond) - kDateTimeEpochDays;
}

int64_t LocalDateTimeToFileTime(double date_time) {
  auto local = static_cast<int64_t>((date_time + kDateTimeEpochDays) * 86400.0 * kTicksPerSecond + 0.5);
  // The offset depends on the moment; a second guess settles daylight saving.
  int64_t guess = local - int64_t{LocalOffset(ToTimespec(local).tv_sec)} * kTicksPerSecond;
  return local - int64_t{LocalOffset(ToTimespec(guess).tv_sec)} * kTicksPerSecond;
}

bool CopyFileTo(const std::string& source, const std::string& dest, bool fail_if_exists) {
  std::string from_path = NativePath(source), to_path = NativePath(dest);
  struct stat from_st, to_st;
  if (::stat(from_path.c_str(), &from_st) != 0) return Fail(errno);
  if (S_ISDIR(from_st.st_mode)) return Fail(EACCES);
  if (::stat(to_path.c_str(), &to_st) == 0) {
    if (fail_if_exists) return Fail(EEXIST);
    if (S_ISDIR(to_st.st_mode) || ReadOnlyMode(to_st.st_mode)) return Fail(EACCES);
    if (to_st.st_dev == from_st.st_dev && to_st.st_ino == from_st.st_ino) return Fail(EACCES);
  }
  int from = ::open(from_path.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) return Fail(errno);
  std::string temp;
  int to = OpenTempBeside(to_path, 0644, temp);
  if (to < 0) {
    int code = errno;
    ::close(from);
    return Fail(code);
  }
  bool ok = CopyContent(from, to) && ::fsync(to) == 0;
  int code = errno;
  ::close(from);
  if (::close(to) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (ok) {
    timespec times[2] = {from_st.st_atim, from_st.st_mtim};
    ::utimensat(AT_FDCWD, temp.c_str(), times, 0);
    ::chmod(temp.c_str(), from_st.st_mode & 07777);
    // link() takes the name only while it is free: a dest made meanwhile stays.
    if (fail_if_exists) {
      ok = ::link(temp.c_str(), to_path.c_str()) == 0;
      code = errno;
      ::unlink(temp.c_str());
      if (!ok) return Fail(code);
      return Ok();
    }
    if (MoveFileOver(temp, to_path)) return true;
    code = LastSystemError();
    ok = false;
  }
  ::unlink(temp.c_str());
  return Fail(code ? code : EIO);
}

bool MoveFileTo(const std::string& source, const std::string& dest) {
  std::string from_path = NativePath(source), to_path = NativePath(dest);
  struct stat from_st, to_st;
  if (::lstat(from_path.c_str(), &from_st) != 0) return Fail(errno);
  if (::lstat(to_path.c_str(), &to_st) == 0) return Fail(EEXIST);
  if (::rename(from_path.c_str(), to_path.c_str()) == 0) return Ok();
  if (errno != EXDEV || S_ISDIR(from_st.st_mode)) return Fail(errno);
  if (!CopyFileTo(source, dest, true)) return false;
  if (::unlink(from_path.c_str()) != 0) return Fail(errno);
  return Ok();
}

bool MoveFileOver(const std::string& source, const std::string& target) {
  std::string from_path = NativePath(source), to_path = NativePath(target);
  struct stat from_st, to_st;
  if (::lstat(from_path.c_str(), &from_st) != 0) return Fail(errno);
  if (S_ISDIR(from_st.st_mode)) return Fail(EACCES);
  if (::lstat(to_path.c_str(), &to_st) == 0) {
    // As on Windows: a read-only file is not replaced, a folder never.
    if (S_ISDIR(to_st.st_mode) || (!S_ISLNK(to_st.st_mode) && ReadOnlyMode(to_st.st_mode))) return Fail(EACCES);
  }
  if (::rename(from_path.c_str(), to_path.c_str()) != 0) return Fail(errno);
  SyncFolderOf(to_path);
  return Ok();
}

bool RemoveFile(const std::string& name) {
  std::string path = NativePath(name);
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return Fail(errno);
  if (S_ISDIR(st.st_mode) || (!S_ISLNK(st.st_mode) && ReadOnlyMode(st.st_mode))) return Fail(EACCES);
  if (::unlink(path.c_str()) != 0) return Fail(errno);
  return Ok();
}

bool CreateFolder(const std::string& name) {
  if (::mkdir(NativePath(name).c_str(), 0755) != 0) return Fail(errno);
  return Ok();
}

bool RemoveFolder(const std::string& name) {
  // A link to a folder goes as a link, as Windows removes a junction.
  std::string path = NativePath(name);
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && FolderExists(name)) {
    if (::unlink(path.c_str()) != 0) return Fail(errno);
    return Ok();
  }
  if (::rmdir(NativePath(name).c_str()) != 0) return Fail(errno == EEXIST ? ENOTEMPTY : errno);
  return Ok();
}

bool FindFiles(const std::string& folder, const std::string& mask, std::vector<TSearchRec>& found) {
  found.clear();
  std::string dir = NativePath(folder);
  if (dir.empty()) dir = ".";
  DIR* d = ::opendir(dir.c_str());
  if (!d) return Fail(errno == ENOTDIR ? ENOENT : errno);
  if (!dir.empty() && dir.back() != '/') dir += '/';
  while (const dirent* entry = ::readdir(d)) {
    std::string name = entry->d_name;
    if (mask.empty() || !MatchesMask(name, mask)) continue;
    struct stat st;
    if (::lstat((dir + name).c_str(), &st) != 0) continue;
    found.push_back(TSearchRec{name, OwnAttributes(dir + name, st), S_ISREG(st.st_mode) ? st.st_size : 0,
                               ToFileTime(st.st_mtim)});
  }
  ::closedir(d);
  // NTFS lists names in upper-case order; the emulation does the same.
  // Names that differ only in case keep a fixed order too, whatever order
  // the directory gave them in.
  auto upper_less = [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Upper(x) < Upper(y); });
  };
  std::sort(found.begin(), found.end(), [&](const TSearchRec& a, const TSearchRec& b) {
    if (upper_less(a.Name, b.Name) || upper_less(b.Name, a.Name)) return upper_less(a.Name, b.Name);
    return a.Name < b.Name;
  });
  return Ok();
}

}  // namespace xs
