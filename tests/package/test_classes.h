// Small classes with one published property of every kind, for the object
// text tests and the object text fuzzer.
#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "package/persistent_collection.h"
#include "package/stream_object.h"

namespace xs::testing_classes {

XS_ENUM(TTestMode, uint8_t, tmNone, tmFirst, tmSecond)
XS_ENUM(TTestFlag, uint8_t, tfRed, tfGreen, tfBlue)
using TTestFlags = std::bitset<16>;

// A sub-object with a nested image.
class TTestChild : public TXPersistent {
  XS_DECLARE_CLASS(TTestChild)
 public:
  int32_t Width = 0;
  std::string Caption;
  TXSizeStreamObject Image;
};

class TTestItem : public TXCollectionItem {
  XS_DECLARE_CLASS(TTestItem)
 public:
  int32_t Value = 0;
  TTestMode Mode = tmNone;
  TXStringCollection Pairs;
  bool AssignFrom(const TPersistent& source) override;
};

class TTestCollection : public TXCollection {
 public:
  TTestCollection() : TXCollection(TTestItem::StaticClass()) {}
  TTestItem* GetItem(int i) const { return Item<TTestItem>(i); }
};

// Published after LgID: Small, Medium, Number, Unsigned, Big, Enabled,
// Visible (default True), Mode, Flags, Ratio, Color, Text, Child, Items,
// Lines, Data.
class TTestObject : public TXObject {
  XS_DECLARE_CLASS(TTestObject)
 public:
  TTestObject() : Child(std::make_unique<TTestChild>()) {}
  uint8_t Small = 0;
  int16_t Medium = 0;
  int32_t Number = 0;
  uint32_t Unsigned = 0;
  int64_t Big = 0;
  bool Enabled = false;
  bool Visible = true;
  TTestMode Mode = tmNone;
  TTestFlags Flags;
  double Ratio = 0;
  TColor Color = clBlack;
  std::string Text;
  std::unique_ptr<TTestChild> Child;
  TTestCollection Items;
  TStringList Lines;
  TXStreamObject Data;
};

// A subclass that forgot to declare itself.
class TUndeclaredObject : public TTestObject {};

// Makes the test classes (and TXStreamObject) findable by name, and forgets
// them again.
void RegisterTestClasses();
void UnregisterTestClasses();

// The object text of object (as a TXObjectComponent's Obj); empty when
// writing fails.
std::string TextOf(TPersistent& object);
// A new object read from text; nullptr when reading fails.
std::unique_ptr<TPersistent> ObjectOf(const std::string& text);

// The lines, each ended by CR LF.
std::string Lines(std::initializer_list<std::string> lines);
// n bytes of a fixed pattern that compresses well: byte i is i * 37 + 11.
std::vector<uint8_t> Pattern(size_t n);
// The stream object's bytes := bytes, in memory.
void SetBytes(TXStreamObject& data, std::vector<uint8_t> bytes);

}  // namespace xs::testing_classes
