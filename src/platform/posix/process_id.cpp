#include "platform/process_id.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "platform/system_error.h"

namespace xs {

namespace {
// A process that ended stays a zombie until its parent reaps it; the state
// letter follows the name in parentheses in /proc/PID/stat.
bool Zombie(uint32_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  size_t close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'Z';
}

bool Ended(uint32_t pid) { return (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) || Zombie(pid); }
}  // namespace

uint32_t CurrentProcessId() { return static_cast<uint32_t>(::getpid()); }

bool WaitForProcessEnd(uint32_t pid, uint32_t timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  // Ids beyond pid_t's range, and 0 (the process group), name no process.
  while (pid != 0 && pid <= 0x7fffffffu && !Ended(pid)) {
    if (std::chrono::steady_clock::now() >= deadline) {
      SetLastSystemError(ETIMEDOUT);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
