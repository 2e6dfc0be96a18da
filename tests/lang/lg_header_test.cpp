#include "lang/lg_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/language.h"
#include "package/class_registry.h"
#include "package/object_component.h"

namespace xs {
namespace {

TXLgHeader* Header(int id, const char* name) {
  auto* h = new TXLgHeader;
  h->SetLgID(id);
  h->LgName = name;
  return h;
}

std::vector<std::string> Names(const TXLgHeaderList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.GetItem(i)->LgName);
  return names;
}

struct PreferredGuard {
  int saved = PreferredLgID();
  ~PreferredGuard() { SetPreferredLgID(saved); }
};

TEST(LgHeaderList, SortsThePreferredLanguageFirstThenByName) {
  PreferredGuard guard;
  TXLgHeaderList list(true);
  list.Add(Header(7, "German"));
  list.Add(Header(9, "English"));
  list.Add(Header(12, "french"));
  SetPreferredLgID(9);
  list.Sort();
  EXPECT_EQ(Names(list), (std::vector<std::string>{"English", "french", "German"}));
  SetPreferredLgID(12);
  list.Sort();
  EXPECT_EQ(Names(list), (std::vector<std::string>{"french", "English", "German"}));
  EXPECT_EQ(list.IndexOfLgID(7), 2);
  EXPECT_EQ(list.IndexOfLgID(3), -1);
}

TEST(LgHeaderList, FindsTheFirstPackWithAStream) {
  TXLgHeaderList list(true);
  list.Add(Header(7, "German"));
  EXPECT_EQ(list.IndexOfFirstWithStream(), -1);
  TMemoryStream pack;
  list.Add(Header(9, "English"));
  list.GetItem(1)->Source = &pack;
  EXPECT_EQ(list.IndexOfFirstWithStream(), 1);
}

TEST(LgHeader, ObjectTextCarriesThePublishedHeader) {
  RegisterObjectClasses({&TXLgHeader::StaticClass()});
  TXLgHeader h;
  h.SetLgID(9);
  h.LgName = "English";
  h.AppID = 111;
  h.AppVer = 400;
  h.Author = "XSetup";
  h.FileName = "not published";
  TMemoryStream text;
  ASSERT_TRUE(WriteObjectToStream(h, text, true, false, nullptr));
  std::string s(text.Bytes().begin(), text.Bytes().end());
  EXPECT_NE(s.find("Obj.LgID = 9"), std::string::npos) << s;
  EXPECT_NE(s.find("Obj.Name = 'English'"), std::string::npos) << s;
  EXPECT_NE(s.find("Obj.AppVer = 400"), std::string::npos) << s;
  EXPECT_EQ(s.find("not published"), std::string::npos) << s;

  TXLgHeader back;
  text.SetPosition(0);
  ASSERT_TRUE(AssignFromStream(back, text, nullptr, false));
  EXPECT_EQ(back.LgID(), 9);
  EXPECT_EQ(back.LgName, "English");
  EXPECT_EQ(back.AppID, 111u);
  EXPECT_EQ(back.Author, "XSetup");
  UnregisterObjectClasses({&TXLgHeader::StaticClass()});
}

TEST(LgProject, AssignCopiesWordsItemsAndHeader) {
  TXLgProject a;
  a.SetLgID(7);
  a.LgName = "Deutsch";
  TMemoryStream source;
  a.Words.WriteBuffer("LangID=7\r\n", 10);
  a.Items.AddStream(".bin", source, "empty");
  TXLgProject b;
  b.Assign(a);
  EXPECT_EQ(b.LgID(), 7);
  EXPECT_EQ(b.LgName, "Deutsch");
  EXPECT_EQ(b.Words.Bytes(), a.Words.Bytes());
  ASSERT_EQ(b.Items.Count(), 1);
  EXPECT_EQ(b.Items.GetItem(0)->Name, "empty");
}

TEST(LgTable, AddItemCopiesTheDataAndClearEmptiesItems) {
  TXLg table;
  TXStreamObject data;
  TMemoryStream bytes(std::vector<uint8_t>{1, 2, 3});
  ASSERT_TRUE(data.LoadFromStream(".bmp", bytes));
  EXPECT_EQ(table.AddItem("flag", data), 0);
  EXPECT_EQ(table.AddItem("flag2", data), 1);
  ASSERT_EQ(table.Items().Count(), 2);
  EXPECT_EQ(table.Items().GetItem(1)->Name, "flag2");
  EXPECT_EQ(table.Items().GetItem(0)->Data.DataClass, ".bmp");
  table.Clear();
  EXPECT_EQ(table.Items().Count(), 0);
}

}  // namespace
}  // namespace xs
