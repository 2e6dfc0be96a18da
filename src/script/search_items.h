// The version searches the engine runs before installing: in the chosen
// folder, or in a folder named by a registry value. The search itself is
// SearchVersion (script/search_version.h); executing a search item does
// nothing and succeeds, and its display text is empty.
#pragma once

#include <string>

#include "script/items.h"

namespace xs {

// Published: FileName, FromVersion, ToVersion, Find, Options.
class TXUICustomSearchVersionItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomSearchVersionItem)
 public:
  std::string FileName;
  std::string FromVersion;
  std::string ToVersion;
  TXUISearchOptions Find = optfOld;
  TXUISearchCheckOptions Options = optcVersion;

  // Expands FileName.
  void ExpandMacros() override;
};

class TXUIFolderSearchVersionItem : public TXUICustomSearchVersionItem {
  XS_DECLARE_CLASS(TXUIFolderSearchVersionItem)
 public:
  TXUIFolderSearchVersionItem() { Section = isSearch; }
};

// Published: RootID, KeyName, ValueName.
class TXUIRegSearchVersionItem : public TXUICustomSearchVersionItem {
  XS_DECLARE_CLASS(TXUIRegSearchVersionItem)
 public:
  TXUIRegSearchVersionItem() { Section = isSearch; }
  THKey RootID = hkey::CurrentUser;
  std::string KeyName;
  std::string ValueName;

  // Expands FileName, KeyName and ValueName.
  void ExpandMacros() override;
};

}  // namespace xs
