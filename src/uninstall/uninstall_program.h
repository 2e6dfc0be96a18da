// The uninstall program, uninst.exe: what it does with its command line.
//
// An uninstall entry starts it as `uninst.exe /file:"LOG"`, from the folder
// it is to remove. A program cannot delete its own running file, so it
// never uninstalls from where it was started. Started so, it loads the log
// (a log that cannot be read changes nothing), asks the user, then copies
// itself into a new temporary folder, starts the copy with "/wait:" and its
// own process id ahead of its own arguments, and ends at once: it cannot
// wait for the copy, as its file can only go once it has ended. The copy
// waits for it to end, loads the log again, reverses it, reports the
// result and removes itself and its folder, or has the system do so at the
// next restart.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

// Names the process the copy waits for; its presence makes the copy.
inline constexpr char kWaitSwitch[] = "/wait:";

// Exit codes; any other is the error code of the step that failed (a log
// that cannot be read, a copy that cannot be made or started).
enum : int {
  kExitUninstalled = 0,  // every record reversed; for the original: the copy runs
  kExitCancelled = 1,    // the user answered No
  kExitIncomplete = 2,   // records remain, written back to the log; or no "/file:"
};

// The command line that starts the copy for the process pid started with
// command_line: the copy's path in quotes, the wait switch, then the
// original arguments as they were. The wait switch comes first, where no
// argument (an unclosed quote above all) can swallow it.
std::string RestartCommandLine(const std::string& command_line, const std::string& copy, uint32_t pid);

// After the copy's run: deletes program and then its folder when the folder
// is one of CreateTempFolder's, directly in the temporary folder, and asks
// for their deletion at the next restart what cannot go now. Anything else
// stays: a program started with the wait switch by hand is not removed.
void RemoveProgramCopy(const std::string& program);

// The program's run on the process's command line ("/silent": no window,
// no question; "/log:" the run log, which original and copy both append
// to; "/file:", "/lg:" and the rest as for the uninstall engine). Returns
// the exit code.
int RunUninstallProgram();

}  // namespace xs
