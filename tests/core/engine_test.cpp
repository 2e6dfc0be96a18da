// The engine's run sequence, driven by the real message loop and timers.
#include "core/install_engine.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/platform_fixture.h"
#include "platform/message_loop.h"
#include "ui/application.h"
#include "script/path_macros.h"
#include "ui/timer.h"

namespace xs {
namespace {

class TracingEngine : public TXCustomInstallEngine {
 public:
  using TXCustomInstallEngine::TXCustomInstallEngine;
  std::vector<std::string> log;
  bool fail_load = false;
  int executed = 0;

  bool Execute() override {
    ++executed;
    return TXCustomInstallEngine::Execute();
  }

 protected:
  void DoInit() override {
    TXCustomInstallEngine::DoInit();
    log.push_back("DoInit");
  }
  void DoLoad() override {
    log.push_back("DoLoad");
    if (fail_load) throw std::runtime_error("package damaged");
  }
  void DoLoaded() override { log.push_back("DoLoaded"); }
  void DoLoadLanguage() override { log.push_back("DoLoadLanguage"); }
};

// Runs the application's loop, with a guard timer so a fault cannot hang.
void RunLoopAtMost(uint32_t ms) {
  TimerId guard = StartWindowTimer(ms, [] { Application().Terminate(); });
  Application().Run();
  KillWindowTimer(guard);
}

struct EngineTest : ::testing::Test {
  TracingEngine* engine = new TracingEngine(&Application());
  void TearDown() override { Application().DestroyComponents(); }
};

TEST_F(EngineTest, StepsRunInOrderWithoutHandlers) {
  EXPECT_TRUE(engine->Execute());
  EXPECT_EQ(engine->log, (std::vector<std::string>{"DoInit", "DoLoad", "DoLoaded", "DoLoadLanguage"}));
  EXPECT_EQ(engine->ErrorCaption(), "Error Starting Setup - Incomplete Installer File");
}

TEST_F(EngineTest, HandledEventsTakeOverOnlyTheirOwnStep) {
  struct Case {
    const char* handled;
    std::vector<std::string> expected;
  } cases[] = {
      {"OnLoad", {"DoInit", "OnInit", "OnLoad", "OnLoaded", "DoLoaded", "OnLoadLanguage", "DoLoadLanguage"}},
      {"OnLoaded", {"DoInit", "OnInit", "OnLoad", "DoLoad", "OnLoaded", "OnLoadLanguage", "DoLoadLanguage"}},
      {"OnLoadLanguage", {"DoInit", "OnInit", "OnLoad", "DoLoad", "OnLoaded", "DoLoaded", "OnLoadLanguage"}},
  };
  for (const auto& c : cases) {
    engine->log.clear();
    std::string handled = c.handled;
    auto event = [this, handled](const char* name) {
      return [this, handled, name](TObject* sender, bool& h) {
        EXPECT_EQ(sender, engine);
        EXPECT_FALSE(h);
        engine->log.push_back(name);
        h = handled == name;
      };
    };
    engine->OnInit = [this](TObject*) { engine->log.push_back("OnInit"); };
    engine->OnLoad = event("OnLoad");
    engine->OnLoaded = event("OnLoaded");
    engine->OnLoadLanguage = event("OnLoadLanguage");
    EXPECT_TRUE(engine->Execute());
    EXPECT_EQ(engine->log, c.expected) << c.handled;
  }
}

TEST_F(EngineTest, AnExceptionInAStepGivesFalse) {
  engine->fail_load = true;
  EXPECT_FALSE(engine->Execute());
  EXPECT_EQ(engine->log, (std::vector<std::string>{"DoInit", "DoLoad"}));
}

TEST_F(EngineTest, StartTimerRunsTheEngineOnceFromTheLoopAndTerminates) {
  engine->optStandalone = true;
  StartTimer(50, [this](TObject* sender) { engine->StartRun(sender); });
  ASSERT_EQ(Application().Components().size(), 2u);
  RunLoopAtMost(5000);
  EXPECT_EQ(engine->executed, 1);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(Application().Components().size(), 1u) << "the start timer destroyed itself";
  // Nothing is left to fire: a second loop only ends through the guard.
  RunLoopAtMost(200);
  EXPECT_EQ(engine->executed, 1);
}

TEST_F(EngineTest, NotStandaloneLeavesTheApplicationRunning) {
  int ticks = 0;
  StartTimer(10, [&](TObject*) {
    EXPECT_TRUE(engine->Execute());
    EXPECT_FALSE(Application().Terminated());
    ++ticks;
  });
  RunLoopAtMost(300);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(engine->executed, 1);
}

TEST_F(EngineTest, ReportProgressReachesTheAssignedHandler) {
  engine->ReportProgress(isFile, 3, "ignored without a handler");
  std::vector<std::string> got;
  engine->OnProgress = [&](TObject* sender, TXUISection section, int position, const std::string& text) {
    EXPECT_EQ(sender, engine);
    got.push_back(std::to_string(section) + ":" + std::to_string(position) + ":" + text);
  };
  engine->ReportProgress(isFile, 3, "a.exe");
  EXPECT_EQ(got, std::vector<std::string>{"6:3:a.exe"});
}

class CommandTarget : public TXCommandComponent {
 public:
  using TXCommandComponent::TXCommandComponent;
  std::vector<std::string>* log = nullptr;

