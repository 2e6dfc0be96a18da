#include "test_classes.h"

#include "base/stream.h"
#include "package/class_registry.h"
#include "package/object_component.h"

namespace xs::testing_classes {

XS_DEFINE_CLASS(TTestChild, TXPersistent,
    Prop("Width", &TTestChild::Width),
    Prop("Caption", &TTestChild::Caption),
    Prop("Image", &TTestChild::Image))

XS_DEFINE_CLASS(TTestItem, TXCollectionItem,
    Prop("Value", &TTestItem::Value),
    Prop("Mode", &TTestItem::Mode),
    Prop("Pairs", &TTestItem::Pairs))

bool TTestItem::AssignFrom(const TPersistent& source) {
  if (!TXCollectionItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TTestItem*>(&source)) {
    Value = other->Value;
    Mode = other->Mode;
    Pairs.Assign(other->Pairs);
  }
  return true;
}

XS_DEFINE_CLASS(TTestObject, TXObject,
    Prop("Small", &TTestObject::Small),
    Prop("Medium", &TTestObject::Medium),
    Prop("Number", &TTestObject::Number),
    Prop("Unsigned", &TTestObject::Unsigned),
    Prop("Big", &TTestObject::Big),
    Prop("Enabled", &TTestObject::Enabled),
    Prop("Visible", &TTestObject::Visible).Default(true),
    Prop("Mode", &TTestObject::Mode),
    Prop<TTestFlag>("Flags", &TTestObject::Flags),
    Prop("Ratio", &TTestObject::Ratio),
    Prop("Color", &TTestObject::Color),
    Prop("Text", &TTestObject::Text),
    Prop("Child", &TTestObject::Child),
    Prop("Items", &TTestObject::Items),
    Prop("Lines", &TTestObject::Lines),
    Prop("Data", &TTestObject::Data))

void RegisterTestClasses() {
  RegisterObjectClasses({&TTestObject::StaticClass(), &TTestChild::StaticClass(),
                         &TTestItem::StaticClass(), &TXStreamObject::StaticClass()});
}

void UnregisterTestClasses() {
  UnregisterObjectClasses({&TTestObject::StaticClass(), &TTestChild::StaticClass(),
                           &TTestItem::StaticClass(), &TXStreamObject::StaticClass()});
}

std::string TextOf(TPersistent& object) {
  TMemoryStream stream;
  if (!WriteObjectToStream(object, stream, true, false, nullptr)) return {};
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

std::unique_ptr<TPersistent> ObjectOf(const std::string& text) {
  TMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
  return ReadObjectFromStream(stream, nullptr, false);
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<uint8_t> Pattern(size_t n) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  return bytes;
}

void SetBytes(TXStreamObject& data, std::vector<uint8_t> bytes) {
  TMemoryStream source(std::move(bytes));
  data.ReadFrom(source);
}

}  // namespace xs::testing_classes
