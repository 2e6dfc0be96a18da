#include "wizard_fixture.h"

#include "base/settings.h"
#include "base/stream.h"
#include "lang/builtin_words.h"
#include "ui/message_box.h"

namespace xs {

bool FakeWizardEngine::SearchVersion(const std::string& folder, TXUISearchOptions kind) {
  return (kind == optfOld ? old_versions : update_targets).count(folder) > 0;
}

bool FakeWizardEngine::InstallRun() {
  ++installs;
  for (const Report& r : run_reports)
    if (progress) progress(r.Section, r.Position, r.Text);
  return install_result;
}

void FakeWizardEngine::SetProgressSlot(TXWizardProgressFunc report, TXWizardBytesFunc on_bytes) {
  progress = std::move(report);
  bytes = std::move(on_bytes);
}

bool FakeWizardEngine::Launch(const std::string& verb, const std::string& file, const std::string& parameters) {
  if (!shell_works) return false;
  launched.push_back(verb + "|" + file + "|" + parameters);
  return true;
}

bool FakeWizardEngine::StartProtocolHandler(const std::string& protocol, const std::string& link) {
  if (!protocols.count(protocol)) return false;
  launched.push_back(protocol + ":" + link);
  return true;
}

bool FakeWizardWindow::SelectFolder(TXFolderTree tree, const std::string& folder) {
  const bool dest = tree == TXFolderTree::Dest;
  tried.push_back((dest ? "dest:" : "upgrade:") + folder);
  if (!selectable.count(folder)) return false;
  if (dest)
    wizard->DestFolderTreeChange(folder);
  else
    wizard->UpgradeFolderTreeChange(folder);
  return true;
}

void WizardTest::SetUp() {
  PlatformTest::SetUp();
  RunSettings() = TXRunSettings{};
  saved_lg_.NotifyOnLoad = false;
  saved_lg_.Assign(ActiveLg());
  ActiveLg().Clear();
  const std::string words = BuiltInWordsText();
  TMemoryStream stream(std::vector<uint8_t>(words.begin(), words.end()));
  ActiveLg().LoadWords(stream, true);
  SetMessageBoxFunc([this](const std::string& text, const std::string& caption, int, TXButtonFrame, int) {
    boxes.push_back(caption + "|" + text);
    return answer;
  });
  engine.script.Title = "Demo";
}

void WizardTest::TearDown() {
  SetMessageBoxFunc(nullptr);
  ActiveLg().Assign(saved_lg_);
  RunSettings() = TXRunSettings{};
  PlatformTest::TearDown();
}

TXUIAppItem& WizardTest::AddApp(const std::string& title, uint8_t app_idx, bool required) {
  auto* app = static_cast<TXUIAppItem*>(engine.script.AppItems.Add());
  app->Title = title;
  app->AppIdx = app_idx;
  app->optRequired = required;
  return *app;
}

TXUIComponentItem& WizardTest::AddComponent(const std::string& title, uint8_t app_idx, uint8_t idx, bool required,
                                            int32_t lg_id) {
  auto item = std::make_unique<TXUIComponentItem>();
  item->Title = title;
  item->AppIdx = app_idx;
  item->Idx = idx;
  item->Required = required;
  item->SetLgID(lg_id);
  return *engine.script.AddItem(std::move(item));
}

void WizardTest::AddText(const std::string& name, const std::string& text) {
  auto item = std::make_unique<TXUITextItem>();
  item->TextName = name;
  item->Text = text;
  engine.script.AddItem(std::move(item));
}

void WizardTest::AddUpgradeItem() {
  auto item = std::make_unique<TXUITextItem>();
  item->Section = isUpgrade;
  engine.script.AddItem(std::move(item));
}

TXInstallWizard& WizardTest::Prepare() {
  engine.script.SplitSections();
  wizard = std::make_unique<TXInstallWizard>(engine, window, measurer, 400, 400);
  window.wizard = wizard.get();
  wizard->Prepare();
  return *wizard;
}

std::vector<TSetupPage> WizardTest::NextToTheEnd() {
  std::vector<TSetupPage> shown;
  while (wizard->CurrentPage() != spFinish) {
    if (wizard->CurrentPage() == spLicense) wizard->LicenseChkClick(true);
    const TSetupPage before = wizard->CurrentPage();
    wizard->NextBtnClick();
    shown.push_back(wizard->CurrentPage());
    if (wizard->CurrentPage() == before) break;
  }
  return shown;
}

}  // namespace xs
