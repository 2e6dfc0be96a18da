// The fixtures of the script tests: the script classes registered, a clear
// error object, and run-wide settings restored after each test.
#pragma once

#include <gtest/gtest.h>

#include "base/error.h"
#include "base/settings.h"
#include "platform/platform_fixture.h"
#include "script/register.h"

namespace xs {

// The script's process-wide state for the length of one test.
class ScriptState {
 public:
  void Enter() {
    saved_ = RunSettings();
    RunSettings().SelectedComponents.reset().set(0);
    RunSettings().RunConditions.reset();
    RunSettings().CurrentLgID = 9;
    RegisterScriptClasses();
    XError().Clear();
  }
  void Leave() {
    UnregisterScriptClasses();
    RunSettings() = saved_;
  }

 private:
  TXRunSettings saved_;
};

class ScriptFixture : public ::testing::Test {
 protected:
  void SetUp() override { state_.Enter(); }
  void TearDown() override { state_.Leave(); }

 private:
  ScriptState state_;
};

// For items that act on the machine: a fresh emulated machine (POSIX) or a
// scratch folder and registry key on the real system (Windows), see
// PlatformTest.
class ScriptMachineTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    state_.Enter();
  }
  void TearDown() override {
    state_.Leave();
    PlatformTest::TearDown();
  }

 private:
  ScriptState state_;
};

}  // namespace xs
