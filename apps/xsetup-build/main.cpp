// xsetup-build: the command-line package builder.
//   xsetup-build dump FILE [--start N]
//   xsetup-build verify FILE [--start N]
// Exit codes: 0 success, 1 a damaged or unreadable package, 2 bad arguments.
#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "inspect.h"

namespace {

const char kUsage[] =
    "usage: xsetup-build dump FILE [--start N]\n"
    "       xsetup-build verify FILE [--start N]\n"
    "  dump    print the package's groups, headers, items and object texts\n"
    "  verify  read every item of the package and check every checksum\n"
    "  --start N  the package starts N bytes into FILE (default 0)\n";

int UsageError(const std::string& message) {
  std::cerr << "xsetup-build: " << message << "\n" << kUsage;
  return 2;
}

std::optional<int64_t> ParseOffset(const std::string& text) {
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("no command given");
  const std::string& command = args[0];
  if (command == "-h" || command == "--help" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command != "dump" && command != "verify") return UsageError("unknown command '" + command + "'");
  std::optional<std::string> file;
  int64_t start = 0;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--start") {
      if (i + 1 >= args.size()) return UsageError("--start needs a number");
      std::optional<int64_t> n = ParseOffset(args[++i]);
      if (!n) return UsageError("--start needs a number of bytes, not '" + args[i] + "'");
      start = *n;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return UsageError("unknown option '" + args[i] + "'");
    } else if (file) {
      return UsageError("more than one file given");
    } else {
      file = args[i];
    }
  }
  if (!file) return UsageError(command + " needs a FILE");
  return command == "dump" ? xs::DumpPackage(*file, start, std::cout) : xs::VerifyPackage(*file, start, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "xsetup-build: " << e.what() << "\n";
    return 1;
  }
}
