// Program groups and shortcuts, placed in a shell special folder (FolderID,
// the shell's special-folder number; 2 is the user's start-menu programs).
#pragma once

#include <cstdint>
#include <string>

#include "script/items.h"

namespace xs {

// Published: FolderID.
class TXUICustomGroupItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomGroupItem)
 public:
  int32_t FolderID = 0;
};

// Published: GroupName.
class TXUIGroupItem : public TXUICustomGroupItem {
  XS_DECLARE_CLASS(TXUIGroupItem)
 public:
  TXUIGroupItem() { FolderID = 2; }
  std::string GroupName;
};

class TXUIDelGroupItem : public TXUIGroupItem {
  XS_DECLARE_CLASS(TXUIDelGroupItem)
};

// A shortcut. Published: IconIndex, IsDesktop, LinkName, Description,
// FileName, Parameters, WorkingFolder.
class TXUIIconItem : public TXUICustomGroupItem {
  XS_DECLARE_CLASS(TXUIIconItem)
 public:
  TXUIIconItem() { FolderID = 2; }
  int32_t IconIndex = 0;
  bool IsDesktop = false;
  std::string LinkName;
  std::string Description;
  std::string FileName;
  std::string Parameters;
  std::string WorkingFolder;
};

// Published: LinkName.
class TXUIDelIconItem : public TXUICustomGroupItem {
  XS_DECLARE_CLASS(TXUIDelIconItem)
 public:
  TXUIDelIconItem() { FolderID = 2; }
  std::string LinkName;
};

}  // namespace xs
