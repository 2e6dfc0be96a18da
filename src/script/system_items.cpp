#include "script/system_items.h"

#include "base/error.h"
#include "platform/system_params.h"
#include "platform/util_window.h"
#include "script/path_macros.h"
#include "script/system_actions.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomXIniItem, TXUICustomItem,
    Prop("FileName", &TXUICustomXIniItem::FileName),
    Prop("ObjectName", &TXUICustomXIniItem::ObjectName),
    Prop("ObjectClass", &TXUICustomXIniItem::ObjectClass),
    Prop("ValueName", &TXUICustomXIniItem::ValueName))

void TXUICustomXIniItem::ExpandMacros() {
  FileName = ExpandPathMacros(FileName);
  ValueName = ExpandPathMacros(ValueName);
}

XS_DEFINE_CLASS(TXUIXIniItem, TXUICustomXIniItem,
    Prop("Value", &TXUIXIniItem::Value),
    Prop("Options", &TXUIXIniItem::Options))

void TXUIXIniItem::ExpandMacros() {
  TXUICustomXIniItem::ExpandMacros();
  Value = ExpandPathMacros(Value);
}

bool TXUIXIniItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  return false;
}

XS_DEFINE_CLASS(TXUIDelXIniItem, TXUICustomXIniItem)

XS_DEFINE_CLASS(TXUISysParametersItem, TXUICustomItem,
    Prop("Options", &TXUISysParametersItem::Options),
    Prop("Action", &TXUISysParametersItem::Action),
    Prop("uiParam", &TXUISysParametersItem::uiParam))

bool TXUISysParametersItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  uint32_t flags = 0;
  if (Options == optsUpdateIniFile) flags = spifUpdateIniFile;
  if (Options == optsSendChange) flags = spifSendChange;
  ChangeSystemParameter(Action, uiParam, flags);
  return true;
}

XS_DEFINE_CLASS(TXUISysProfilesItem, TXUICustomItem,
    Prop("ProfileType", &TXUISysProfilesItem::ProfileType),
    Prop("SectionName", &TXUISysProfilesItem::SectionName),
    Prop("KeyName", &TXUISysProfilesItem::KeyName),
    Prop("Value", &TXUISysProfilesItem::Value),
    Prop("FileName", &TXUISysProfilesItem::FileName))

void TXUISysProfilesItem::ExpandMacros() {
  SectionName = ExpandPathMacros(SectionName);
  KeyName = ExpandPathMacros(KeyName);
  Value = ExpandPathMacros(Value);
  FileName = ExpandPathMacros(FileName);
}

bool TXUISysProfilesItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  return WriteProfile(ProfileType, SectionName, KeyName, FileName, Value);
}

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

uint32_t TXUIMessageItem::MessageNumber() const {
  return MsgName.empty() ? WndMsg : RegisterWindowMessageName(MsgName);
}

bool TXUIMessageItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  return SendToWindows(WndClass, WndTitle, MessageNumber(), Options, Timeout, wParam, lParam,
                       Broadcast);
}

}  // namespace xs
