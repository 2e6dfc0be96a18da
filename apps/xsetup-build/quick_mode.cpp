#include "quick_mode.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "base/convert.h"
#include "platform/file_system.h"
#include "platform/replacement_file.h"
#include "stub_folder.h"

namespace xs {

namespace {

// Characters no Windows file name (and so no folder, group or shortcut
// named after the application) may hold, besides control characters.
constexpr char kNotInNames[] = "\\/:*?\"<>|";

bool HoldsControl(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < ' '; });
}

bool IsWindowsName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && !HoldsControl(name) &&
         name.find_first_of(kNotInNames) == std::string::npos;
}

bool IsExe(const std::string& name) { return SameText(ExtractFileExt(name), ".exe"); }

bool ListInto(const std::string& folder, const std::string& relative, int depth, std::vector<TQuickEntry>& entries,
              std::vector<std::string>& skipped, std::string& fault) {
  // Deeper than any path Windows can open: a fault, not a crash.
  if (depth > 128) {
    fault = folder + " lies too deep";
    return false;
  }
  std::vector<TSearchRec> found;
  if (!FindFiles(folder, "*", found)) {
    fault = "cannot list the folder " + folder;
    return false;
  }
  std::sort(found.begin(), found.end(), [](const TSearchRec& a, const TSearchRec& b) { return a.Name < b.Name; });
  for (const TSearchRec& rec : found) {
    if (rec.Name == "." || rec.Name == "..") continue;
    const std::string path = relative + rec.Name;
    if (rec.Attr & faReparsePoint) {
      skipped.push_back(path);
      continue;
    }
    if (!IsWindowsName(rec.Name)) {
      fault = "'" + path + "' is a name Windows cannot hold";
      return false;
    }
    const bool is_folder = (rec.Attr & faDirectory) != 0;
    entries.push_back({path, is_folder});
    if (is_folder &&
        !ListInto(IncludeTrailingPathDelimiter(folder) + rec.Name, path + "/", depth + 1, entries, skipped, fault))
      return false;
  }
  return true;
}

// The text as one quoted object-text string: '' for an apostrophe, #code
// for a control character.
std::string Quoted(const std::string& text) {
  std::string quoted;
  bool open = false;
  for (char c : text) {
    const bool plain = static_cast<unsigned char>(c) >= ' ';
    if (plain != open) quoted += '\'';
    open = plain;
    if (!plain) quoted += "#" + std::to_string(static_cast<unsigned char>(c));
    else if (c == '\'') quoted += "''";
    else quoted += c;
  }
  if (open) quoted += '\'';
  return quoted.empty() ? "''" : quoted;
}

std::string InstallPath(const std::string& path) {
  std::string windows = path;
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return "<install>" + windows;
}

// The uninstall entry's key: the name's letters and digits.
std::string KeyName(const std::string& name) {
  std::string key;
  for (char c : name)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) key += c;
  return key.empty() ? "Application" : key;
}

std::string Block(const std::string& class_name, const std::vector<std::string>& lines) {
  std::string block = "object TXObjectComponent\n  ObjClassName = '" + class_name + "'\n";
  for (const std::string& line : lines) block += "  " + line + "\n";
  return block + "end\n\n";
}

// Where the emitted script's Data.FileName values start: DIR relative to the
// script's folder, so that the script builds from where it is written.
std::string DataPrefixFor(const std::string& script_file, const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::absolute(ExcludeTrailingPathDelimiter(folder)).lexically_normal();
  const fs::path from = fs::absolute(fs::path(script_file)).parent_path().lexically_normal();
  fs::path relative = dir.lexically_relative(from);
  if (relative.empty()) relative = dir;  // another drive
  const std::string prefix = relative.generic_string();
  return prefix == "." ? std::string() : prefix + "/";
}

