#include "script/shell_items.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomGroupItem, TXUICustomItem,
    Prop("FolderID", &TXUICustomGroupItem::FolderID))

XS_DEFINE_CLASS(TXUIGroupItem, TXUICustomGroupItem,
    Prop("GroupName", &TXUIGroupItem::GroupName))

XS_DEFINE_CLASS(TXUIDelGroupItem, TXUIGroupItem)

XS_DEFINE_CLASS(TXUIIconItem, TXUICustomGroupItem,
    Prop("IconIndex", &TXUIIconItem::IconIndex),
    Prop("IsDesktop", &TXUIIconItem::IsDesktop),
    Prop("LinkName", &TXUIIconItem::LinkName),
    Prop("Description", &TXUIIconItem::Description),
    Prop("FileName", &TXUIIconItem::FileName),
    Prop("Parameters", &TXUIIconItem::Parameters),
    Prop("WorkingFolder", &TXUIIconItem::WorkingFolder))

XS_DEFINE_CLASS(TXUIDelIconItem, TXUICustomGroupItem,
    Prop("LinkName", &TXUIDelIconItem::LinkName))

}  // namespace xs
