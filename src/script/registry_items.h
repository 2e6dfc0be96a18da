// Registry keys and values.
#pragma once

#include <string>

#include "script/items.h"

namespace xs {

// Published: RootID, Options, KeyName.
class TXUICustomRegItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomRegItem)
 public:
  THKey RootID = 0;
  TXUIRegOptions Options = optrNone;
  std::string KeyName;

  void ExpandMacros() override;
  std::string GetDisplayText() const override { return KeyName; }
};

// Every registry item acts on RegRootForRun(RootID) (registry_actions.h):
// without administrative rights HKEY_CURRENT_USER takes the place of
// HKEY_LOCAL_MACHINE. The two writing items also keep that root in RootID,
// so their undo records name the root that was written. Failures record
// nothing on the error object.

class TXUIRegKeyItem : public TXUICustomRegItem {
  XS_DECLARE_CLASS(TXUIRegKeyItem)
 public:
  TXUIRegKeyItem() { RootID = hkey::CurrentUser; }
  // WriteRegKey. On success returns true; with SaveUndo the record is a
  // TXUIDelRegKeyItem with RootID, KeyName and Options.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanKey below the run's root.
  void PlanUndo(TXUndoPlan& plan) const override;
};

class TXUIDelRegKeyItem : public TXUICustomRegItem {
  XS_DECLARE_CLASS(TXUIDelRegKeyItem)
 public:
  TXUIDelRegKeyItem() { RootID = hkey::CurrentUser; }
  // DeleteRegKey; no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// The record of a key an item made on the way to its own: removed while it
// holds neither subkeys nor values. One that holds some, or is gone, is
// left as it is, which is a success (as TXUIDelEmptyFolderItem).
class TXUIDelEmptyRegKeyItem : public TXUIDelRegKeyItem {
  XS_DECLARE_CLASS(TXUIDelEmptyRegKeyItem)
 public:
  // True when the key is gone now or holds entries; false when an empty key
  // could not be removed.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// Published: ValueName.
class TXUICustomRegValItem : public TXUICustomRegItem {
  XS_DECLARE_CLASS(TXUICustomRegValItem)
 public:
  std::string ValueName;

  void ExpandMacros() override;
};

// Published: Value, ValueType.
class TXUIRegValItem : public TXUICustomRegValItem {
  XS_DECLARE_CLASS(TXUIRegValItem)
 public:
  TXUIRegValItem() { RootID = hkey::CurrentUser; }
  std::string Value;
  TXUIRegValues ValueType = optrBoolean;

  // Also expands Value.
  void ExpandMacros() override;
  // WriteRegValue with Options. On success returns true; with SaveUndo the
  // record is a TXUIDelRegValItem with RootID, KeyName, ValueName and
  // optrNone.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanValue below the run's root.
  void PlanUndo(TXUndoPlan& plan) const override;
};

class TXUIDelRegValItem : public TXUICustomRegValItem {
  XS_DECLARE_CLASS(TXUIDelRegValItem)
 public:
  TXUIDelRegValItem() { RootID = hkey::CurrentUser; }
  // DeleteRegValue: true also when the key is missing; no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

}  // namespace xs