bool CheckRequest(const TQuickRequest& r, std::string& fault) {
  if (!IsWindowsName(r.Name)) fault = "--name must be a name Windows can give a folder, not '" + r.Name + "'";
  else if (!r.Publisher.empty() && !IsWindowsName(r.Publisher))
    fault = "--publisher must be a name Windows can give a folder, not '" + r.Publisher + "'";
  else if (HoldsControl(r.Version)) fault = "--version holds a control character";
  return fault.empty();
}

}  // namespace

bool ListQuickFolder(const std::string& folder, std::vector<TQuickEntry>& entries,
                     std::vector<std::string>& skipped, std::string& fault) {
  entries.clear();
  skipped.clear();
  if (!FolderExists(folder)) {
    fault = "no folder " + folder;
    return false;
  }
  if (!ListInto(ExcludeTrailingPathDelimiter(folder), "", 0, entries, skipped, fault)) return false;
  for (const TQuickEntry& e : entries)
    if (!e.IsFolder && SameText(e.Path, "uninst.exe")) {
      fault = "the folder holds uninst.exe at its top, the name the uninstall program is installed under";
      return false;
    }
  return true;
}

bool ChooseQuickExe(const std::optional<std::string>& given, const std::vector<TQuickEntry>& entries,
                    std::string& exe, std::string& fault) {
  exe.clear();
  if (given) {
    std::string path = *given;
    std::replace(path.begin(), path.end(), '\\', '/');
    while (path.rfind("./", 0) == 0) path.erase(0, 2);
    for (const TQuickEntry& e : entries)
      if (!e.IsFolder && e.Path == path) exe = path;
    if (exe.empty()) fault = "--exe names no file of the folder: '" + *given + "'";
    return !exe.empty();
  }
  int found = 0;
  for (const TQuickEntry& e : entries)
    if (!e.IsFolder && e.Path.find('/') == std::string::npos && IsExe(e.Path)) {
      exe = e.Path;
      ++found;
    }
  // Several programs: none is the one, unless the author says which.
  if (found > 1) exe.clear();
  return true;
}

