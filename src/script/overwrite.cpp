#include "script/overwrite.h"

#include <optional>

#include "base/format.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "platform/date_text.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "script/version.h"
#include "ui/message_box.h"

namespace xs {

namespace {
// An unknown time (0) shows as nothing rather than as 30 December 1899.
std::string TimeText(double date_time) { return date_time == 0 ? std::string() : DateTimeText(date_time); }

// What the questions tell about the two files.
struct TFilePair {
  std::string dest;
  xVersion dest_version;
  double dest_time = 0;
  std::string source_version;
  double source_time = 0;

  std::string Existing(const char* key) const {
    // A file without a version shows none, as the new file's side does.
    const std::string version = dest_version.IsEmpty() ? std::string() : dest_version.ToText();
    return FormatTemplate(ActiveLg().Translate(key), {dest, version, TimeText(dest_time)});
  }
  std::string New() const {
    return FormatTemplate(ActiveLg().Translate(kLgNewFileText), {source_version, TimeText(source_time)});
  }
};

bool AskYesNo(const TFilePair& files) {
  return ShowMessageBox(files.Existing(kLgFileExistsText) + "\r\n" + files.New(),
                        ActiveLg().Translate(kLgReplaceFileCaption), IconQuestion, TXButtonFrame::TXCmdYesNo,
                        mrYes) == mrYes;
}

bool NameTaken(const std::string& name) { return FileExists(name) || FolderExists(name); }

// Rename, Overwrite or Cancel; Rename asks for the new name.
bool AskRename(TFilePair& files) {
  int answer = ShowMessageBox(files.Existing(kLgFileExistsRenameText) + files.New(),
                              ActiveLg().Translate(kLgReplaceFileCaption), IconQuestion,
                              TXButtonFrame::TXCmdRenameOverwriteCancel, mrOK);
  if (answer == mrOverwrite) return true;
  if (answer != mrOK) return false;
  const std::string folder = ExtractFilePath(files.dest);
  std::string name = ExtractFileName(files.dest);
  // An empty name would name the folder itself.
  do {
    if (!InputBox(ActiveLg().Translate(kLgRenameFileCaption), ActiveLg().Translate(kLgNewNamePrompt), name))
      return false;
  } while (name.empty() || NameTaken(folder + name));
  files.dest = folder + name;
  return true;
}

bool IsNewer(const TFilePair& files, const xVersion& protected_release) {
  xVersion s = xVersion::Parse(files.source_version);
  if (s.IsEmpty() || files.dest_version.IsEmpty()) {
    if (files.source_time != 0 && files.dest_time != 0) return files.source_time >= files.dest_time;
    return true;
  }
  return IsNewerVersion(files.dest_version, protected_release, s);
}
}  // namespace

bool AllowOverwrite(TXUIFileOptions options, std::string& dest, double source_time,
                    const std::string& source_version, const std::string& protected_release) {
  if (!FileExists(dest)) return true;
  TFilePair files;
  files.dest = dest;
  std::optional<int64_t> write_time = GetFileWriteTime(dest);
  files.dest_time = write_time ? FileTimeToLocalDateTime(*write_time) : 0;
  files.dest_version = xVersion::FromFile(dest);
  files.source_version = source_version;
  files.source_time = source_time;

  bool allow = false;
  switch (options) {
    case optfNone: allow = true; break;
    case optfFailIfExists: allow = false; break;
    case optfConfirmOverwrite: allow = AskYesNo(files); break;
    case optfIfNewer:
    case optfConfirmIfOlder:
      allow = IsNewer(files, xVersion::Parse(protected_release)) || (options == optfConfirmIfOlder && AskYesNo(files));
      break;
    case optfRename: allow = AskRename(files); break;
  }
  dest = files.dest;
  if (allow && FileExists(dest)) SetFileAttr(dest, faNormal);
  return allow;
}

}  // namespace xs
