#include "script/file_actions.h"

#include <exception>
#include <optional>

#include "base/convert.h"
#include "base/error.h"
#include "base/exception.h"
#include "base/text.h"
#include "package/checksum_writer.h"
#include "package/crc32.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/replacement_file.h"
#include "script/overwrite.h"
#include "script/version.h"

namespace xs {

namespace {
// ext_lower (".gid") in the letter case of ext (".HLP" gives ".GID").
std::string InCaseOf(const std::string& ext, std::string ext_lower) {
  for (size_t i = 0; i < ext_lower.size() && i < ext.size(); ++i)
    if (ext[i] >= 'A' && ext[i] <= 'Z') ext_lower[i] = static_cast<char>(ext_lower[i] - 'a' + 'A');
  return ext_lower;
}

double LocalWriteTime(const std::string& name) {
  std::optional<int64_t> time = GetFileWriteTime(name);
  return time ? FileTimeToLocalDateTime(*time) : 0;
}

// AllowOverwrite with what source itself tells: its time and its version.
bool AllowReplaceBy(TXUIFileOptions options, std::string& dest, const std::string& source) {
  return AllowOverwrite(options, dest, LocalWriteTime(source), xVersion::FromFile(source).ToText(), {});
}

bool IsFolder(const TSearchRec& entry) { return (entry.Attr & faDirectory) != 0; }

// The subfolders of folder (which ends with a delimiter) that a walk may
// enter: without "." and "..", and without links to folders elsewhere.
std::vector<std::string> SubFolders(const std::string& folder) {
  std::vector<TSearchRec> found;
  FindFiles(folder, "*.*", found);
  std::vector<std::string> names;
  for (const TSearchRec& entry : found)
    if (IsFolder(entry) && !(entry.Attr & faReparsePoint) && entry.Name != "." && entry.Name != "..")
      names.push_back(entry.Name);
  return names;
}

// Help files come with companions the help viewer builds from them.
void RemoveHelpCompanions(const std::string& name) {
  std::string ext = ExtractFileExt(name);
  if (!SameText(ext, ".hlp")) return;
  RemoveFile(ChangeFileExt(name, InCaseOf(ext, ".gid")));
  RemoveFile(ChangeFileExt(name, InCaseOf(ext, ".fts")));
}

std::vector<TSearchRec> Matches(const std::string& folder, const std::string& mask) {
  std::vector<TSearchRec> found;
  FindFiles(folder, mask, found);
  return found;
}
}  // namespace

std::vector<std::string> SplitMasks(const std::string& filter) {
  std::vector<std::string> masks;
  size_t start = 0;
  while (start <= filter.size()) {
    size_t end = filter.find(';', start);
    if (end == std::string::npos) end = filter.size();
    std::string mask = Trim(std::string_view(filter).substr(start, end - start));
    if (!mask.empty()) masks.push_back(mask);
    start = end + 1;
  }
  return masks;
}

bool DeleteFileEx(const std::string& name) {
  RemoveHelpCompanions(name);
  if (!FileExists(name)) return true;
  uint32_t attributes = GetFileAttr(name);
  if (attributes != faInvalid && (attributes & faReadOnly)) {
    attributes &= ~faReadOnly;
    SetFileAttr(name, attributes ? attributes : faNormal);
  }
  return RemoveFile(name);
}

bool SaveNewFile(const std::string& dest, int64_t declared_size, const std::function<void(TStream&)>& write) {
  try {
    // Only a file that replaces another must reach the disk before the move:
    // a power loss could otherwise cost the old contents too. A new file is
    // in the install's journal and goes with its reversal; thousands of
    // flushes would cost more than the install itself.
    const bool replacing = FileExists(dest);
    TReplacementFile out(dest);
    TChecksumWriter tally(out.Stream());
    write(tally);
    uint32_t crc = 0;
    return out.Stream().Size() == tally.Written() && (declared_size < 0 || declared_size == tally.Written()) &&
           CRC32Stream(out.Stream(), crc) && crc == tally.Checksum() && out.Commit(replacing);
  } catch (const std::exception&) {
    return false;
  }
}

bool WriteDataFile(TXUIFileOptions options, const std::string& protected_release, std::string& dest,
                   const TXStreamObject& data) {
  if (!AllowOverwrite(options, dest, data.TimeStamp, data.Version, protected_release)) return false;
  const bool existed = FileExists(dest);
  if (!SaveNewFile(dest, data.Size > 0 ? data.Size : -1, [&](TStream& file) { data.WriteTo(file); })) {
    XError().SetError(errWriteFile, 0, false, dest);
    return false;
  }
  if (existed) RemoveHelpCompanions(dest);
  if (data.TimeStamp != 0) SetFileWriteTime(dest, LocalDateTimeToFileTime(data.TimeStamp));
  return true;
}

bool CopyOneFile(TXUIFileOptions options, std::string& dest, const std::string& source) {
  if (!FileExists(source) || !AllowReplaceBy(options, dest, source)) return false;
  return CopyFileTo(source, dest, false);
}

bool RenameOneFile(TXUIFileOptions options, std::string& dest, const std::string& source) {
  // Checked first: replacing dest for a source that cannot follow loses it.
  if (!FileExists(source)) return false;
  if (SameText(dest, source)) return dest == source || MoveFileTo(source, dest);
  if (!AllowReplaceBy(options, dest, source)) return false;
  if (!FileExists(dest)) return MoveFileTo(source, dest);
  if (!MoveFileOver(source, dest) && !(CopyFileTo(source, dest, false) && RemoveFile(source))) return false;
  RemoveHelpCompanions(dest);
  return true;
}

bool CopyFolderFiles(TXUIFileOptions options, const std::string& dest, const std::string& source,
                     const std::vector<std::string>& masks, bool recurse) {
  const std::string to = IncludeTrailingPathDelimiter(dest), from = IncludeTrailingPathDelimiter(source);
  bool ok = true;
  if (recurse)
    for (const std::string& sub : SubFolders(from)) ok = CopyFolderFiles(options, to + sub, from + sub, masks, recurse) && ok;
  for (const std::string& mask : masks) {
    std::vector<TSearchRec> found = Matches(from, mask);
    if (found.empty()) continue;
    if (!FolderExists(to)) ForceFolders(to);
    for (const TSearchRec& entry : found) {
      if (IsFolder(entry)) continue;
      std::string target = to + entry.Name;
      ok = CopyOneFile(options, target, from + entry.Name) && ok;
    }
  }
  return ok;
}

bool DeleteFolderFiles(const std::string& folder, const std::vector<std::string>& masks, bool recurse) {
  const std::string in = IncludeTrailingPathDelimiter(folder);
  bool ok = true;
  if (recurse)
    for (const std::string& sub : SubFolders(in)) ok = DeleteFolderFiles(in + sub, masks, recurse) && ok;
  for (const std::string& mask : masks)
    for (const TSearchRec& entry : Matches(in, mask))
      if (!IsFolder(entry)) ok = DeleteFileEx(in + entry.Name) && ok;
  return ok;
}

bool DeleteFolderTree(const std::string& folder) {
  const std::string in = IncludeTrailingPathDelimiter(folder);
  bool ok = DeleteFolderFiles(in, {"*.*"}, false);
  for (const std::string& sub : SubFolders(in)) ok = DeleteFolderTree(in + sub) && ok;
  return RemoveFolder(folder) && ok;
}

bool RenameFolderFiles(TXUIFileOptions options, const std::string& folder, const std::vector<std::string>& source_masks,
                       const std::vector<std::string>& target_masks, bool recurse) {
  if (target_masks.size() < source_masks.size())
    throw Exception("rename needs a target mask for each of the " + std::to_string(source_masks.size()) +
                    " source masks");
  const std::string in = IncludeTrailingPathDelimiter(folder);
  bool ok = true;
  if (recurse)
    for (const std::string& sub : SubFolders(in))
      ok = RenameFolderFiles(options, in + sub, source_masks, target_masks, recurse) && ok;
  for (size_t i = 0; i < source_masks.size(); ++i) {
    const std::string ext = ExtractFileExt(target_masks[i]);
    for (const TSearchRec& entry : Matches(in, source_masks[i])) {
      if (IsFolder(entry)) continue;
      std::string target = ChangeFileExt(in + entry.Name, ext);
      ok = RenameOneFile(options, target, in + entry.Name) && ok;
    }
  }
  return ok;
}

}  // namespace xs
