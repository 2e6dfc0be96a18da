#include "script/items.h"

#include "base/error.h"
#include "script/property_copy.h"

namespace xs {

XS_DEFINE_CLASS(TXUICustomItem, TXObject,
    Prop("LogIdx", &TXUICustomItem::LogIdx),
    Prop("ErrorOptions", &TXUICustomItem::ErrorOptions),
    Prop("Section", &TXUICustomItem::Section),
    Prop("Component", &TXUICustomItem::Component),
    Prop("IsUndo", &TXUICustomItem::IsUndo),
    Prop("SaveUndo", &TXUICustomItem::SaveUndo),
    Prop<TXUICondition>("Condition", &TXUICustomItem::Condition),
    Prop("UpgFromVer", &TXUICustomItem::UpgFromVer),
    Prop("UpgToVer", &TXUICustomItem::UpgToVer))

bool TXUICustomItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  return true;
}

bool TXUICustomItem::AssignFrom(const TPersistent& source) {
  if (!TXObject::AssignFrom(source)) return false;
  CopySharedProperties(*this, source);
  return true;
}

XS_DEFINE_CLASS(TXUITextItem, TXUICustomItem,
    Prop("Text", &TXUITextItem::Text),
    Prop("TextName", &TXUITextItem::TextName))

XS_DEFINE_CLASS(TXUIComponentItem, TXUICustomItem,
    Prop("Title", &TXUIComponentItem::Title),
    Prop("Description", &TXUIComponentItem::Description),
    Prop("Required", &TXUIComponentItem::Required),
    Prop("AppIdx", &TXUIComponentItem::AppIdx),
    Prop("Idx", &TXUIComponentItem::Idx))

}  // namespace xs
