#include "platform_fixture.h"

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/system_error.h"
#include "platform/system_info.h"
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "platform/emulation.h"
#endif

namespace xs {

std::string UniqueName(const std::string& stem) {
  static int counter = 0;
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return stem + "-" + std::to_string(ticks) + "-" + std::to_string(++counter);
}

void PlatformTest::SetUp() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = UniqueName(std::string(info->test_suite_name()) + "." + info->name());
#ifdef _WIN32
  root_ = TempFolder() + name;
  scratch_ = root_ + kPathDelim;
#else
  root_ = testing::TempDir() + "xs-emu-" + name;
  old_root_ = EmulationRoot();
  SetEmulationRoot(root_);
  ResetEmulatedVariables();
  ClearEmulationRecords();
  scratch_ = TempFolder() + "scratch/";
#endif
  ASSERT_TRUE(ForceFolders(scratch_)) << scratch_;
  test_key_ = "Software\\XSetupTests\\" + name;
}

void PlatformTest::TearDown() {
  TXRegistry registry(kHKeyCurrentUser);
  registry.DeleteKey(test_key_);
  RemoveTree(root_);
#ifndef _WIN32
  SetEmulationRoot(old_root_);
#endif
}

bool PlatformTest::ReadOnlyEnforced() const {
  std::string probe = Scratch("read-only probe");
  if (!WriteTextFile(probe, "probe") || !SetFileAttr(probe, faReadOnly)) return true;
  bool enforced = !WriteTextFile(probe, "changed");
  SetFileAttr(probe, faNormal);
  RemoveFile(probe);
  return enforced;
}

bool WriteTextFile(const std::string& name, const std::string& text) {
  try {
    TFileStream file(name, FileMode::Create);
    file.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

std::string ReadTextFile(const std::string& name) {
  try {
    TFileStream file(name, FileMode::OpenRead);
    return ReadAllText(file);
  } catch (const EStreamError&) {
    return {};
  }
}

void RemoveTree(const std::string& folder) {
  std::vector<TSearchRec> entries;
  if (!FindFiles(folder, "*", entries)) return;
  for (const TSearchRec& e : entries) {
    if (e.Name == "." || e.Name == "..") continue;
    std::string path = folder + kPathDelim + e.Name;
    if (e.Attr & faReparsePoint) {
      if (!RemoveFolder(path)) RemoveFile(path);
      continue;
    }
    SetFileAttr(path, faNormal);
    if (e.Attr & faDirectory)
      RemoveTree(path);
    else
      RemoveFile(path);
  }
  RemoveFolder(folder);
}

bool MakeSymbolicLink(const std::string& link, const std::string& target, bool folder) {
#ifdef _WIN32
  DWORD flags = (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | 0x2;  // ALLOW_UNPRIVILEGED_CREATE
  if (!CreateSymbolicLinkA(link.c_str(), target.c_str(), flags)) {
    SetLastSystemError(static_cast<int>(GetLastError()));
    return false;
  }
  // Some Wine versions report success and make nothing.
  DWORD attr = GetFileAttributesA(link.c_str());
  bool made = attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_REPARSE_POINT);
  SetLastSystemError(made ? 0 : ERROR_NOT_SUPPORTED);
  return made;
#else
  (void)folder;
  bool made = ::symlink(target.c_str(), link.c_str()) == 0;
  SetLastSystemError(made ? 0 : errno);
  return made;
#endif
}

std::vector<std::string> TempFilesIn(const std::string& folder) {
  std::vector<TSearchRec> found;
  FindFiles(folder, std::string(kTempPrefix) + "*.tmp", found);
  std::vector<std::string> names;
  for (const TSearchRec& entry : found) names.push_back(entry.Name);
  return names;
}

#ifdef _WIN32
TFileSizeLimit::TFileSizeLimit(int64_t) {}
TFileSizeLimit::~TFileSizeLimit() = default;
bool TFileSizeLimit::Supported() { return false; }
#else
TFileSizeLimit::TFileSizeLimit(int64_t limit) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit r{};
  ::getrlimit(RLIMIT_FSIZE, &r);
  old_limit_ = static_cast<int64_t>(r.rlim_cur);
  r.rlim_cur = static_cast<rlim_t>(limit);
  ::setrlimit(RLIMIT_FSIZE, &r);
}
TFileSizeLimit::~TFileSizeLimit() {
  rlimit r{};
  ::getrlimit(RLIMIT_FSIZE, &r);
  r.rlim_cur = static_cast<rlim_t>(old_limit_);
  ::setrlimit(RLIMIT_FSIZE, &r);
}
bool TFileSizeLimit::Supported() { return true; }
#endif

void SetTestVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  setenv(name.c_str(), value.c_str(), 1);
#endif
}

std::optional<uint32_t> RunSelf(const std::string& filter) {
  TProcess child;
  std::string line = "\"" + ProgramFileName() + "\" --gtest_filter=" + filter + " --gtest_also_run_disabled_tests";
  if (!child.Start(line, "", false)) return std::nullopt;
  return child.Wait(nullptr);
}

}  // namespace xs
