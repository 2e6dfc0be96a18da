// Programs of the emulation: the Windows command line is split by the
// system's rules and the program is started with posix_spawn.
#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/native_path.h"
#include "platform/system_error.h"

extern char** environ;

namespace xs {

namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }

// The program's own rules for its argument list: the program name ends at
// the closing quote or the first blank; then 2n backslashes before a quote
// give n and the quote toggles grouping, 2n+1 give n and a literal quote,
// and "" inside a group is a literal quote.
std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t pos = 0, n = line.size();
  std::string program;
  if (pos < n && line[pos] == '"') {
    size_t close = line.find('"', pos + 1);
    program = line.substr(pos + 1, (close == std::string::npos ? n : close) - pos - 1);
    pos = close == std::string::npos ? n : close + 1;
  }
  while (pos < n && !Blank(line[pos])) program += line[pos++];
  args.push_back(program);
  for (;;) {
    while (pos < n && Blank(line[pos])) ++pos;
    if (pos >= n) break;
    std::string arg;
    bool quoted = false;
    while (pos < n && (quoted || !Blank(line[pos]))) {
      size_t slashes = 0;
      while (pos < n && line[pos] == '\\') ++slashes, ++pos;
      if (pos < n && line[pos] == '"') {
        arg.append(slashes / 2, '\\');
        if (slashes % 2) {
          arg += '"';
        } else if (quoted && pos + 1 < n && line[pos + 1] == '"') {
          arg += '"';
          ++pos;
        } else {
          quoted = !quoted;
        }
        ++pos;
      } else {
        arg.append(slashes, '\\');
        if (pos < n && (quoted || !Blank(line[pos]))) arg += line[pos++];
      }
    }
    args.push_back(arg);
  }
  return args;
}

uint32_t ExitCode(int status) {
  if (WIFEXITED(status)) return static_cast<uint32_t>(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return 128u + static_cast<uint32_t>(WTERMSIG(status));
  return 0;
}
}  // namespace

TProcess::~TProcess() {
  int status;
  if (handle_ && !exit_code_) ::waitpid(static_cast<pid_t>(handle_), &status, WNOHANG);
}

bool TProcess::Start(const std::string& command_line, const std::string& working_folder, bool) {
  std::vector<std::string> args = SplitCommandLine(command_line);
  if (handle_ || args[0].empty()) {
    SetLastSystemError(handle_ ? EINVAL : ENOENT);
    return false;
  }
  if (!working_folder.empty() && !FolderExists(working_folder)) {
    SetLastSystemError(ENOENT);
    return false;
  }
  args[0] = NativePath(args[0]);
  if (args[0][0] != '/') {
    SetLastSystemError(kErrPathNotFound);
    return false;
  }
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  std::string folder = NativePath(working_folder);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);  // nothing is inherited
  pid_t pid = 0;
  int code = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  SetLastSystemError(code);
  if (code != 0) return false;
  handle_ = pid;
  return true;
}

bool TProcess::WaitForInputIdle(uint32_t) { return handle_ != 0; }

std::optional<uint32_t> TProcess::Wait(const std::function<void()>& on_input) {
  if (!handle_) {
    SetLastSystemError(kErrInvalidHandle);
    return std::nullopt;
  }
  while (!exit_code_) {
    int status = 0;
    pid_t r = ::waitpid(static_cast<pid_t>(handle_), &status, WNOHANG);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) {
      SetLastSystemError(errno);
      return std::nullopt;
    }
    if (r > 0) {
      exit_code_ = ExitCode(status);
      break;
    }
    if (on_input) on_input();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  SetLastSystemError(0);
  return exit_code_;
}

}  // namespace xs
