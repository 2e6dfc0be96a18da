// The applications of a package: what the wizard lists, what the uninstall
// entry shows and where the undo log goes.
#pragma once

#include <cstdint>
#include <string>

#include "base/string_list.h"
#include "package/persistent_collection.h"

namespace xs {

// Published after name and LgID: optSaveLog, optCleanFolders, optRequired,
// optShowComponentsTitle, AppIdx, LogIdx, Title, LogTitle, Icon, Version,
// Mutex, MutexTitle, WndTitle, Folder, LaunchOperation, Launch,
// LaunchParams, UIExe, UILog, CleanFolders, UIInfo, TitleExtension.
class TXUIAppItem : public TXCollectionItem {
  XS_DECLARE_CLASS(TXUIAppItem)
 public:
  bool optSaveLog = false;       // an undo log is written for it
  bool optCleanFolders = false;  // CleanFolders are wiped on uninstall
  bool optRequired = false;      // cannot be deselected in the wizard
  bool optShowComponentsTitle = false;
  uint8_t AppIdx = 0;            // its number in the selection set
  uint8_t LogIdx = 0;            // its undo log among the run's logs
  std::string Title;
  std::string LogTitle;          // the uninstall registry key's name
  std::string Icon;
  std::string Version;
  std::string Mutex;             // one mutex name per line
  std::string MutexTitle;
  std::string WndTitle;          // one utility-window caption per line
  std::string Folder;
  std::string LaunchOperation = "open";
  std::string Launch;
  std::string LaunchParams;
  std::string UIExe;
  std::string UILog;
  TStringList CleanFolders;
  TXStringCollection UIInfo;          // name/value pairs for the uninstall entry
  TXStringCollection TitleExtension;  // name/value pairs

  // From a TXUIAppItem: the published properties (the lists are copied).
  bool AssignFrom(const TPersistent& source) override;
  // Expands the path macros of Mutex, Folder, Launch, LaunchParams, UIExe,
  // UILog and of the whole text of CleanFolders, in place.
  void ExpandAppPaths();
};

// The s of the first entry of list named name (exact case) in the language
// that fits lg_id best: lg_id itself, its primary language (the low byte),
// the list's default language, 0, then 9 unless 9 is the default. Empty
// when no entry fits.
std::string LanguageText(const TXStringCollection& list, const std::string& name, int32_t lg_id);
// The same for a list of one text per language, whatever the entries' names
// (an application's TitleExtension).
std::string LanguageText(const TXStringCollection& list, int32_t lg_id);

class TXUIAppCollection : public TXCollection {
 public:
  TXUIAppCollection() : TXCollection(TXUIAppItem::StaticClass()) {}
  TXUIAppItem* GetItem(int i) const { return Item<TXUIAppItem>(i); }
  // The first entry, created when the collection is empty.
  TXUIAppItem* First();
};

}  // namespace xs
