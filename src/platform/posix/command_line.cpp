#include "platform/command_line.h"

#include <climits>
#include <unistd.h>

namespace xs {

namespace {
std::string& Stored() {
  static std::string line;
  return line;
}
}  // namespace

void SetProcessArguments(int argc, char** argv) {
  std::string line;
  for (int i = 0; i < argc; ++i) {
    std::string arg = argv[i];
    if (i) line += ' ';
    if (arg.empty() || arg.find_first_of(" \t") != std::string::npos)
      line += '"' + arg + '"';
    else
      line += arg;
  }
  Stored() = line;
}

std::string ProcessCommandLine() { return Stored(); }

std::string ProgramFileName() {
  char path[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

}  // namespace xs
