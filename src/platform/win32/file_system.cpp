#include "platform/file_system.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

namespace {
constexpr double kDateTimeEpochDays = 109205;  // 1601-01-01 to 1899-12-30
constexpr double kTicksPerDay = 864000000000.0;

bool Check(BOOL ok) {
  SetLastSystemError(ok ? 0 : static_cast<int>(GetLastError()));
  return ok != FALSE;
}

int64_t FromFileTime(const FILETIME& t) {
  return static_cast<int64_t>(uint64_t{t.dwHighDateTime} << 32 | t.dwLowDateTime);
}

FILETIME ToFileTime(int64_t time) {
  auto u = static_cast<uint64_t>(time);
  return FILETIME{static_cast<DWORD>(u), static_cast<DWORD>(u >> 32)};
}
}  // namespace

uint32_t GetFileAttr(const std::string& name) {
  DWORD attr = GetFileAttributesA(name.c_str());
  SetLastSystemError(attr == INVALID_FILE_ATTRIBUTES ? static_cast<int>(GetLastError()) : 0);
  return attr;
}

bool SetFileAttr(const std::string& name, uint32_t attributes) {
  return Check(SetFileAttributesA(name.c_str(), attributes));
}

bool FolderExists(const std::string& name) {
  DWORD attr = GetFileAttributesA(name.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<int64_t> GetFileWriteTime(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Check(GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data))) return std::nullopt;
  return FromFileTime(data.ftLastWriteTime);
}

bool SetFileWriteTime(const std::string& name, int64_t time) {
  // Backup semantics let folders be opened too.
  HANDLE h = CreateFileA(name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Check(FALSE);
  FILETIME t = ToFileTime(time);
  bool ok = Check(SetFileTime(h, nullptr, nullptr, &t));
  CloseHandle(h);
  return ok;
}

double FileTimeToLocalDateTime(int64_t time) {
  FILETIME utc = ToFileTime(time), local;
  if (!FileTimeToLocalFileTime(&utc, &local)) local = utc;
  return static_cast<double>(FromFileTime(local)) / kTicksPerDay - kDateTimeEpochDays;
}

int64_t LocalDateTimeToFileTime(double date_time) {
  FILETIME local = ToFileTime(static_cast<int64_t>((date_time + kDateTimeEpochDays) * kTicksPerDay + 0.5)), utc;
  if (!LocalFileTimeToFileTime(&local, &utc)) utc = local;
  return FromFileTime(utc);
}

bool CopyFileTo(const std::string& source, const std::string& dest, bool fail_if_exists) {
  // Nothing to replace: the system's copy makes a new file or none.
  if (fail_if_exists) return Check(CopyFileA(source.c_str(), dest.c_str(), TRUE));
  DWORD dest_attr = GetFileAttributesA(dest.c_str());
  if (dest_attr != INVALID_FILE_ATTRIBUTES && (dest_attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    SetLastSystemError(ERROR_ACCESS_DENIED);
    return false;
  }
  for (int i = 0; i < kTempNameTries; ++i) {
    // TRUE: the copy takes the temporary name only while it is free.
    std::string temp = TempNameBeside(dest);
    if (!CopyFileA(source.c_str(), temp.c_str(), TRUE)) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      return Check(FALSE);
    }
    if (MoveFileOver(temp, dest)) return true;
    int code = LastSystemError();
    // The copy may carry source's read-only attribute.
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp.c_str());
    SetLastSystemError(code);
    return false;
  }
  SetLastSystemError(ERROR_FILE_EXISTS);
  return false;
}

bool MoveFileTo(const std::string& source, const std::string& dest) {
  return Check(MoveFileExA(source.c_str(), dest.c_str(), MOVEFILE_COPY_ALLOWED));
}

bool MoveFileOver(const std::string& source, const std::string& target) {
  return Check(MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

bool RemoveFile(const std::string& name) { return Check(DeleteFileA(name.c_str())); }

bool CreateFolder(const std::string& name) { return Check(CreateDirectoryA(name.c_str(), nullptr)); }

bool RemoveFolder(const std::string& name) { return Check(RemoveDirectoryA(name.c_str())); }

bool FindFiles(const std::string& folder, const std::string& mask, std::vector<TSearchRec>& found) {
  found.clear();
  if (mask.empty()) {
    // The system would list the folder itself; an empty mask matches nothing.
    if (FolderExists(folder)) return Check(TRUE);
    SetLastSystemError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  std::string pattern = folder;
  if (!pattern.empty() && !IsPathDelimiter(pattern.back()) && pattern.back() != ':') pattern += '\\';
  pattern += mask;
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA(pattern.c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD code = GetLastError();
    // No match in an existing folder is an empty list, not a failure.
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_NO_MORE_FILES) return Check(TRUE);
    SetLastSystemError(static_cast<int>(code));
    return false;
  }
  do {
    found.push_back(TSearchRec{data.cFileName, data.dwFileAttributes,
                               static_cast<int64_t>(uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow),
                               FromFileTime(data.ftLastWriteTime)});
  } while (FindNextFileA(h, &data));
  FindClose(h);
  return Check(TRUE);
}

}  // namespace xs
