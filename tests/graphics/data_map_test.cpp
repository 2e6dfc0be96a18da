#include "graphics/data_map.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

TEST(DataMapTest, SetSizeReportsOnlyRealChanges) {
  TXByteDataMap map;
  int changes = 0;
  map.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &map);
    ++changes;
  };
  EXPECT_TRUE(map.IsEmpty());
  map.SetSize(4, 3);
  EXPECT_EQ(changes, 1);
  map.At(3, 2) = 9;
  map.SetSize(4, 3);  // unchanged: storage and contents stay
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(map.At(3, 2), 9);
  map.SetWidth(5);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(map.Width(), 5);
  EXPECT_EQ(map.At(3, 2), 0);  // reallocated
  map.SetHeight(0);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(map.IsEmpty());
  map.SetSize(-2, 7);
  EXPECT_EQ(map.Width(), 0);
  EXPECT_TRUE(map.IsEmpty());
  map.Clear();
  EXPECT_EQ(map.Height(), 0);
}

TEST(DataMapTest, ElementsHaveTheirOwnSizesAndAddressColumnThenRow) {
  TXByteDataMap bytes;
  TXRGBTripleDataMap triples;
  TXRGBQuadDataMap quads;
  TXPixContributorDataMap contributors;
  EXPECT_EQ(bytes.ElementSize(), 1u);
  EXPECT_EQ(triples.ElementSize(), 3u);
  EXPECT_EQ(quads.ElementSize(), 4u);
  EXPECT_EQ(contributors.ElementSize(), 8u);
  triples.SetSize(3, 2);
  triples.At(2, 0) = {1, 2, 3};
  EXPECT_EQ(triples.Row(0)[2], (TRGBTriple{1, 2, 3}));
  EXPECT_EQ(triples.Row(1)[0], (TRGBTriple{0, 0, 0}));
}

TEST(DataMapTest, ContributorEntriesFillUpToTheirRoom) {
  TXPixContributorDataMap table;
  table.SetSize(2, 2);  // two entries with room for two each
  EXPECT_EQ(table.Count(0), 0);
  EXPECT_TRUE(table.Append(1, {5, 0.5f}));
  EXPECT_TRUE(table.Append(1, {6, 0.25f}));
  EXPECT_FALSE(table.Append(1, {7, 0.25f}));
  EXPECT_EQ(table.Count(1), 2);
  EXPECT_EQ(table.Count(0), 0);
  table.Scale(1, 2.0f);
  EXPECT_EQ(table.Contributor(1, 0).Index, 5);
  EXPECT_EQ(table.Contributor(1, 1).Weight, 0.5f);
  table.SetSize(3, 2);
  EXPECT_EQ(table.Count(1), 0);
}

}  // namespace
}  // namespace xs
