// Controls of the POSIX emulation of a Windows machine. The Windows build
// uses the real system and has none of these.
//
// The emulated machine lives under one folder, the emulation root:
//   registry.txt            the registry (see posix/registry_store.h)
//   Windows/                the Windows folder, System32/ below it; win.ini
//   Program Files/          Common Files/ below it
//   ProgramData/            data and start menu shared by all users
//   Users/<user>/           the user's profile: Desktop/, Documents/, Music/,
//                           AppData/Roaming/ (start menu below it), ...
//   Users/Public/           the shared desktop and documents
//   Temp/                   the temporary folder
//   mutex/                  lock files standing for named mutexes
// Folders are created when first asked for. Paths handed out use "/"; every
// emulated file function also accepts "\" as a separator.
#pragma once

#ifndef _WIN32

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xs {

// The value of the environment variable XS_EMULATION_ROOT, so that programs
// started from this one share the machine; "/tmp/xsetup-emulation-<uid>"
// when it is unset or empty. Never ends with "/".
std::string EmulationRoot();
// Sets XS_EMULATION_ROOT for this process and those it starts.
void SetEmulationRoot(const std::string& folder);

// The emulated environment that environment expansion reads: the Windows
// variables derived from the root (USERPROFILE, APPDATA, LOCALAPPDATA,
// HOMEDRIVE + HOMEPATH, ProgramFiles, CommonProgramFiles, SystemRoot,
// windir, ProgramData, ALLUSERSPROFILE, PUBLIC, TEMP, TMP, USERNAME,
// COMPUTERNAME), names compared without regard to case; other names come
// from the process environment. SetEmulatedVariable replaces one for this
// process; nullopt makes it undefined.
void SetEmulatedVariable(const std::string& name, std::optional<std::string> value);
// Drops every SetEmulatedVariable change.
void ResetEmulatedVariables();

// What the shell was told (NotifyShellChange), oldest first.
struct TShellChange {
  uint32_t Event = 0;
  uint32_t Flags = 0;
  std::string Path1, Path2;
};
std::vector<TShellChange> RecordedShellChanges();

// What system parameters were changed (ChangeSystemParameter), oldest first.
struct TSystemParameterChange {
  uint32_t Action = 0;
  uint32_t UiParam = 0;
  uint32_t WinIni = 0;
};
std::vector<TSystemParameterChange> RecordedSystemParameterChanges();

// What was to be deleted at the next system start (DeleteAtRestart),
// oldest first.
std::vector<std::string> RecordedRestartDeletes();

// Forgets these records.
void ClearEmulationRecords();

}  // namespace xs

#endif
