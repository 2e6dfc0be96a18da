// TXObjectComponent, the free read and write functions, the class registry
// and the text hooks.
#include "package/object_component.h"

#include <gtest/gtest.h>

#include "object_text_fixture.h"
#include "package/class_registry.h"

namespace xs::testing_classes {
namespace {

TMemoryStream StreamOf(const std::string& text) {
  return TMemoryStream(std::vector<uint8_t>(text.begin(), text.end()));
}

// A stream that fails every write.
class BrokenStream : public TMemoryStream {
 public:
  int64_t Write(const void*, int64_t) override { throw EStreamError("disk full"); }
};

using ObjectComponentTest = ObjectTextFixture;

TEST_F(ObjectComponentTest, SettingObjOrItsClassKeepsNameClassAndObjectInStep) {
  TXObjectComponent root;
  TTestObject o;
  root.SetObj(&o);
  EXPECT_EQ(root.ObjClassName(), "TTestObject");
  EXPECT_EQ(root.ObjClass(), &TTestObject::StaticClass());
  root.SetObjClassName("TTestObject");  // same name: Obj stays
  EXPECT_EQ(root.Obj(), &o);
  root.SetObjClassName("ttestitem");
  EXPECT_EQ(root.Obj(), nullptr);
  EXPECT_EQ(root.ObjClass(), &TTestItem::StaticClass());
  root.SetObjClassName("TNotRegistered");
  EXPECT_EQ(root.ObjClass(), nullptr);
  root.SetObjClass(&TTestChild::StaticClass());
  EXPECT_EQ(root.ObjClassName(), "TTestChild");
  root.SetObj(nullptr);
  EXPECT_EQ(root.ObjClassName(), "");
  EXPECT_EQ(root.ObjClass(), nullptr);
}

TEST_F(ObjectComponentTest, ReadingCreatesTheNamedClassAndHandsItOver) {
  TTestObject o;
  o.Number = 12;
  TMemoryStream text;
  ASSERT_TRUE(WriteObjectToStream(o, text, true, false, nullptr));
  XError().SetError(99);
  std::unique_ptr<TPersistent> read = ReadObjectFromStream(text, nullptr, false);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(XError().GetCode(), 0);
  ASSERT_EQ(&read->ClassType(), &TTestObject::StaticClass());
  EXPECT_EQ(static_cast<TTestObject&>(*read).Number, 12);
}

TEST_F(ObjectComponentTest, ObjClassNameIsTakenFromTheFirstLineThatNamesIt) {
  EXPECT_EQ(ObjClassNameOfText("object X\r\n  ObjClassName =   'TA'  \r\n  ObjClassName = 'TB'\r\n"), "TA");
  EXPECT_EQ(ObjClassNameOfText("object X\r\n  ObjClassName = 'It''s'\r\n"), "It's");
  EXPECT_EQ(ObjClassNameOfText("object X\r\nend\r\n"), "");
  EXPECT_EQ(ObjClassNameOfText("<x><p name=\"ObjClassName\">TTestObject</p></x>"), "TTestObject");
  EXPECT_EQ(ObjClassNameOfText("<x><p name=\"ObjClassName\">TTestObject"), "");
}

TEST_F(ObjectComponentTest, ReadAsUsesTheCallersClassAndAcceptsAnEmptyText) {
  TXObjectComponent root;
  TMemoryStream empty;
  ASSERT_TRUE(root.ReadAs(empty, TTestChild::StaticClass(), false));
  ASSERT_NE(dynamic_cast<TTestChild*>(root.Obj()), nullptr);

  // The text names another class; the caller's class wins.
  TMemoryStream text = StreamOf(
      "object TXObjectComponent\r\n  ObjClassName = 'TTestObject'\r\n  Obj.Width = 8\r\nend\r\n");
  ASSERT_TRUE(root.ReadAs(text, TTestChild::StaticClass(), false));
  EXPECT_EQ(static_cast<TTestChild*>(root.Obj())->Width, 8);

  TTestChild supplied;
  supplied.Width = 3;
  TXObjectComponent preset;
  preset.SetObj(&supplied);
  preset.PreSet = true;
  ASSERT_TRUE(preset.ReadAs(empty, TTestChild::StaticClass(), false));
  EXPECT_EQ(preset.Obj(), &supplied);
  EXPECT_EQ(supplied.Width, 3);
}

TEST_F(ObjectComponentTest, ReadCollectionItemKeepsGoodItemsAndDropsFailedOnes) {
  TTestCollection items;
  TTestItem source;
  source.Name = "first";
  source.Value = 4;
  TMemoryStream text;
  ASSERT_TRUE(WriteObjectToStream(source, text, true, false, nullptr));
  TXObjectComponent root;
  ASSERT_TRUE(root.ReadCollectionItem(items, text, false));
  ASSERT_EQ(items.Count(), 1);
  EXPECT_EQ(items.GetItem(0)->Name, "first");
  EXPECT_EQ(items.GetItem(0)->Value, 4);
  EXPECT_FALSE(root.PreSet);

  TMemoryStream bad = StreamOf("object TXObjectComponent\r\n  Obj.Value = \r\nend\r\n");
  EXPECT_FALSE(root.ReadCollectionItem(items, bad, false));
  EXPECT_EQ(XError().GetCode(), errLoad);
  EXPECT_EQ(items.Count(), 1);
  EXPECT_THROW(root.ReadCollectionItem(items, bad, true), EXError);
  EXPECT_EQ(items.Count(), 1);

  TMemoryStream empty;
  ASSERT_TRUE(root.ReadCollectionItem(items, empty, false));
  EXPECT_EQ(items.Count(), 2);
}

TEST_F(ObjectComponentTest, WhileReadingObjClassNameCannotBeChanged) {
  TTestObject o;
  TXObjectComponent root;
  root.SetObj(&o);
  root.PreSet = true;
  ASSERT_TRUE(root.ReadFromText(
      "object TXObjectComponent\r\n  ObjClassName = 'TTestChild'\r\n  Obj.Number = 2\r\nend\r\n", false));
  EXPECT_EQ(root.Obj(), &o);
  EXPECT_EQ(root.ObjClassName(), "TTestObject");
  EXPECT_EQ(o.Number, 2);
  EXPECT_FALSE(root.Reading());
}

TEST_F(ObjectComponentTest, AssignFromStreamFillsAnExistingObject) {
  TTestItem source;
  source.Name = "n";
  source.Value = 9;
  TMemoryStream text;
  ASSERT_TRUE(WriteObjectToStream(source, text, true, false, nullptr));
  TTestItem target;
  target.Idx = 5;
  ASSERT_TRUE(AssignFromStream(target, text, nullptr, false));
  EXPECT_EQ(target.Name, "n");
  EXPECT_EQ(target.Value, 9);
  EXPECT_EQ(target.Idx, -1);  // copied from the freshly read object

  TMemoryStream bad = StreamOf("object TXObjectComponent\r\nend\r\n");
  EXPECT_FALSE(AssignFromStream(target, bad, nullptr, false));
  EXPECT_EQ(XError().GetCode(), errLoad);
}

TEST_F(ObjectComponentTest, WriteFailuresRecordTheSaveError) {
  TTestObject o;
  BrokenStream broken;
  EXPECT_FALSE(WriteObjectToStream(o, broken, true, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errSave);
  EXPECT_THROW(WriteObjectToStream(o, broken, true, true, nullptr), EXError);

  // An object whose class did not declare itself would read back as its
  // base class.
  TUndeclaredObject undeclared;
  TMemoryStream text;
  EXPECT_FALSE(WriteObjectToStream(undeclared, text, true, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errSave);

  TMemoryStream good;
  XError().SetError(99);
  EXPECT_TRUE(WriteObjectToStream(o, good, true, false, nullptr));
  EXPECT_EQ(XError().GetCode(), 0);
}

TEST_F(ObjectComponentTest, TextsNotBeginningWithOGoThroughTheHooks) {
  TXObjectTextHooks saved = ObjectTextHooks();
  std::string seen;
  ObjectTextHooks().Read = [&seen](const std::string& text, TPersistent& root) {
    seen = text;
    auto& component = static_cast<TXObjectComponent&>(root);
    static_cast<TTestObject*>(component.Obj())->Number = 77;
  };
  ObjectTextHooks().Write = [](TPersistent&) { return std::string("<p name=\"ObjClassName\">TTestObject</p>"); };

  TTestObject o;
  TMemoryStream text;
  ASSERT_TRUE(WriteObjectToStream(o, text, false, false, nullptr));
  std::unique_ptr<TPersistent> read = ReadObjectFromStream(text, nullptr, false);
  ObjectTextHooks() = saved;

  ASSERT_NE(read, nullptr);
  EXPECT_EQ(seen, "<p name=\"ObjClassName\">TTestObject</p>");
  EXPECT_EQ(static_cast<TTestObject&>(*read).Number, 77);
}

TEST_F(ObjectComponentTest, RegistryFindsNamesWithoutRegardToCase) {
  EXPECT_EQ(FindObjectClass("TTESTOBJECT"), &TTestObject::StaticClass());
  EXPECT_EQ(FindObjectClass(""), nullptr);
  UnregisterObjectClasses({&TTestObject::StaticClass()});
  EXPECT_EQ(FindObjectClass("TTestObject"), nullptr);
  RegisterObjectClasses({&TTestObject::StaticClass()});
  EXPECT_EQ(FindObjectClass("TTestObject"), &TTestObject::StaticClass());
}

}  // namespace
}  // namespace xs::testing_classes
