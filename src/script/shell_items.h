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

  void ExpandMacros() override;
  // Makes the group's folder (GroupFolder) with its missing parents. On
  // success returns true, also when the folder was there; with SaveUndo the
  // record is a TXUIDelFolderItem for the folder. On failure records error
  // 20 (unless a code is set) with the folder and returns false.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  std::string GetDisplayText() const override { return GroupName; }
  // PlanFolder with GroupFolder.
  void PlanUndo(TXUndoPlan& plan) const override;
  // The special folder FolderID followed by GroupName; empty when the
  // system knows no such special folder.
  std::string GroupFolder() const;
};

class TXUIDelGroupItem : public TXUIGroupItem {
  XS_DECLARE_CLASS(TXUIDelGroupItem)
 public:
  // Removes the group's folder when it is empty. Returns true when it was
  // removed or was not there; false, silently, when it holds entries or
  // cannot be removed. Hands back no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // Nothing: it makes no folder.
  void PlanUndo(TXUndoPlan&) const override {}
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
  std::string FileName;       // the link's target
  std::string Parameters;
  std::string WorkingFolder;

  // Expands LinkName, FileName, Parameters and WorkingFolder; the
  // description is text for people and keeps its angle brackets.
  void ExpandMacros() override;
  // A desktop shortcut the user did not ask for (IsDesktop set, the run's
  // CreateDesktopShortcut not) is skipped: true, no record. Otherwise writes
  // the link LinkName in the special folder FolderID to FileName with
  // Parameters, WorkingFolder, Description and icon IconIndex of the target
  // (CreateShortcut). On success returns true; with SaveUndo the record is
  // a TXUIDelFileItem for the link. On failure records error 23 (unless a
  // code is set) with the link's path and returns false.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanWrittenFile with the link file, unless the shortcut is a desktop
  // one the run does not make.
  void PlanUndo(TXUndoPlan& plan) const override;
  std::string GetDisplayText() const override { return LinkName; }
};

// Published: LinkName.
class TXUIDelIconItem : public TXUICustomGroupItem {
  XS_DECLARE_CLASS(TXUIDelIconItem)
 public:
  TXUIDelIconItem() { FolderID = 2; }
  std::string LinkName;

  void ExpandMacros() override;
  // Deletes the link LinkName in the special folder FolderID. Returns true
  // when it was deleted or was not there; false, silently, when it cannot be
  // deleted. Hands back no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  std::string GetDisplayText() const override { return LinkName; }
};

}  // namespace xs
