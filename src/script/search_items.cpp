#include "script/search_items.h"

#include "script/path_macros.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomSearchVersionItem, TXUICustomItem,
    Prop("FileName", &TXUICustomSearchVersionItem::FileName),
    Prop("FromVersion", &TXUICustomSearchVersionItem::FromVersion),
    Prop("ToVersion", &TXUICustomSearchVersionItem::ToVersion),
    Prop("Find", &TXUICustomSearchVersionItem::Find),
    Prop("Options", &TXUICustomSearchVersionItem::Options))

void TXUICustomSearchVersionItem::ExpandMacros() { FileName = ExpandPathMacros(FileName); }

XS_DEFINE_CLASS(TXUIFolderSearchVersionItem, TXUICustomSearchVersionItem)

XS_DEFINE_CLASS(TXUIRegSearchVersionItem, TXUICustomSearchVersionItem,
    Prop("RootID", &TXUIRegSearchVersionItem::RootID),
    Prop("KeyName", &TXUIRegSearchVersionItem::KeyName),
    Prop("ValueName", &TXUIRegSearchVersionItem::ValueName))

void TXUIRegSearchVersionItem::ExpandMacros() {
  TXUICustomSearchVersionItem::ExpandMacros();
  KeyName = ExpandPathMacros(KeyName);
  ValueName = ExpandPathMacros(ValueName);
}

}  // namespace xs
