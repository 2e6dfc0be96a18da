// Copying, clearing and change reports of the persistent base classes, and
// the class tables they are described by.
#include <gtest/gtest.h>

#include "package/persistent_list.h"
#include "test_classes.h"

namespace xs::testing_classes {
namespace {

TEST(PersistentTest, TXObjectCopiesItsCommonFields) {
  TTestObject source;
  source.SetLgID(7);
  source.Name = "name";
  source.SetStoreData(false);
  source.HeaderIndex = 4;
  source.Number = 12;
  TXObject target;
  target.Assign(source);
  EXPECT_EQ(target.LgID(), 7);
  EXPECT_EQ(target.Name, "name");
  EXPECT_FALSE(target.StoreData());
  EXPECT_EQ(target.HeaderIndex, 4);

  // A class that copies nothing of an unrelated source leaves itself as it was.
  TTestChild unrelated;
  unrelated.Width = 9;
  target.Assign(unrelated);
  EXPECT_EQ(target.LgID(), 7);

  // The framework base refuses what nothing knows how to copy.
  TStringList lines;
  EXPECT_THROW(lines.Assign(target), EConvertError);
}

TEST(PersistentTest, TXLgObjectStartsAndClearsToLanguage9) {
  TXLgObject o;
  EXPECT_EQ(o.LgID(), 9);
  o.SetLgID(7);
  o.Clear();
  EXPECT_EQ(o.LgID(), 9);
}

TEST(PersistentTest, AChangeableObjectReportsOnceWhenAChangeEnds) {
  TXStreamObject o;
  int changes = 0;
  o.OnChange = [&changes](TObject*) { ++changes; };
  o.BeginChange();
  o.Changed();
  EXPECT_EQ(changes, 0);
  o.EndChange();
  EXPECT_EQ(changes, 1);
  o.EndChange();  // never below 0
  EXPECT_EQ(changes, 2);
  o.BeginChange();
  o.EndChange();
  EXPECT_EQ(changes, 3);

  TXStreamObject source;
  source.FileName = "a.txt";
  o.Assign(source);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(o.FileName, "a.txt");
}

TEST(PersistentTest, CollectionsCopyTheirItemsAndFindNames) {
  TTestCollection source;
  for (const char* name : {"Alpha", "Beta"}) {
    auto* item = static_cast<TTestItem*>(source.Add());
    item->Name = name;
    item->LgID = 3;
    item->XFilter = "*.txt";
    item->Idx = 6;
    item->SetStoreData(false);
    item->Value = 1;
  }
  source.ListObj().SetLgID(5);
  TTestCollection copy;
  copy.Add();
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.GetItem(1)->Name, "Beta");
  EXPECT_EQ(copy.GetItem(1)->LgID, 3);
  EXPECT_EQ(copy.GetItem(1)->XFilter, "*.txt");
  EXPECT_EQ(copy.GetItem(1)->Idx, 6);
  EXPECT_FALSE(copy.GetItem(1)->StoreData());
  EXPECT_EQ(copy.GetItem(1)->Value, 1);
  EXPECT_EQ(copy.ListObj().LgID(), 5);
  EXPECT_EQ(copy.IndexOfName("BETA"), 1);
  EXPECT_EQ(copy.IndexOfName("Gamma"), -1);

  copy.Delete(0);
  EXPECT_EQ(copy.GetItem(0)->Index(), 0);
  delete copy.GetItem(0);
  EXPECT_EQ(copy.Count(), 0);
}

TEST(PersistentTest, ObjectListCopiesPersistentElementsThroughTheirVirtualConstructors) {
  TXObjectList source;
  auto* first = new TTestObject;
  first->SetLgID(5);
  source.Add(first);
  source.Add(new TObjectList);  // not persistent: passed over
  TXObjectList copy;
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 1);
  auto* element = dynamic_cast<TTestObject*>(copy.Items(0));
  ASSERT_NE(element, nullptr);
  EXPECT_NE(element, first);
  EXPECT_EQ(element->LgID(), 5);
  copy.Assign(copy);
  EXPECT_EQ(copy.Count(), 2);
}

TEST(PersistentTest, ClassTablesListBaseClassPropertiesFirst) {
  const TClass& cls = TTestItem::StaticClass();
  std::vector<std::string> names;
  for (const TPropInfo* p : cls.Properties()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"name", "LgID", "Value", "Mode", "Pairs"}));
  EXPECT_EQ(cls.FindProperty("NAME"), cls.Properties()[0]);
  EXPECT_TRUE(cls.InheritsFrom(TXCollectionItem::StaticClass()));
  EXPECT_FALSE(TXCollectionItem::StaticClass().InheritsFrom(cls));
  EXPECT_TRUE(cls.CanCreate());
  EXPECT_FALSE(TCollection::StaticClass().CanCreate());
  EXPECT_EQ(TCollection::StaticClass().Create(), nullptr);
  TTestItem item;
  EXPECT_EQ(item.ClassName(), "TTestItem");
  EXPECT_TRUE(cls.IsClassOf(item));
  TUndeclaredObject undeclared;
  EXPECT_FALSE(TTestObject::StaticClass().IsClassOf(undeclared));
}

}  // namespace
}  // namespace xs::testing_classes
