// The wizard model between a fake engine and a fake window, on a fresh
// emulated machine, with the built-in English texts and the message boxes
// answered by the test.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform_fixture.h"
#include "ui/fake_measurer.h"
#include "lang/language.h"
#include "script/items.h"
#include "ui/message_box.h"
#include "wizard/install_wizard.h"

namespace xs {

class FakeWizardEngine : public TXWizardEngine {
 public:
  struct Report {
    TXUISection Section;
    int Position;
    std::string Text;
  };

  const TXInstall& Script() const override { return script; }
  bool SearchVersion(const std::string& folder, TXUISearchOptions kind) override;
  bool InstallRun() override;
  void UpgradeRun() override { ++upgrades; }
  void SetProgressSlot(TXWizardProgressFunc report, TXWizardBytesFunc bytes) override;
  std::string SectionTitle(TXUISection section) const override { return "section " + std::to_string(section); }
  // Records the start; fails when shell_works is unset.
  bool Launch(const std::string& verb, const std::string& file, const std::string& parameters) override;
  // Records the start of a protocol in protocols.
  bool StartProtocolHandler(const std::string& protocol, const std::string& link) override;

  TXInstall script;
  // The folders each search kind matches.
  std::set<std::string> old_versions, update_targets;
  bool install_result = true;
  std::vector<Report> run_reports;  // sent during InstallRun
  int installs = 0, upgrades = 0;
  bool shell_works = true;
  std::set<std::string> protocols;  // the registered ones
  std::vector<std::string> launched;  // "verb|file|parameters", or "protocol:link"
  TXWizardProgressFunc progress;
  TXWizardBytesFunc bytes;
};

class FakeWizardWindow : public TXWizardWindow {
 public:
  void PageActivated() override { activated.push_back(wizard->CurrentPage()); }
  // Selects a folder that the test made selectable, and reports it.
  bool SelectFolder(TXFolderTree tree, const std::string& folder) override;
  void ProcessMessages() override { ++pumps; }
  // Closes when the model lets it.
  void Close() override { closed = wizard->FormCloseQuery(); }
  void Terminate() override { terminated = true; }

  TXInstallWizard* wizard = nullptr;
  std::set<std::string> selectable;
  std::vector<std::string> tried;  // every SelectFolder, "dest:" or "upgrade:" and the folder
  std::vector<TSetupPage> activated;
  int pumps = 0;
  bool closed = false, terminated = false;
};

class WizardTest : public PlatformTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Public: the cases of table-driven tests set the script up through them.
 public:

  TXUIAppItem& AddApp(const std::string& title, uint8_t app_idx, bool required = false);
  TXUIComponentItem& AddComponent(const std::string& title, uint8_t app_idx, uint8_t idx, bool required = false,
                                  int32_t lg_id = 0);
  void AddText(const std::string& name, const std::string& text);
  void AddUpgradeItem();
  // Makes the model (panels 400 pixels wide) and prepares it.
  TXInstallWizard& Prepare();
  // Presses Next (ticking the licence box on the licence page) until the
  // finish page or until a press leaves the page as it was; returns the
  // pages shown after each press.
  std::vector<TSetupPage> NextToTheEnd();
  // The message boxes shown, "caption|text", answered with answer.
  std::vector<std::string> boxes;
  int answer = mrOK;

  FakeWizardEngine engine;
  FakeWizardWindow window;
  FakeMeasurer measurer;
  std::unique_ptr<TXInstallWizard> wizard;

 private:
  TXLg saved_lg_;
};

}  // namespace xs
