#include "lang/lg_wizard.h"

#include <algorithm>
#include <memory>

#include "base/error.h"
#include "lang/language.h"
#include "lang/language_events.h"
#include "lang/lg_filer.h"

namespace xs {

TXLanguageControl::~TXLanguageControl() { LgWizard().DetachControl(this); }

TXLgWizard::TXLgWizard() = default;

bool TXLgWizard::AddLanguageStream(TStream& stream) {
  auto header = std::make_unique<TXLgHeader>();
  header->AppID = AppID;
  header->AppVer = AppVer;
  if (!ReadLgHeader(stream, *header)) return false;
  if (all_.IndexOfLgID(header->LgID()) >= 0) return false;
  header->Source = &stream;
  TXLgHeader* h = header.release();
  all_.Add(h);
  offered_.Add(h);
  RefreshLanguageList();
  return true;
}

void TXLgWizard::RemoveLanguageStream(const TStream& stream) {
  for (int i = all_.Count() - 1; i >= 0; --i) {
    if (all_.GetItem(i)->Source != &stream) continue;
    int offered = offered_.IndexOf(all_.GetItem(i));
    if (offered >= 0) offered_.Delete(offered);
    all_.Delete(i);
  }
}

void TXLgWizard::RefreshLanguageList() {
  if (LanguageUpdateLocked()) return;
  offered_.Clear();
  for (int i = 0; i < OfferedIDs.Count(); ++i) {
    int at = all_.IndexOfLgID(OfferedIDs.IDs(i));
    if (at >= 0 && offered_.IndexOf(all_.GetItem(at)) < 0) offered_.Add(all_.GetItem(at));
  }
  if (offered_.Count() == 0)
    for (int i = 0; i < all_.Count(); ++i) offered_.Add(all_.GetItem(i));
  offered_.Sort();
  for (TXLanguageControl* control : controls_) FillControl(control);
}

void TXLgWizard::AttachControl(TXLanguageControl* control) {
  if (!control || std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
  controls_.push_back(control);
  FillControl(control);
}

void TXLgWizard::DetachControl(TXLanguageControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

int TXLgWizard::ActiveOfferedIndex() const { return offered_.IndexOfLgID(ActiveLg().ActiveLangID()); }

void TXLgWizard::FillControl(TXLanguageControl* control) {
  if (LanguageUpdateLocked()) return;
  const int active = ActiveOfferedIndex();
  if (auto* menu = dynamic_cast<TXLanguageMenu*>(control)) {
    menu->ClearItems();
    for (int i = 0; i < offered_.Count(); ++i)
      menu->AddRadioItem(offered_.GetItem(i)->LgName, [this, i] {
        if (!LanguageUpdateLocked()) SelectLanguage(i);
      });
    menu->CheckItem(active);
  } else if (auto* box = dynamic_cast<TXLanguageBox*>(control)) {
    box->OnChange = nullptr;
    box->ClearItems();
    for (int i = 0; i < offered_.Count(); ++i) box->AddItem(offered_.GetItem(i)->LgName);
    box->SetItemIndex(active);
    if (box->ItemCount() > 0 && box->ItemIndex() < 0) box->SetItemIndex(0);
    box->OnChange = [this](int index) {
      if (index >= 0 && !LanguageUpdateLocked()) SelectLanguage(index);
    };
  }
}

bool TXLgWizard::ReadPack(int index, TXLgProject& project) {
  const TXLgHeader* pack = offered_.GetItem(index);
  if (pack->Source) return ReadLgProject(*pack->Source, project);
  return ReadLgProjectFile(pack->FileName, project);
}

bool TXLgWizard::SelectLanguage(int index) {
  if (index < 0 || index >= offered_.Count()) return false;
  BeginLanguageUpdate();
  bool read = false;
  try {
    auto project = std::make_unique<TXLgProject>();
    project->AppID = AppID;
    project->AppVer = AppVer;
    read = ReadPack(index, *project);
    if (!read) {
      project->Words.Clear();
      project->Items.Clear();
      int fallback = offered_.IndexOfFirstWithStream();
      if (fallback >= 0) {
        index = fallback;
        read = ReadPack(index, *project);
      }
    }
    TXLg& table = ActiveLg();
    table.Clear();
    for (int i = 0; i < project->Items.Count(); ++i) {
      TXB* item = project->Items.GetItem(i);
      table.AddItem(item->Name, item->Data);
      item->Data.Clear();
    }
    table.LoadWords(project->Words, true);
    if (OnLanguageLoaded) OnLanguageLoaded(*project);
  } catch (const std::exception&) {
    // The active table keeps what it holds now.
  }
  try {
    for (TXLanguageControl* control : controls_) {
      if (auto* menu = dynamic_cast<TXLanguageMenu*>(control)) menu->CheckItem(index);
      else if (auto* box = dynamic_cast<TXLanguageBox*>(control)) box->SetItemIndex(index);
    }
  } catch (const std::exception&) {
  }
  EndLanguageUpdate(true);
  return read;
}

bool TXLgWizard::SelectLanguageByID(int id) {
  int index = offered_.IndexOfLgID(id);
  return SelectLanguage(index < 0 ? 0 : index);
}

TXLanguageState::TXLanguageState(TXLgWizard& wizard)
    : wizard_(wizard), preferred_(PreferredLgID()), active_(ActiveLg().ActiveLangID()) {
  offered_.Assign(wizard.OfferedIDs);
}

TXLanguageState::~TXLanguageState() {
  try {
    SetPreferredLgID(preferred_);
    wizard_.OfferedIDs.Assign(offered_);
    wizard_.RefreshLanguageList();
    wizard_.SelectLanguageByID(active_);
  } catch (const std::exception&) {
    // A control that fails to refill keeps the language as it is.
  }
}

TXLgWizard& LgWizard() {
  // Never destroyed: controls may leave it during static destruction.
  static TXLgWizard& wizard = *new TXLgWizard;
  return wizard;
}

}  // namespace xs
