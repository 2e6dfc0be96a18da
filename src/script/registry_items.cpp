#include "script/registry_items.h"

#include "base/error.h"
#include "platform/registry.h"
#include "script/item_factory.h"
#include "script/path_macros.h"
#include "script/registry_actions.h"
#include "script/undo_plan.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomRegItem, TXUICustomItem,
    Prop("RootID", &TXUICustomRegItem::RootID),
    Prop("Options", &TXUICustomRegItem::Options),
    Prop("KeyName", &TXUICustomRegItem::KeyName))

void TXUICustomRegItem::ExpandMacros() { KeyName = ExpandPathMacros(KeyName); }

XS_DEFINE_CLASS(TXUIRegKeyItem, TXUICustomRegItem)

bool TXUIRegKeyItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  RootID = RegRootForRun(RootID);
  if (!WriteRegKey(RootID, KeyName)) return false;
  if (SaveUndo) undo = AsUndoRecord(*this, NewDelRegKeyItem(eoIgnore, RootID, Options, KeyName));
  return true;
}

void TXUIRegKeyItem::PlanUndo(TXUndoPlan& plan) const { PlanKey(*this, RegRootForRun(RootID), Options, KeyName, plan); }

XS_DEFINE_CLASS(TXUIDelRegKeyItem, TXUICustomRegItem)

bool TXUIDelRegKeyItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  return DeleteRegKey(RegRootForRun(RootID), KeyName);
}

XS_DEFINE_CLASS(TXUIDelEmptyRegKeyItem, TXUIDelRegKeyItem)

bool TXUIDelEmptyRegKeyItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  XError().Clear();
  TXRegistry registry(RegRootForRun(RootID));
  if (!registry.OpenKeyReadOnly(KeyName)) return true;
  std::vector<std::string> keys, values;
  if (!registry.GetKeyNames(keys) || !registry.GetValueNames(values)) return false;
  registry.CloseKey();
  return !keys.empty() || !values.empty() || registry.DeleteKey(KeyName);
}

XS_DEFINE_CLASS(TXUICustomRegValItem, TXUICustomRegItem,
    Prop("ValueName", &TXUICustomRegValItem::ValueName))

void TXUICustomRegValItem::ExpandMacros() {
  TXUICustomRegItem::ExpandMacros();
  ValueName = ExpandPathMacros(ValueName);
}

XS_DEFINE_CLASS(TXUIRegValItem, TXUICustomRegValItem,
    Prop("Value", &TXUIRegValItem::Value),
    Prop("ValueType", &TXUIRegValItem::ValueType))

void TXUIRegValItem::ExpandMacros() {
  TXUICustomRegValItem::ExpandMacros();
  Value = ExpandPathMacros(Value);
}

bool TXUIRegValItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  RootID = RegRootForRun(RootID);
  if (!WriteRegValue(Options, RootID, KeyName, ValueType, Value, ValueName)) return false;
  if (SaveUndo)
    undo = AsUndoRecord(*this, NewDelRegValItem(eoIgnore, RootID, optrNone, KeyName, ValueName));
  return true;
}

void TXUIRegValItem::PlanUndo(TXUndoPlan& plan) const {
  PlanValue(*this, RegRootForRun(RootID), KeyName, ValueName, plan);
}

XS_DEFINE_CLASS(TXUIDelRegValItem, TXUICustomRegValItem)

bool TXUIDelRegValItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  return DeleteRegValue(RegRootForRun(RootID), KeyName, ValueName);
}

}  // namespace xs
