#include "platform/process.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

TProcess::~TProcess() {
  if (handle_) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool TProcess::Start(const std::string& command_line, const std::string& working_folder, bool minimized) {
  if (handle_) {
    SetLastSystemError(ERROR_INVALID_PARAMETER);
    return false;
  }
  // The program part of the command line, as the system splits it.
  std::string program;
  if (!command_line.empty() && command_line[0] == '"') {
    program = command_line.substr(1, command_line.find('"', 1) - 1);
  } else {
    program = command_line.substr(0, command_line.find_first_of(" \t"));
  }
  bool full_path = (program.size() > 2 && program[1] == ':' && (program[2] == '\\' || program[2] == '/')) ||
                   program.starts_with("\\\\");
  if (!full_path) {
    SetLastSystemError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (minimized) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
  }
  PROCESS_INFORMATION info{};
  std::string line = command_line;  // the system may write into it
  // Named as the application, the program is never searched for.
  if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      working_folder.empty() ? nullptr : working_folder.c_str(), &startup, &info)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return false;
  }
  CloseHandle(info.hThread);
  handle_ = reinterpret_cast<intptr_t>(info.hProcess);
  SetLastSystemError(0);
  return true;
}

bool TProcess::WaitForInputIdle(uint32_t timeout_ms) {
  if (!handle_) return false;
  // Failures mean "no message queue": nothing to wait for.
  DWORD r = ::WaitForInputIdle(reinterpret_cast<HANDLE>(handle_), timeout_ms);
  return r != WAIT_TIMEOUT;
}

std::optional<uint32_t> TProcess::Wait(const std::function<void()>& on_input) {
  if (!handle_) {
    SetLastSystemError(ERROR_INVALID_HANDLE);
    return std::nullopt;
  }
  HANDLE h = reinterpret_cast<HANDLE>(handle_);
  for (;;) {
    DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) break;
    if (r != WAIT_OBJECT_0 + 1) {
      SetLastSystemError(static_cast<int>(GetLastError()));
      return std::nullopt;
    }
    if (on_input) on_input();
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(h, &code)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return std::nullopt;
  }
  SetLastSystemError(0);
  return code;
}

}  // namespace xs
