#include "script/registry_items.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomRegItem, TXUICustomItem,
    Prop("RootID", &TXUICustomRegItem::RootID),
    Prop("Options", &TXUICustomRegItem::Options),
    Prop("KeyName", &TXUICustomRegItem::KeyName))

XS_DEFINE_CLASS(TXUIRegKeyItem, TXUICustomRegItem)

XS_DEFINE_CLASS(TXUIDelRegKeyItem, TXUICustomRegItem)

XS_DEFINE_CLASS(TXUICustomRegValItem, TXUICustomRegItem,
    Prop("ValueName", &TXUICustomRegValItem::ValueName))

XS_DEFINE_CLASS(TXUIRegValItem, TXUICustomRegValItem,
    Prop("Value", &TXUIRegValItem::Value),
    Prop("ValueType", &TXUIRegValItem::ValueType))

XS_DEFINE_CLASS(TXUIDelRegValItem, TXUICustomRegValItem)

}  // namespace xs