std::string QuickScript(const TQuickRequest& r, const std::vector<TQuickEntry>& entries, const std::string& exe,
                        const std::vector<int32_t>& lg_ids, const std::string& data_prefix) {
  const std::string key = KeyName(r.Name);
  std::string app = "  Obj.AppItems = <\n    item\n      optSaveLog = True\n      optRequired = True\n";
  app += "      Title = " + Quoted(r.Name) + "\n      LogTitle = " + Quoted(key) + "\n";
  if (!exe.empty()) app += "      Icon = " + Quoted(InstallPath(exe)) + "\n";
  if (!r.Version.empty()) app += "      Version = " + Quoted(r.Version) + "\n";
  app += "      Folder = '<install>'\n";
  if (!exe.empty()) app += "      Launch = " + Quoted(InstallPath(exe)) + "\n";
  app += "      UIExe = '<install>uninst.exe'\n      UILog = " + Quoted("<ui>" + key + ".xui") + "\n";
  if (!r.Publisher.empty())
    app += "      UIInfo = <\n        item\n          name = 'Publisher'\n          s = " + Quoted(r.Publisher) +
           "\n        end>\n";
  app += "    end>\n";

  std::string text =
      "// The install script of " + Quoted(r.Name) + " that xsetup-build folder made: the script first,\n"
      "// then one block per item, in the order they run. Data.FileName is\n"
      "// relative to this script's folder.\n";
  std::string languages;
  for (int32_t id : lg_ids)
    if (id != 9) languages += "\n    '" + std::to_string(id) + "'";
  const std::string title = r.Version.empty() ? r.Name : r.Name + " " + r.Version;
  const std::string folder = "<wpf>" + (r.Publisher.empty() ? "" : r.Publisher + "\\") + r.Name;
  text += "object TXObjectComponent\n  ObjClassName = 'TXInstall'\n" + app +
          "  Obj.LgIDs.DefaultLgID = 9\n  Obj.LgIDs.Strings = (\n    '9'" + languages + ")\n" + "  Obj.Title = " + Quoted(title) +
          "\n  Obj.DefaultFolderName = " + Quoted(folder) + "\n  Obj.DefaultGroupName = " + Quoted(r.Name) +
          "\n  Obj.DefaultFolderExt = " + Quoted(r.Name) + "\n  Obj.UIExt = 'Uninstall'\nend\n\n";
  text += Block("TXUIFolderItem",
                {"Obj.Section = isFolder", "Obj.ErrorOptions = eoAbort", "Obj.SaveUndo = True",
                 "Obj.FolderName = '<install>'"});
  for (const TQuickEntry& e : entries) {
    if (e.IsFolder) {
      text += Block("TXUIFolderItem",
                    {"Obj.Section = isFolder", "Obj.SaveUndo = True", "Obj.FolderName = " + Quoted(InstallPath(e.Path))});
    } else {
      text += Block("TXUIFileItem", {"Obj.Section = isFile", "Obj.ErrorOptions = eoShow", "Obj.SaveUndo = True",
                                     "Obj.FileName = " + Quoted(InstallPath(e.Path)),
                                     "Obj.Data.FileName = " + Quoted(data_prefix + e.Path)});
    }
  }
  if (!exe.empty()) {
    const std::string exe_folder = exe.find('/') == std::string::npos ? "" : exe.substr(0, exe.rfind('/'));
    text += Block("TXUIGroupItem", {"Obj.Section = isGroup", "Obj.SaveUndo = True", "Obj.GroupName = '<group>'"});
    text += Block("TXUIIconItem", {"Obj.Section = isIcon", "Obj.SaveUndo = True",
                                   "Obj.LinkName = " + Quoted("<group>\\" + r.Name + ".lnk"),
                                   "Obj.FileName = " + Quoted(InstallPath(exe)),
                                   "Obj.WorkingFolder = " + Quoted(InstallPath(exe_folder))});
  }
  text.pop_back();  // one line end after the last block
  return text;
}

int QuickCommand(const TQuickRequest& request, std::ostream& out, std::ostream& err) {
  std::string fault, exe;
  std::vector<TQuickEntry> entries;
  std::vector<std::string> skipped;
  if (!CheckRequest(request, fault) || !ListQuickFolder(request.Folder, entries, skipped, fault) ||
      !ChooseQuickExe(request.Exe, entries, exe, fault)) {
    err << "xsetup-build: " << fault << "\n";
    return 1;
  }
  for (const std::string& link : skipped) err << "xsetup-build: skipped the link " << link << "\n";
  std::vector<int32_t> lg_ids;
  const TStubFolder share = FindStubFolder(request.Build.Stubs);
  for (const std::string& given : request.Build.Packs) {
    const std::optional<int32_t> id = LangPackID(LangPackFile(share, given));
    if (!id) {
      err << "xsetup-build: cannot read language pack " << LangPackFile(share, given) << "\n";
      return 1;
    }
    if (std::find(lg_ids.begin(), lg_ids.end(), *id) == lg_ids.end()) lg_ids.push_back(*id);
  }
  if (!request.EmitScript.empty()) {
    const std::string text = QuickScript(request, entries, exe, lg_ids, DataPrefixFor(request.EmitScript, request.Folder));
    bool written = false;
    try {
      TReplacementFile file(request.EmitScript);
      file.Stream().WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
      written = file.Commit();
    } catch (const std::exception&) {
      written = false;
    }
    if (!written) {
      err << "xsetup-build: cannot write " << request.EmitScript << "\n";
      return 1;
    }
  }
  TBuildRequest build = request.Build;
  build.Script = request.EmitScript.empty() ? request.Folder : request.EmitScript;
  build.Source = QuickScript(request, entries, exe, lg_ids, "");
  build.SourceFolder = IncludeTrailingPathDelimiter(request.Folder);
  return SetupCommand(build, out, err);
}

}  // namespace xs
