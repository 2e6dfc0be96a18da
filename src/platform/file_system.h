// Files and folders: attributes, times, copy, move, replace, delete,
// folders, temporary files and wildcard searches. Every function that
// touches the file system, but FolderExists, sets the error number
// (system_error.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_stream.h"

namespace xs {

// The separator the system writes. Every function here accepts "\" on all
// platforms, and "/" too on POSIX.
#ifdef _WIN32
inline constexpr char kPathDelim = '\\';
#else
inline constexpr char kPathDelim = '/';
#endif
// Both, on every side: the system's file functions accept either.
inline bool IsPathDelimiter(char c) { return c == '\\' || c == '/'; }

// The name with kPathDelim appended unless it ends with a delimiter already;
// an empty name stays empty.
std::string IncludeTrailingPathDelimiter(const std::string& name);
// The name without its trailing delimiters; a name of delimiters alone
// keeps its first ("/" stays "/").
std::string ExcludeTrailingPathDelimiter(std::string name);
// The folder part of a file name, with its trailing delimiter (empty when
// the name has no folder), and the part after it.
std::string ExtractFilePath(const std::string& file_name);
std::string ExtractFileName(const std::string& file_name);
// The extension of the file-name part with its dot ("" when it has none),
// and the name with that extension replaced by ext (appended when it has
// none; ext "" removes it).
std::string ExtractFileExt(const std::string& file_name);
std::string ChangeFileExt(const std::string& file_name, const std::string& ext);
// Whether name is a full path that depends on no current folder or drive:
// on Windows a drive letter with its colon and a delimiter ("C:\") or two
// delimiters ("\\server\share"), on POSIX a leading delimiter ("/opt").
bool IsAbsolutePath(const std::string& name);

// File attributes, with the system's bit values. The POSIX emulation knows
// faReadOnly (the owner may not write, honoured even for root), faHidden
// (a name starting with "."), faDirectory, faArchive (every file) and
// faReparsePoint (a symbolic link; with faDirectory when it leads to a
// folder). Attributes are those of a link itself, never of its target.
enum : uint32_t {
  faReadOnly = 0x1,
  faHidden = 0x2,
  faSystem = 0x4,
  faDirectory = 0x10,
  faArchive = 0x20,
  faNormal = 0x80,
  faReparsePoint = 0x400,  // a junction, symbolic link or other reparse point
};
inline constexpr uint32_t faInvalid = 0xFFFFFFFF;

// On success returns the attributes of the file or folder. On failure
// returns faInvalid.
uint32_t GetFileAttr(const std::string& name);
// On success the file has exactly these attributes (faNormal alone clears
// them all). On failure returns false.
bool SetFileAttr(const std::string& name, uint32_t attributes);
// True when name is an existing folder.
bool FolderExists(const std::string& name);

// File times count 100-nanosecond steps since 1 January 1601, UTC.
// On success returns the last-write time of the file or folder. On failure
// returns nullopt.
std::optional<int64_t> GetFileWriteTime(const std::string& name);
// On success the file's last-write time is time; its other times are kept.
// On failure returns false.
bool SetFileWriteTime(const std::string& name, int64_t time);
// A file time as a local date-time: days since 30 December 1899 with the
// time of day as fraction, in the system's time zone; and back.
double FileTimeToLocalDateTime(int64_t time);
int64_t LocalDateTimeToFileTime(double date_time);

// On success dest is a copy of source with its attributes and last-write
// time. An existing dest is replaced only after the whole copy is made
// under a temporary name beside it (CreateTempFileBeside), by MoveFileOver;
// until then it stays as it was. On failure returns false and dest is
// untouched: source missing, dest existing with fail_if_exists, dest
// read-only or a folder.
bool CopyFileTo(const std::string& source, const std::string& dest, bool fail_if_exists);
// On success the file or folder source is now called dest (files may move
// to another volume). On failure returns false, also when dest exists.
bool MoveFileTo(const std::string& source, const std::string& dest);
// Moves the file source over the file target in one step: target is at
// every moment the old file or the new one, never missing nor partly
// written, and the change is on the disk when this returns. Source must be
// on target's volume, as a temporary file beside target is. On success
// target is what source was and source is gone. On failure returns false
// with both as they were: another volume, a read-only target, a folder.
bool MoveFileOver(const std::string& source, const std::string& target);
// On success the file is gone. On failure returns false: a missing file, a
// read-only file, a folder.
bool RemoveFile(const std::string& name);

// On success the folder exists, newly made; its parent must exist. On
// failure returns false, also when it existed already.
bool CreateFolder(const std::string& name);
// On success the folder exists, with every missing parent made. On failure
// returns false; parents made before the failure stay.
bool ForceFolders(const std::string& name);
// On success the empty folder is gone. On failure returns false: a folder
// that holds entries, a missing folder.
bool RemoveFolder(const std::string& name);

// Temporary files. Every one the programs make is named kTempPrefix, random
// hexadecimal digits and ".tmp" ("~xs5c0f9e2a41d7b308.tmp"), and is made
// only under a name that did not exist (create-new: never an existing
// file's, folder's or link's), so that it can never be another's file.
inline constexpr char kTempPrefix[] = "~xs";
// How many names the makers of temporary files try before giving up.
inline constexpr int kTempNameTries = 100;
// A fresh random name of that pattern in target's folder (none when target
// has no folder part). Nothing is made: the caller creates the file with
// create-new semantics and takes another name when this one is taken.
std::string TempNameBeside(const std::string& target);
// On success returns a new empty file named by TempNameBeside, open for
// reading and writing (FileMode::CreateNew), after trying a few names when
// taken ones come up. On failure (a missing or unwritable folder) returns
// nullptr with the error number set.
std::unique_ptr<TFileStream> CreateTempFileBeside(const std::string& target);

// One directory entry found by FindFiles.
struct TSearchRec {
  std::string Name;  // without folder
  uint32_t Attr = 0;
  int64_t Size = 0;
  int64_t WriteTime = 0;
};

// Lists the entries of folder whose names match mask, with the system's
// wildcard rules: "*" stands for any run of characters, "?" for one,
// letters match in any case, and "*.*" matches every name, with or without
// a dot. "." and ".." are listed when the mask matches them (they are not
// in a drive's root). Files and folders of every attribute are listed; a
// link is listed with its own attributes (faReparsePoint), and callers that
// walk a tree must not enter it, or they would leave the tree.
// On success returns true with the matches in found (none when nothing
// matches or the mask is empty). On failure (the folder does not exist)
// returns false and found is empty.
bool FindFiles(const std::string& folder, const std::string& mask, std::vector<TSearchRec>& found);

}  // namespace xs
