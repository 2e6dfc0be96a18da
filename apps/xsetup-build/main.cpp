// xsetup-build: the command-line package builder.
//   xsetup-build package SCRIPT -o OUT [--lang PACK]... [-j N] [--best] [-q]
//   xsetup-build setup SCRIPT -o SETUP.exe [--arch x64|x86] [--lang PACK]... [--stubs DIR]
//                [-j N] [--best] [-q]
//   xsetup-build folder DIR -o SETUP.exe --name NAME [--version V] [--publisher P]
//                [--exe RELPATH] [--emit-script FILE] [--arch x64|x86] [--lang PACK]... [--stubs DIR]
//                [-j N] [--best] [-q]
//   xsetup-build lang WORDS -o PACK
//   xsetup-build lang --decode PACK
//   xsetup-build dump FILE [--start N]
//   xsetup-build verify FILE [--start N]
//   xsetup-build --version | --help | -h
// Exit codes: 0 success, 1 a failed build or a damaged or unreadable
// package, 2 bad arguments.
#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "build_commands.h"
#include "inspect.h"
#include "quick_mode.h"
#include "script/register.h"

namespace {

const char kUsage[] =
    "usage: xsetup-build package SCRIPT -o OUT [--lang PACK]... [-j N] [--best] [-q]\n"
    "       xsetup-build setup SCRIPT -o SETUP.exe [--arch x64|x86] [--lang PACK]... [--stubs DIR]\n"
    "                    [-j N] [--best] [-q]\n"
    "       xsetup-build folder DIR -o SETUP.exe --name NAME [--version V] [--publisher P]\n"
    "                    [--exe RELPATH] [--emit-script FILE] [--arch x64|x86] [--lang PACK]...\n"
    "                    [--stubs DIR] [-j N] [--best] [-q]\n"
    "       xsetup-build lang WORDS -o PACK\n"
    "       xsetup-build lang --decode PACK\n"
    "       xsetup-build dump FILE [--start N]\n"
    "       xsetup-build verify FILE [--start N]\n"
    "       xsetup-build --version | --help | -h\n"
    "  package build an install package from a script and the files it names\n"
    "  setup   build an installer: the package appended to the stub setup.exe, with\n"
    "          the stub uninst.exe added for an application's UIExe no item installs\n"
    "  --arch   the installer's architecture (default x64)\n"
    "  --stubs  the folder with x64/ and x86/ stubs and lang/ packs (default:\n"
    "           $XSETUP_STUBS, else ../share/xsetup beside xsetup-build)\n"
    "  --lang   a language pack file, or a language (de) whose pack lang/de.xlg\n"
    "           lies in the stub folder\n"
    "  -q       no progress and no summary line\n"
    "  folder  build an installer for every file and subfolder of DIR with no script:\n"
    "          the install folder under <wpf>, a program group with a shortcut to\n"
    "          --exe (default: the only .exe at DIR's top), the uninstall entry, and\n"
    "          --exe launched on the finish page; --emit-script writes the script used\n"
    "  -j N     compress on N threads (default: one per core); the output is the same\n"
    "           for every N\n"
    "  --best   compress harder: smaller, about three times slower\n"
    "  lang    compile a words file into a language pack, or print a pack's words\n"
    "  dump    print the package's groups, headers, items and object texts\n"
    "  verify  read every item of the package and check every checksum\n"
    "  --start N  the package starts N bytes into FILE (default: where the program\n"
    "             ends when FILE is a Windows program, as in an installer, else 0)\n";

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

bool ParseJobs(const std::string& text, int& jobs) {
  std::optional<int64_t> n = ParseOffset(text);
  if (!n || *n < 1 || *n > 256) return false;
  jobs = static_cast<int>(*n);
  return true;
}

// package, setup, folder and lang: one input, "-o OUT" and the options of
// the command.
int RunBuild(const std::string& command, const std::vector<std::string>& args) {
  std::optional<std::string> input, out;
  xs::TQuickRequest quick;
  xs::TBuildRequest& build = quick.Build;
  bool decode = false;
  const bool quick_mode = command == "folder";
  const bool builds_package = command == "package" || command == "setup" || quick_mode;
  const bool builds_setup = command == "setup" || quick_mode;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool with_value =
        a == "-o" || ((a == "--lang" || a == "-j") && builds_package) ||
        ((a == "--arch" || a == "--stubs") && builds_setup) ||
        (quick_mode && (a == "--name" || a == "--version" || a == "--publisher" || a == "--exe" ||
                        a == "--emit-script"));
    if (with_value) {
      if (i + 1 >= args.size()) return UsageError(a + " needs a value");
      const std::string& value = args[++i];
      if (a == "-o") out = value;
      else if (a == "--lang") build.Packs.push_back(value);
      else if (a == "-j") {
        if (!ParseJobs(value, build.Compression.Jobs))
          return UsageError("-j takes a number of threads from 1 to 256, not '" + value + "'");
      } else if (a == "--stubs") build.Stubs = value;
      else if (a == "--name") quick.Name = value;
      else if (a == "--version") quick.Version = value;
      else if (a == "--publisher") quick.Publisher = value;
      else if (a == "--exe") quick.Exe = value;
      else if (a == "--emit-script") quick.EmitScript = value;
      else if (value == "x64" || value == "x86") build.Arch = value;
      else return UsageError("--arch takes x64 or x86, not '" + value + "'");
    } else if (a == "--best" && builds_package) {
      build.Compression.Best = true;
    } else if (a == "--decode" && command == "lang") {
      decode = true;
    } else if (a == "-q" && builds_package) {
      build.Quiet = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError("unknown option '" + a + "'");
    } else if (input) {
      return UsageError("more than one input given");
    } else {
      input = a;
    }
  }
  if (!input) return UsageError(command + (quick_mode ? " needs a folder" : " needs an input file"));
  if (decode) {
    if (out) return UsageError("--decode prints the words; it takes no -o");
    return xs::LangDecodeCommand(*input, std::cout, std::cerr);
  }
  if (!out) return UsageError(command + " needs -o OUT");
  if (command == "lang") return xs::LangCommand(*input, *out, std::cerr);
  build.Out = *out;
  if (quick_mode) {
    if (quick.Name.empty()) return UsageError("folder needs --name NAME");
    quick.Folder = *input;
    return xs::QuickCommand(quick, std::cout, std::cerr);
  }
  build.Script = *input;
  if (command == "package") return xs::PackageCommand(build, std::cout, std::cerr);
  return xs::SetupCommand(build, std::cout, std::cerr);
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("no command given");
  const std::string& command = args[0];
  if (command == "-h" || command == "--help" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "--version") {
    std::cout << "xsetup-build " XSETUP_VERSION "\n";
    return 0;
  }
  if (command == "package" || command == "setup" || command == "folder" || command == "lang")
    return RunBuild(command, args);
  if (command != "dump" && command != "verify") return UsageError("unknown command '" + command + "'");
  std::optional<std::string> file;
  std::optional<int64_t> start;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--start") {
      if (i + 1 >= args.size()) return UsageError("--start needs a number");
      start = ParseOffset(args[++i]);
      if (!start) return UsageError("--start needs a number of bytes, not '" + args[i] + "'");
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return UsageError("unknown option '" + args[i] + "'");
    } else if (file) {
      return UsageError("more than one file given");
    } else {
      file = args[i];
    }
  }
  if (!file) return UsageError(command + " needs a FILE");
  const int64_t at = start.value_or(xs::DefaultPackageStart(*file));
  return command == "dump" ? xs::DumpPackage(*file, at, std::cout) : xs::VerifyPackage(*file, at, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
  xs::RegisterScriptClasses();
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "xsetup-build: " << e.what() << "\n";
    return 1;
  }
}
