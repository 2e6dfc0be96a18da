#include "script/search_items.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomSearchVersionItem, TXUICustomItem,
    Prop("FileName", &TXUICustomSearchVersionItem::FileName),
    Prop("FromVersion", &TXUICustomSearchVersionItem::FromVersion),
    Prop("ToVersion", &TXUICustomSearchVersionItem::ToVersion),
    Prop("Find", &TXUICustomSearchVersionItem::Find),
    Prop("Options", &TXUICustomSearchVersionItem::Options))

XS_DEFINE_CLASS(TXUIFolderSearchVersionItem, TXUICustomSearchVersionItem)

XS_DEFINE_CLASS(TXUIRegSearchVersionItem, TXUICustomSearchVersionItem,
    Prop("RootID", &TXUIRegSearchVersionItem::RootID),
    Prop("KeyName", &TXUIRegSearchVersionItem::KeyName),
    Prop("ValueName", &TXUIRegSearchVersionItem::ValueName))

}  // namespace xs
