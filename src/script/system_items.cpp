#include "script/system_items.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomXIniItem, TXUICustomItem,
    Prop("FileName", &TXUICustomXIniItem::FileName),
    Prop("ObjectName", &TXUICustomXIniItem::ObjectName),
    Prop("ObjectClass", &TXUICustomXIniItem::ObjectClass),
    Prop("ValueName", &TXUICustomXIniItem::ValueName))

XS_DEFINE_CLASS(TXUIXIniItem, TXUICustomXIniItem,
    Prop("Value", &TXUIXIniItem::Value),
    Prop("Options", &TXUIXIniItem::Options))

XS_DEFINE_CLASS(TXUIDelXIniItem, TXUICustomXIniItem)

XS_DEFINE_CLASS(TXUISysParametersItem, TXUICustomItem,
    Prop("Options", &TXUISysParametersItem::Options),
    Prop("Action", &TXUISysParametersItem::Action),
    Prop("uiParam", &TXUISysParametersItem::uiParam))

XS_DEFINE_CLASS(TXUISysProfilesItem, TXUICustomItem,
    Prop("ProfileType", &TXUISysProfilesItem::ProfileType),
    Prop("SectionName", &TXUISysProfilesItem::SectionName),
    Prop("KeyName", &TXUISysProfilesItem::KeyName),
    Prop("Value", &TXUISysProfilesItem::Value),
    Prop("FileName", &TXUISysProfilesItem::FileName))

XS_DEFINE_CLASS(TXUIMessageItem, TXUICustomItem,
    Prop("WndClass", &TXUIMessageItem::WndClass),
    Prop("WndTitle", &TXUIMessageItem::WndTitle),
    Prop("MsgName", &TXUIMessageItem::MsgName),
    Prop("WndMsg", &TXUIMessageItem::WndMsg),
    Prop("Timeout", &TXUIMessageItem::Timeout),
    Prop("wParam", &TXUIMessageItem::wParam),
    Prop("lParam", &TXUIMessageItem::lParam),
    Prop("Options", &TXUIMessageItem::Options),
    Prop("Broadcast", &TXUIMessageItem::Broadcast))

}  // namespace xs
