// The fixture of the script tests: the script classes registered, a clear
// error object, and run-wide settings restored after each test.
#pragma once

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/settings.h"
#include "script/register.h"

namespace xs {

class ScriptFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = RunSettings();
    RunSettings().SelectedComponents.reset().set(0);
    RunSettings().RunConditions.reset();
    RunSettings().CurrentLgID = 9;
    RegisterScriptClasses();
    XError().Clear();
  }
  void TearDown() override {
    UnregisterScriptClasses();
    RunSettings() = saved_;
  }

 private:
  TXRunSettings saved_;
};

}  // namespace xs
