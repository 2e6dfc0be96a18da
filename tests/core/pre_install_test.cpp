// The steps before the install: the language step with its dialogs, and the
// check for running applications.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/error.h"
#include "core/startup.h"
#include "engine_run_fixture.h"
#include "lang/lg_filer.h"
#include "lang/lg_wizard.h"
#include "package/data_index.h"
#include "platform/named_mutex.h"
#include "platform/registry.h"
#include "platform/util_window.h"
#include "uninstall/uninstall_entries.h"

namespace xs {
namespace {

class LanguageEngine : public TXInstallEngine {
 public:
  using TXInstallEngine::DoLoadLanguage;
};

class ScriptedLgDialog : public TXCustomInstallLgDialog {
 public:
  bool answer = true;
  int shown = 0;
  bool ExecuteOK() override {
    ++shown;
    return answer;
  }
};

class ScriptedStartDialog : public TXCustomInstallDemoDialog {
 public:
  int answer = 1;
  int shown = 0;
  int Execute() override {
    ++shown;
    return answer;
  }
};

std::vector<uint8_t> Pack(int id, const std::string& name) {
  TXLgProject project;
  project.SetLgID(id);
  project.LgName = name;
  project.AppID = 111;
  project.AppVer = 400;
  std::string words = "LangID=" + std::to_string(id) + "\r\nLangName=" + name + "\r\n";
  project.Words.WriteBuffer(words.data(), static_cast<int64_t>(words.size()));
  TMemoryStream stream;
  EXPECT_TRUE(SaveLgProject(stream, project));
  return stream.Bytes();
}

class LanguageStepTest : public EngineRunTest {
 protected:
  void SetUp() override {
    EngineRunTest::SetUp();
    RegisterDataIndexClasses();
    LgWizard().AppID = 111;
    LgWizard().AppVer = 400;
  }
  void TearDown() override {
    LgWizard().AppID = saved_app_;
    LgWizard().AppVer = saved_ver_;
    EngineRunTest::TearDown();
  }

  // Runs the language step of a fresh engine whose package offers German
  // and French; returns the code raised (0: none).
  int Step(bool demo, TXCustomInstallLgDialog* lg, TXCustomInstallDemoDialog* start, int* offered = nullptr) {
    TXLanguageState keep(LgWizard());
    LanguageEngine setup;
    for (auto [id, name] : {std::pair{7, "Deutsch"}, std::pair{12, "Francais"}}) {
      TMemoryStream pack(Pack(id, name));
      setup.Package.Languages.AddStream(".xlg", pack, name);
      setup.Package.Script.LgIDs.Add(std::to_string(id));
    }
    setup.Package.Script.LgIDs.SetDefaultLgID(12);
    setup.Package.Script.Title = "Tool Setup";
    setup.Package.Script.optAppDemo = demo;
    setup.LgDialog = lg;
    setup.StartDialog = start;
    RunSettings().RunConditions.reset();
    try {
      setup.DoLoadLanguage();
      if (offered) *offered = LgWizard().OfferedPacks().Count();
      EXPECT_EQ(PreferredLgID(), 12);
    } catch (const EXError& e) {
      return e.Code();
    }
    return 0;
  }

