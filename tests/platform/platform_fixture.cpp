#include "platform_fixture.h"

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#ifndef _WIN32
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
    SetFileAttr(path, faNormal);
    if (e.Attr & faDirectory)
      RemoveTree(path);
    else
      RemoveFile(path);
  }
  RemoveFolder(folder);
}

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
