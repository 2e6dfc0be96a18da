// A fresh scratch folder per test, on the real system (Windows) or in a
// fresh emulated machine (POSIX), and helpers for tests that start a second
// copy of the test program.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xs {

class PlatformTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The scratch folder (with a trailing delimiter) followed by name.
  std::string Scratch(const std::string& name = {}) const { return scratch_ + name; }
  // A registry key below HKEY_CURRENT_USER that only this test uses; it is
  // deleted after the test.
  const std::string& TestKey() const { return test_key_; }
  // Whether the system refuses to write read-only files here (Wine run by
  // root does not: the host's permissions do not stop root).
  bool ReadOnlyEnforced() const;

 private:
  std::string root_;  // removed after the test
  std::string old_root_;  // POSIX: the emulation root before the test
  std::string scratch_;
  std::string test_key_;
};

// A name no other test run uses at the same time.
std::string UniqueName(const std::string& stem);
// Writes text as the whole content of the file; false on failure.
bool WriteTextFile(const std::string& name, const std::string& text);
// The file's content; empty when it cannot be read.
std::string ReadTextFile(const std::string& name);
// Removes a folder with everything in it, read-only files included; links
// go as links, whatever they lead to is left alone.
void RemoveTree(const std::string& folder);
// Makes link a symbolic link to target (a folder when folder is set). False
// when the system does not let this process make one (Wine, Windows
// without the privilege); the error number (system_error.h) tells why.
bool MakeSymbolicLink(const std::string& link, const std::string& target, bool folder);
// The names in folder that follow the temporary-file pattern (~xs*.tmp).
std::vector<std::string> TempFilesIn(const std::string& folder);
// While it lives, a file written past limit bytes fails to grow, as on a
// full disk (POSIX: RLIMIT_FSIZE with SIGXFSZ ignored). Supported() is
// false where the system cannot be made to do this (Windows).
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(int64_t limit);
  ~TFileSizeLimit();
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
  static bool Supported();

 private:
  int64_t old_limit_ = -1;
};
// Sets an environment variable for this process and those it starts.
void SetTestVariable(const std::string& name, const std::string& value);
// Runs the tests of this program that match filter (disabled ones too) in a
// second process and returns its exit code (0: they passed).
std::optional<uint32_t> RunSelf(const std::string& filter);

}  // namespace xs
