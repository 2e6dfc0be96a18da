#include "lang/locale_ids.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

TEST(LocaleIDStringListTest, IdsThatAreNotNumbersCountAsEnglish) {
  TXLocaleIDStringList ids;
  for (const char* s : {"7", "$0C", "abc", "", "12", " 7"}) ids.Add(s);
  int expected[] = {7, 12, 9, 9, 12, 9};
  for (int i = 0; i < ids.Count(); ++i) EXPECT_EQ(ids.IDs(i), expected[i]) << ids[i];
}

TEST(LocaleIDStringListTest, AssignSetsTheDefaultThroughItsSetterBeforeTheIds) {
  TXLocaleIDStringList source, target;
  source.Add("7");
  source.Add("12");
  source.SetDefaultLgID(12);
  target.Add("9");
  int calls = 0, count_seen = -1;
  target.OnDefaultChanged = [&](TXLocaleIDStringList* sender) {
    ++calls;
    EXPECT_EQ(sender, &target);
    count_seen = sender->Count();
  };
  target.Assign(source);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(count_seen, 1) << "the event runs before the ids are copied";
  EXPECT_EQ(target.DefaultLgID(), 12);
  EXPECT_EQ(target.Items(), source.Items());
  target.SetDefaultLgID(12);
  EXPECT_EQ(calls, 2) << "the setter reports even an unchanged id";
}

}  // namespace
}  // namespace xs