  const uint32_t saved_app_ = LgWizard().AppID, saved_ver_ = LgWizard().AppVer;
};

TEST_F(LanguageStepTest, TheLanguageDialogAsksAmongSeveralLanguages) {
  int offered = 0;
  EXPECT_EQ(Step(false, nullptr, nullptr, &offered), 0) << "no dialog: skipped";
  EXPECT_EQ(offered, 2);
  ScriptedLgDialog lg;
  EXPECT_EQ(Step(false, &lg, nullptr, &offered), 0) << "the packs of a freed engine are gone again";
  EXPECT_EQ(offered, 2);
  EXPECT_EQ(lg.shown, 1);
  EXPECT_EQ(lg.Caption, "Tool Setup");
  lg.answer = false;
  EXPECT_EQ(Step(false, &lg, nullptr), errCancelled);
}

TEST_F(LanguageStepTest, TheStartDialogChoosesDemoInstallOrCancel) {
  struct Case {
    int answer;
    int code;
    bool demo;
  } cases[] = {{mrCancel, errCancelled, false}, {mrDemo, 0, true}, {mrOK, 0, false}, {mrNo, 0, false}};
  for (const auto& c : cases) {
    ScriptedLgDialog lg;
    ScriptedStartDialog start;
    start.answer = c.answer;
    EXPECT_EQ(Step(true, &lg, &start), c.code) << c.answer;
    EXPECT_EQ(RunSettings().RunConditions.test(cdDemo), c.demo) << c.answer;
    EXPECT_EQ(start.Caption, "Tool Setup");
    EXPECT_EQ(lg.shown, 0) << "the start dialog carries the language choice";
  }
  ScriptedLgDialog lg;
  EXPECT_EQ(Step(true, &lg, nullptr), 0);
  EXPECT_EQ(lg.shown, 1) << "without a start dialog the language dialog asks";
}

class CountingWizard : public TXCustomInstallDialog {
 public:
  int shown = 0;
  bool ExecuteOK() override { return ++shown > 0; }
};

// Execute after the start dialog: the demo run, the question, then the
// wizard only when the user wants to install now.
TEST_F(LanguageStepTest, ExecuteRunsTheDemoAndOffersTheInstallAfterIt) {
  for (int answer : {mrOK, mrCancel}) {
    SCOPED_TRACE(answer);
    TXInstallEngine setup;
    ScriptedStartDialog start;
    start.answer = mrDemo;
    CountingWizard wizard;
    setup.StartDialog = &start;
    setup.WizardDialog = &wizard;
    setup.OnLoad = [&](TObject*, bool& handled) {
      setup.Package.Script.optAppDemo = true;
      setup.Package.Script.Title = "Tool";
      handled = true;
    };
    AnswerMessages({answer});
    EXPECT_TRUE(setup.Execute());
    EXPECT_EQ(start.shown, 1);
    EXPECT_EQ(wizard.shown, answer == mrOK ? 1 : 0);
    ASSERT_FALSE(shown_.empty());
    EXPECT_EQ(shown_.back().text, "The demo has ended. Do you want to install Tool now?");
    // Without DefaultFolderExt the demo ran in the temporary folder itself,
    // which holds this test's scratch folder: it is not deleted.
    EXPECT_TRUE(FolderExists(Scratch("")));
  }
}

using RunningApplicationsTest = EngineRunTest;

TEST_F(RunningApplicationsTest, AnyExistingMutexAsksUntilItIsGoneOrTheUserCancels) {
  const std::string held = UniqueName("ToolMutex");
  TNamedMutex mutex;
  ASSERT_TRUE(mutex.Create(held));
  TXUIAppItem& app = LoggedApp();
  app.MutexTitle = "Tool";
  AddFolder("App");
  Script().SplitSections();

  app.Mutex = UniqueName("Absent") + "\r\n\r\n" + UniqueName("Other");
  EXPECT_TRUE(engine.CheckRunningApplications());
  EXPECT_TRUE(shown_.empty());

  app.Mutex = UniqueName("Absent") + "\r\n" + held;
  AnswerMessages({mrOK, mrOK, mrCancel});
  EXPECT_FALSE(engine.InstallRun());
  ASSERT_EQ(shown_.size(), 3u);
  EXPECT_EQ(shown_[0].text,
            "Tool is running. Please close Tool and click OK to continue, or click Cancel to stop the installation.");
  EXPECT_EQ(shown_[0].frame, TXButtonFrame::TXCmdOKCancel);
  EXPECT_EQ(shown_[0].icon, IconWarning);
  EXPECT_TRUE(progress_.empty()) << "without WndTitle nothing is sent and no pause is made";
  EXPECT_FALSE(FolderExists(Scratch("App"))) << "nothing changed";
  EXPECT_FALSE(TXRegistry(kHKeyCurrentUser).KeyExists(std::string(kUninstallKey) + "\\" + title_));
}

TEST_F(RunningApplicationsTest, TheApplicationsUtilityWindowIsAskedToShowItself) {
  const std::string held = UniqueName("ToolMutex");
  TNamedMutex mutex;
  ASSERT_TRUE(mutex.Create(held));
  std::vector<uintptr_t> asked;
  // Like a real utility window, it leaves every other message to the
  // system, which keeps and reads back its caption.
  WindowHandle window = 0;
  window = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == ActivateApplicationMessage())
      asked.push_back(m.WParam);
    else
      m.Result = DefaultWindowProc(window, m);
  });
  ASSERT_TRUE(SetWindowCaption(window, "Tool Window"));
  TXUIAppItem& app = *Script().AppItems.First();
  app.Mutex = held;
  app.MutexTitle = "Tool";
  app.WndTitle = "Other Window\r\nTool Window";
  AnswerMessages({mrCancel});
  EXPECT_FALSE(engine.CheckRunningApplications());
  DeallocateHWnd(window);
  EXPECT_EQ(asked, std::vector<uintptr_t>{2});
  EXPECT_EQ(progress_, std::vector<std::string>{"13:1:Waiting for the program to close: Tool"});
}

}  // namespace
}  // namespace xs
