// Path macros: words in angle brackets ("<pf>", "<tmp>", "<install>", ...)
// that stand for folders of the target machine and of the run, and the text
// markers "<now>", "<low>", "<up>", "<short>" and "<reg>".
//
// Expansion passes a text through the ordered expander list of
// base/macro_expanders.h. InitializePathMacros puts the machine's two
// expanders first:
//   system (exact case):  <exe> <data> <tmp> <win> <sys> <exen> <com> <user>
//   shell (any case):     <desk> <mydoc> <mymusic> <appdata> <home> <pf> <wpf>
// within each, macro by macro in this order, every occurrence at once. The
// engine adds "<install>", "<group>", "<old>" and "<ui>" for the length of a
// run. Folder values end with a delimiter; <exen>, <com> and <user> are
// plain names and <data> is always empty.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace xs {

// The text with every registered expander applied, first registered first;
// then, when the result still holds a "<", the markers in this order, each
// acting only when it appears in exact lower case:
//   <now>    every occurrence (any case) becomes the local moment as D.F:
//            days since 30 December 1899 and the day's elapsed fraction
//            times 10000, truncated (see DateTimeMacroText)
//   <low>    every occurrence (any case) goes, then A-Z are lowered
//   <up>     every occurrence (any case) goes, then a-z are raised
//   <short>  in each line holding it (any case), the text after its first
//            occurrence becomes its short 8.3 form (empty for a path that
//            does not exist) and the marker goes
//   <reg>    likewise, the text after it trimmed and every byte other than
//            blank ! # * - . 0-9 : A-Z a-z _ turned into "_"
// The last two rejoin the lines with CR LF and trim the result. Unknown
// macros stay as they are; expansion never fails.
std::string ExpandPathMacros(const std::string& text);

// What the machine's macro values are computed from: the running system
// (SystemMacroSources), or stand-ins a test puts in their place.
struct TXMacroSources {
  std::string ProgramFileName;  // the running setup's full file name
  std::string TempFolder;       // with delimiter; empty when the system cannot tell
  std::string WindowsFolder;    // with or without delimiter
  std::string SystemFolder;
  std::string UserName;
  std::string ComputerName;
  bool WinXPOrLater = true;
  // An environment variable; nullopt when it is not defined.
  std::function<std::optional<std::string>(const std::string& name)> Variable;
  std::function<std::string(const std::string& text)> ExpandEnvironment;
  // As GetSpecialFolder (special_folder.h).
  std::function<std::string(int folder_id)> SpecialFolder;
  // As FolderWriteTest.
  std::function<bool(const std::string& folder)> WriteTest;
};
TXMacroSources SystemMacroSources();

// Computes the values of the system and shell macros once, as the program
// starts, and registers their expanders at the head of the expander list
// unless that was done already. Calling it again recomputes the values.
//   <tmp>      the temporary folder, else the first non-empty of the
//              variables TMP, TEMP, HOMEPATH, taken as it stands
//   <appdata>  %APPDATA%, <home> %HOMEDRIVE%%HOMEPATH%; either falls back
//              to the documents folder when its expansion is empty or
//              keeps a "%"
//   <mymusic>  the music folder, else the documents folder + "My Music"
//   <pf>       the program files folder, else %ProgramFiles%, else the
//              Windows folder's drive + "\Program Files"
//   <wpf>      <home> + "Programs" (<pf> before Windows XP); when the write
//              test fails there, the documents folder + "Programs"
void InitializePathMacros(const TXMacroSources& sources = SystemMacroSources());

// The write test of <wpf>: makes the folder with its missing parents, then
// creates a new temporary file in it (CreateTempFileBeside, never an
// existing name) and deletes it. True when the file could be created. The
// folders it made are removed again: the installation makes them when it
// needs them, and records them for the uninstall.
bool FolderWriteTest(const std::string& folder);

// A local date-time (days since 30 December 1899, fraction the time of day)
// as <now> writes it: "46000.5000" at noon, "46000.69" at ten past midnight.
std::string DateTimeMacroText(double date_time);

// The items' view of path-macro expansion.
struct xPath {
  static std::string ExpandPathMacros(const std::string& text) { return xs::ExpandPathMacros(text); }
};

}  // namespace xs
