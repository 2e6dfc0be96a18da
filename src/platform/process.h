// Starting programs and waiting for them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace xs {

// One started program. The handle is closed when the object goes.
class TProcess {
 public:
  TProcess() = default;
  ~TProcess();
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;

  // Starts the program that command_line names, the command line given to
  // it whole as on Windows: the program, then its arguments, split by the
  // system's rules (blanks separate, double quotes group, a backslash before
  // a quote escapes it). The program is named by its full path ("C:\...",
  // "\\server\...", on POSIX "/..."): a bare or relative name is refused
  // with kErrPathNotFound, never looked for in the folders of the search
  // path, where a planted program of that name could wait. working_folder
  // empty: this process's current folder. No handles are inherited;
  // minimized asks the program to show its window minimized without
  // activating it. On success returns true and the program runs. On failure
  // (no such program, a name without its full path, a missing working
  // folder, a second Start on one object) returns false with the error
  // number set.
  bool Start(const std::string& command_line, const std::string& working_folder, bool minimized);

  // Waits at most timeout_ms until the started program waits for user input
  // (programs without a window, and the POSIX emulation, count as idle at
  // once). True when it is idle, false on a timeout or when nothing runs.
  bool WaitForInputIdle(uint32_t timeout_ms);

  // Waits until the started program ends, calling on_input whenever input
  // for this thread's windows arrives (Windows) or about every 10 ms (the
  // emulation), so that the caller's windows stay responsive; on_input
  // should let pending messages through, as ProcessMessages does. On
  // success returns the exit code (128 + the signal number for a POSIX
  // program ended by a signal). On failure (nothing started, a failing
  // wait) returns nullopt with the error number set.
  std::optional<uint32_t> Wait(const std::function<void()>& on_input);

 private:
  intptr_t handle_ = 0;  // Windows: the process handle; POSIX: the pid
  std::optional<uint32_t> exit_code_;  // POSIX: once reaped
};

}  // namespace xs
