#include "script/path_macros.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "base/macro_expanders.h"
#include "base/text.h"
#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"
#include "platform/system_info.h"
#include "script/special_folder.h"

namespace xs {

namespace {
using MacroTable = std::vector<std::pair<std::string, std::string>>;  // macro, value

struct MachineMacros {
  MacroTable system, shell;
  bool registered = false;
};

MachineMacros& Machine() {
  static MachineMacros macros;
  return macros;
}

std::string ApplyTable(const std::string& text, const MacroTable& table, bool ignore_case) {
  std::string r = text;
  for (const auto& [macro, value] : table) r = ReplaceAll(r, macro, value, ignore_case);
  return r;
}

MacroTable SystemTable(const TXMacroSources& s) {
  std::string tmp = s.TempFolder;
  for (const char* name : {"TMP", "TEMP", "HOMEPATH"}) {
    if (!tmp.empty()) break;
    tmp = s.Variable(name).value_or("");
  }
  return {
      {"<exe>", ExtractFilePath(s.ProgramFileName)},
      {"<data>", ""},
      {"<tmp>", tmp},
      {"<win>", IncludeTrailingPathDelimiter(s.WindowsFolder)},
      {"<sys>", IncludeTrailingPathDelimiter(s.SystemFolder)},
      {"<exen>", ExtractFileName(s.ProgramFileName)},
      {"<com>", s.ComputerName},
      {"<user>", s.UserName},
  };
}

// The environment expansion of text as a folder; empty when the expansion
// is empty or still holds a "%" (a variable that is not defined).
std::string ExpandedFolder(const TXMacroSources& s, const std::string& text) {
  std::string folder = s.ExpandEnvironment(text);
  if (folder.empty() || folder.find('%') != std::string::npos) return {};
  return IncludeTrailingPathDelimiter(folder);
}

std::string InFolder(const std::string& folder, const std::string& name) { return folder + name + kPathDelim; }

MacroTable ShellTable(const TXMacroSources& s) {
  // The order of the computations is the order in which folders get made.
  std::string pf = s.SpecialFolder(csidlProgramFiles);
  if (pf.empty()) pf = ExpandedFolder(s, "%ProgramFiles%");
  if (pf.empty()) {
    const std::string& win = s.WindowsFolder;
    std::string drive = win.size() >= 2 && win[1] == ':' ? win.substr(0, 2) : "";
    pf = InFolder(drive + kPathDelim, "Program Files");
  }
  std::string mydoc = s.SpecialFolder(csidlPersonal);
  std::string appdata = ExpandedFolder(s, "%APPDATA%");
  if (appdata.empty()) appdata = mydoc;
  std::string home = ExpandedFolder(s, "%HOMEDRIVE%%HOMEPATH%");
  if (home.empty()) home = mydoc;
  std::string mymusic = s.SpecialFolder(csidlMyMusic);
  if (mymusic.empty()) mymusic = InFolder(mydoc, "My Music");
  std::string wpf = s.WinXPOrLater ? InFolder(home, "Programs") : pf;
  if (!s.WriteTest(wpf)) wpf = InFolder(mydoc, "Programs");
  std::string desk = s.SpecialFolder(csidlDesktop);
  return {
      {"<desk>", desk}, {"<mydoc>", mydoc}, {"<mymusic>", mymusic}, {"<appdata>", appdata},
      {"<home>", home}, {"<pf>", pf},       {"<wpf>", wpf},
  };
}

double CurrentLocalDateTime() {
  constexpr int64_t kUnixEpochTicks = 116444736000000000;  // 1601-01-01 to 1970-01-01 in 100 ns
  auto since_1970 = std::chrono::duration_cast<std::chrono::duration<int64_t, std::ratio<1, 10000000>>>(
      std::chrono::system_clock::now().time_since_epoch());
  return FileTimeToLocalDateTime(kUnixEpochTicks + since_1970.count());
}

bool InRegistryNameSet(char c) {
  return c == ' ' || c == '!' || c == '#' || c == '*' || c == '-' || c == '.' || (c >= '0' && c <= ':') ||
         (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

std::string RegistryName(const std::string& text) {
  std::string name = Trim(text);
  for (char& c : name)
    if (!InRegistryNameSet(c)) c = '_';
  return name;
}

// Each line holding marker (any case) keeps what comes before the marker
// and change() of what follows it; the lines are joined with CR LF and the
// whole trimmed. Lines break at CR LF, CR or LF.
template <typename Change>
std::string TransformLines(const std::string& text, const std::string& marker, Change change) {
  std::string out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    size_t at = FindText(line, marker, 0, true);
    if (at != std::string::npos) line = line.substr(0, at) + change(line.substr(at + marker.size()));
    out += line;
    out += "\r\n";
    start = end;
    if (start < text.size()) start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
  }
  return Trim(out);
}

std::string ApplyMarkers(std::string r) {
  if (r.find("<now>") != std::string::npos) r = ReplaceAll(r, "<now>", DateTimeMacroText(CurrentLocalDateTime()), true);
  if (r.find("<low>") != std::string::npos) r = AsciiLowerCase(ReplaceAll(r, "<low>", "", true));
  if (r.find("<up>") != std::string::npos) r = AsciiUpperCase(ReplaceAll(r, "<up>", "", true));
  if (r.find("<short>") != std::string::npos)
    r = TransformLines(r, "<short>", [](const std::string& path) { return ShortPathName(path); });
  if (r.find("<reg>") != std::string::npos) r = TransformLines(r, "<reg>", RegistryName);
  return r;
}
}  // namespace

std::string ExpandPathMacros(const std::string& text) {
  std::string r = RunMacroExpanders(text);
  if (r.find('<') != std::string::npos) r = ApplyMarkers(std::move(r));
  return r;
}

TXMacroSources SystemMacroSources() {
  TXMacroSources s;
  s.ProgramFileName = ProgramFileName();
  s.WindowsFolder = WindowsFolder();
  s.SystemFolder = SystemFolder();
  s.TempFolder = TempFolder();
  s.UserName = LogonUserName();
  s.ComputerName = ComputerName();
  s.WinXPOrLater = IsWinXPOrLater();
  s.Variable = EnvironmentVariable;
  s.ExpandEnvironment = ExpandEnvironment;
  s.SpecialFolder = GetSpecialFolder;
  s.WriteTest = FolderWriteTest;
  return s;
}

void InitializePathMacros(const TXMacroSources& sources) {
  MachineMacros& machine = Machine();
  machine.system = SystemTable(sources);
  machine.shell = ShellTable(sources);
  if (machine.registered) return;
  machine.registered = true;
  RegisterMacroExpander([](const std::string& text) { return ApplyTable(text, Machine().system, false); });
  RegisterMacroExpander([](const std::string& text) { return ApplyTable(text, Machine().shell, true); });
}

bool FolderWriteTest(const std::string& folder) {
  if (folder.empty()) return false;
  // The folders that are missing now, deepest first: the test takes them
  // away again, so that a run that ends before it installs leaves none.
  std::vector<std::string> made;
  for (std::string f = ExcludeTrailingPathDelimiter(folder); !f.empty() && !FolderExists(f);) {
    made.push_back(f);
    const std::string parent = ExcludeTrailingPathDelimiter(ExtractFilePath(f));
    if (parent == f) break;
    f = parent;
  }
  bool written = false;
  if (ForceFolders(folder)) {
    if (std::unique_ptr<TFileStream> probe = CreateTempFileBeside(IncludeTrailingPathDelimiter(folder))) {
      const std::string name = probe->FileName();
      probe.reset();
      RemoveFile(name);
      written = true;
    }
  }
  for (const std::string& f : made) RemoveFolder(f);
  return written;
}

std::string DateTimeMacroText(double date_time) {
  constexpr int64_t kMsPerDay = 86400000;
  auto days = static_cast<int64_t>(std::floor(date_time));
  // Whole milliseconds first, so that 00:10 gives 69 and not 68.
  auto ms = static_cast<int64_t>(std::llround((date_time - std::floor(date_time)) * kMsPerDay));
  if (ms >= kMsPerDay) ++days, ms -= kMsPerDay;
  return std::to_string(days) + "." + std::to_string(ms * 10000 / kMsPerDay);
}

}  // namespace xs