 protected:
  void DoIntCommand(int monitor, TXHitType hit, const std::string& hit_name, int command,
                    const std::string& args) override {
    log->push_back("component " + std::to_string(command) + " " + args);
  }
};

TEST_F(EngineTest, PostedCommandsReachTheComponentFirstAfterTheLoopRuns) {
  std::vector<std::string> log;
  auto* target = new CommandTarget(&Application());
  target->log = &log;
  target->OnIntCommand = [&](TObject* sender, int monitor, TXHitType hit, const std::string& hit_name,
                             int command, const std::string& args) {
    EXPECT_EQ(sender, nullptr);
    EXPECT_EQ(monitor, 2);
    EXPECT_EQ(hit_name, "next");
    log.push_back("event " + std::to_string(command) + " " + args);
    Application().Terminate();
  };
  target->PostIntCommand(2, 1, "next", 42, "a");
  EXPECT_TRUE(log.empty()) << "nothing is delivered before the loop runs";
  RunLoopAtMost(5000);
  EXPECT_EQ(log, (std::vector<std::string>{"component 42 a", "event 42 a"}));
}

#ifndef _WIN32
// The switches come from the process command line, which only the POSIX
// build lets a test choose.
TEST_F(EngineTest, InitReadsTheSwitchesIntoTheRunSettings) {
  struct Case {
    std::vector<const char*> args;
    std::string file;
    int lg;
    int64_t start;
    bool admin;
  } cases[] = {
      {{"setup"}, "", 9, 1169408, false},
      {{"setup", "/FILE:x.dat", "/lg:7", "/ADMIN"}, "x.dat", 7, 1169408, true},
      {{"setup", "/file:C:\\A B\\p.dat", "/lg:7"}, "C:\\A B\\p.dat", 7, 1169408, false},
      {{"setup", "/lg:abc", "/start:-5", "/admin2"}, "", 9, -5, false},
      {{"setup", "/lg:", "/start:x"}, "", 9, 0, false},
      {{"setup", "/start:-1"}, "", 9, -1, false},
  };
  for (const auto& c : cases) {
    std::vector<char*> argv;
    for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
    SetProcessArguments(static_cast<int>(argv.size()), argv.data());
    TXRunSettings& s = RunSettings();
    s.StartOffset = 1169408;
    s.InstallFolder = "stale";
    s.RunConditions.set(cdDemo);
    s.CreateDesktopShortcut = true;
    engine->Init();
    EXPECT_EQ(s.PackageFileName, c.file);
    EXPECT_EQ(s.CurrentLgID, c.lg);
    EXPECT_EQ(s.StartOffset, c.start);
    EXPECT_EQ(engine->AdminSwitch(), c.admin);
    EXPECT_EQ(s.InstallFolder, "");
    EXPECT_TRUE(s.RunConditions.none());
    EXPECT_FALSE(s.CreateDesktopShortcut);
    EXPECT_EQ(s.SelectedComponents.count(), 1u);
    EXPECT_TRUE(s.SelectedComponents.test(0));
  }
  SetProcessArguments(0, nullptr);
}
#endif

// The engine's macros expand while a run lasts, and only then.
using EngineRunMacros = PlatformTest;
const std::string D(1, kPathDelim);

class ProbeEngine : public TXCustomInstallEngine {
 public:
  using TXCustomInstallEngine::TXCustomInstallEngine;
  std::string during;
  bool fail = false;

 protected:
  void DoLoad() override {
    TXRunSettings& s = RunSettings();
    s.InstallFolder = ExpandPathMacros("<pf>My App" + std::string(1, kPathDelim));
    s.GroupName = "My Group";
    s.OldDataFolder = "C:\\Old\\";
    during = ExpandPathMacros("<install>bin|<group>|<old>|<ui>|<INSTALL>|<Group>");
    if (fail) throw std::runtime_error("package damaged");
  }
};

TEST_F(EngineRunMacros, ExpandDuringARunAndNotAfterIt) {
  for (bool fail : {false, true}) {
    ProbeEngine engine;
    engine.fail = fail;
    EXPECT_EQ(engine.Execute(), !fail);
    EXPECT_EQ(engine.during, ExpandPathMacros("<pf>My App") + D + "bin|My Group|C:\\Old\\||<INSTALL>|<Group>") << fail;
    EXPECT_EQ(ExpandPathMacros("<install>bin|<group>"), "<install>bin|<group>") << fail;
  }
}

}  // namespace
}  // namespace xs
