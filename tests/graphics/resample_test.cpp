#include "graphics/resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace xs {
namespace {

// The Lanczos-3 weights by hand (filter_kernel_test.cpp): L(0.5) = 0.6079271,
// L(1.5) = -0.1350949, L(2.5) = 0.0243171, L(1) = -2.30132e-8,
// L(2) = 1.15066e-8.
constexpr float kL1 = -2.30132e-8f;
constexpr float kL2 = 1.15066e-8f;
// Halfway between samples the six weights sum to
// 2 (0.6079271 - 0.1350949 + 0.0243171) = 0.9942986; times 1 / 0.9942986:
constexpr float kN05 = 0.6114131f;
constexpr float kN15 = -0.1358696f;
constexpr float kN25 = 0.0244565f;

// The tent of width 1: exact weights of 0.5 halfway between samples.
class TentKernel : public TXCustomFilterKernel {
 public:
  float Evaluate(float x) const override { return std::fabs(x) >= 1.0f ? 0.0f : 1.0f - std::fabs(x); }
};

struct Expected {
  int index;
  float weight;
};

void ExpectEntry(const TXPixContributorDataMap& table, int entry, const std::vector<Expected>& expected) {
  ASSERT_EQ(table.Count(entry), static_cast<int>(expected.size())) << "entry " << entry;
  for (size_t k = 0; k < expected.size(); ++k) {
    const TXPixContributor& c = table.Contributor(entry, static_cast<int>(k));
    EXPECT_EQ(c.Index, expected[k].index) << "entry " << entry << " contributor " << k;
    EXPECT_NEAR(c.Weight, expected[k].weight, std::fabs(expected[k].weight) * 1e-5f + 1e-12f)
        << "entry " << entry << " contributor " << k;
  }
}

// 4 -> 7 samples: s = 6 / 3 = 2, d = 0.5, room Trunc(2 * 3 + 1) = 7.
TEST(ComputeContributorsTest, EnlargingKeepsTinyWeightsAndReflectsAtTheEdges) {
  TXLanczosKernel kernel;
  TXPixContributorDataMap table;
  ComputeContributors(7, 4, false, table, kernel);
  EXPECT_EQ(table.Width(), 7);
  EXPECT_EQ(table.Height(), 7);
  // Entry 0, c = 0: j = -3..3, L(+-3) = 0 is left out; -2 reads 2, -1 reads
  // 1. The sum 1 + 2 L(1) + 2 L(2) rounds to exactly 1 in single precision,
  // so the weights stay as they are.
  ExpectEntry(table, 0, {{2, kL2}, {1, kL1}, {0, 1.0f}, {1, kL1}, {2, kL2}});
  // Entry 1, c = 0.5: j = -3..4, distances 3.5 .. -3.5; the six inside.
  ExpectEntry(table, 1, {{2, kN25}, {1, kN15}, {0, kN05}, {1, kN05}, {2, kN15}, {3, kN25}});
  // Entry 6, c = 3 = m - 1: j = 1..5 inside; 4 = m reads 3 = m - 1, 5 reads 2.
  ExpectEntry(table, 6, {{1, kL2}, {2, kL1}, {3, 1.0f}, {3, kL1}, {2, kL2}});
}

// Reducing 64 samples widens the window to R = 3 * 63 / n': 64 -> 48 gives
// R = 3 * 63 / 47 = 4.0212766 and room Trunc(2R + 1) = Trunc(9.04) = 9;
// 64 -> 32: R = 3 * 63 / 31 = 6.0967742, room Trunc(13.19) = 13;
// 64 -> 16: R = 3 * 63 / 15 = 12.6, room Trunc(26.2) = 26.
// Entry 0 (c = 0) takes j with s |j| < 3: |j| <= 4 (s = 47/63: 4s = 2.98),
// |j| <= 6 (6 * 31/63 = 2.95), |j| <= 12 (12 * 15/63 = 2.86).
TEST(ComputeContributorsTest, ReducingTheIconMasterUsesTheWidenedWindow) {
  struct Case {
    int dest, room, first_count;
  } cases[] = {{48, 9, 9}, {32, 13, 13}, {16, 26, 25}};
  TXLanczosKernel kernel;
  for (const Case& c : cases) {
    TXPixContributorDataMap table;
    ComputeContributors(c.dest, 64, false, table, kernel);
    EXPECT_EQ(table.Width(), c.dest);
    EXPECT_EQ(table.Height(), c.room) << c.dest;
    EXPECT_EQ(table.Count(0), c.first_count) << c.dest;
    // Reflection about sample 0: the entry reads 0 once and every other
    // index in pairs.
    EXPECT_EQ(table.Contributor(0, c.first_count / 2).Index, 0);
    for (int i = 0; i < c.dest; ++i) {
      float sum = 0.0f;
      for (int k = 0; k < table.Count(i); ++k) {
        const TXPixContributor& p = table.Contributor(i, k);
        EXPECT_GE(p.Index, 0);
        EXPECT_LT(p.Index, 64);
        sum += p.Weight;
      }
      EXPECT_NEAR(sum, 1.0f, 1e-5f) << c.dest << " entry " << i;
    }
  }
}

TEST(ComputeContributorsTest, FewerThanTwoSamplesLeaveTheTableEmpty) {
  TXLanczosKernel kernel;
  TXPixContributorDataMap table;
  table.SetSize(3, 3);
  ComputeContributors(1, 64, false, table, kernel);
  EXPECT_TRUE(table.IsEmpty());
  ComputeContributors(64, 1, false, table, kernel);
  EXPECT_TRUE(table.IsEmpty());
  // Two samples stretched far: indexes reflect until they fall inside.
  ComputeContributors(9, 2, false, table, kernel);
  for (int i = 0; i < 9; ++i)
    for (int k = 0; k < table.Count(i); ++k) EXPECT_TRUE(table.Contributor(i, k).Index == 0 || table.Contributor(i, k).Index == 1);
}

void Fill(TXBitmap& bitmap, int width, int height, TRGBQuad fill) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.Pixels.At(x, y) = fill;
}

TEST(ResampleBitmapTest, ConstantImageStaysConstant) {
  TXLanczosKernel kernel;
  TXBitmap source;
  Fill(source, 10, 7, {10, 20, 200, 0});
  for (auto [w, h] : {std::pair{23, 5}, std::pair{5, 13}, std::pair{4, 4}}) {
    TXBitmap dest;
    ResampleBitmap(source, dest, w, kernel, h);
    ASSERT_EQ(dest.Width(), w);
    ASSERT_EQ(dest.Height(), h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) EXPECT_EQ(dest.Pixels.At(x, y), (TRGBQuad{10, 20, 200, 255})) << x << "," << y;
  }
}

// One row of 4 -> 7 (the table of EnlargingKeepsTinyWeights...), 4 rows
// kept (4 -> 4: weight 1 and the tiny L(1), L(2), which round away).
TEST(ResampleBitmapTest, RowResampledPixelByPixel) {
  TXLanczosKernel kernel;
  TXBitmap source;
  source.SetSize(4, 4);
  for (int y = 0; y < 4; ++y) {
    source.Pixels.At(0, y) = {200, 0, 77, 0};
    source.Pixels.At(1, y) = {0, 0, 77, 0};
    source.Pixels.At(2, y) = {0, 0, 77, 0};
    source.Pixels.At(3, y) = {0, 255, 77, 0};
  }
  TXBitmap dest;
  ResampleBitmap(source, dest, 7, kernel, 4);
  // Blue, 200 at sample 0 alone:
  //   x0: 200 (+ tiny);  x1 (c = 0.5): 200 kN05 = 122.28 -> 122;
  //   x2 (c = 1): 200 L(1) ~ 0 -> 0;  x3 (c = 1.5): sample 0 at distance 1.5,
  //   200 kN15 = -27.17 -> clamped to 0;  x4: 200 L(2) -> 0;
  //   x5 (c = 2.5): 200 kN25 = 4.89 -> 5;  x6: 0.
  // Green, 255 at sample 3 alone: the mirror image, and at x5 (c = 2.5)
  //   sample 3 at distance 0.5 and, through j = 4 -> 3, at 1.5:
  //   255 (kN05 + kN15) = 255 * 0.4755435 = 121.26 -> 121;
  //   x3 (c = 1.5): j = 3 at -1.5 and j = 4 -> 3 at -2.5: 255 (kN15 + kN25) = -28.41 -> 0;
  //   x1 (c = 0.5): j = 3 at -2.5: 255 kN25 = 6.24 -> 6.
  // Red: 77 throughout stays 77.
  const uint8_t blue[7] = {200, 122, 0, 0, 0, 5, 0};
  const uint8_t green[7] = {0, 6, 0, 0, 0, 121, 255};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x)
      EXPECT_EQ(dest.Pixels.At(x, y), (TRGBQuad{blue[x], green[x], 77, 255})) << x << "," << y;
}

TEST(ResampleBitmapTest, RoundsHalvesToEven) {
  TentKernel tent;
  TXBitmap source;
  source.SetSize(4, 4);
  const uint8_t row[4] = {1, 2, 3, 250};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.Pixels.At(x, y) = {row[x], row[x], row[x], 0};
  TXBitmap dest;
  ResampleBitmap(source, dest, 7, tent, 4);
  // Between samples the tent gives 0.5 each: 1.5 -> 2, 2.5 -> 2, 126.5 -> 126.
  const uint8_t expected[7] = {1, 2, 2, 2, 3, 126, 250};
  for (int x = 0; x < 7; ++x) EXPECT_EQ(dest.Pixels.At(x, 2).Blue, expected[x]) << x;
}

TEST(ResampleBitmapTest, ThreeOrFewerPixelsAreStretchedPlainly) {
  TXLanczosKernel kernel;
  TXBitmap narrow;
  narrow.SetSize(3, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 3; ++x) narrow.Pixels.At(x, y) = {uint8_t(x * 100), uint8_t(y), 0, 9};
  TXBitmap dest;
  ResampleBitmap(narrow, dest, 6, kernel, 4);
  // Nearest neighbour: column x reads x * 3 / 6, row y reads y * 8 / 4.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(dest.Pixels.At(x, y), (TRGBQuad{uint8_t(x / 2 * 100), uint8_t(y * 2), 0, 9})) << x << "," << y;
  // A destination of 3 rows from a large source likewise.
  TXBitmap wide;
  Fill(wide, 8, 8, {1, 2, 3, 4});
  wide.Pixels.At(4, 0) = {50, 50, 50, 50};
  ResampleBitmap(wide, dest, 4, kernel, 3);
  EXPECT_EQ(dest.Pixels.At(2, 0), (TRGBQuad{50, 50, 50, 50}));  // 2 * 8 / 4 = 4
  EXPECT_EQ(dest.Pixels.At(1, 2), (TRGBQuad{1, 2, 3, 4}));
}

TEST(ResamplePictureTest, FiltersColourAndAlpha) {
  TentKernel tent;
  TXPicture source;
  source.SetSize(4, 4, true);
  const uint8_t alpha[4] = {0, 255, 255, 0};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      source.Colour.At(x, y) = {uint8_t(10 * x), 40, 255};
      source.Alpha.At(x, y) = alpha[x];
    }
  TXPicture dest;
  ResamplePicture(source, dest, 7, tent, 4);
  ASSERT_TRUE(dest.HasAlpha());
  ASSERT_EQ(dest.Width(), 7);
  // Halfway: alpha (0 + 255) / 2 = 127.5 -> 128 (even); blue 5, 15, 25.
  const uint8_t expected_alpha[7] = {0, 128, 255, 255, 255, 128, 0};
  const uint8_t expected_blue[7] = {0, 5, 10, 15, 20, 25, 30};
  for (int x = 0; x < 7; ++x) {
    EXPECT_EQ(dest.Alpha.At(x, 3), expected_alpha[x]) << x;
    EXPECT_EQ(dest.Colour.At(x, 3), (TRGBTriple{expected_blue[x], 40, 255})) << x;
  }
}

TEST(ResamplePictureTest, ConstantPictureStaysConstantAndSmallOnesStretch) {
  TXLanczosKernel kernel;
  TXPicture source;
  source.SetSize(9, 9, true);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      source.Colour.At(x, y) = {3, 128, 250};
      source.Alpha.At(x, y) = 200;
    }
  TXPicture dest;
  ResamplePicture(source, dest, 5, kernel, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(dest.Colour.At(x, y), (TRGBTriple{3, 128, 250}));
      EXPECT_EQ(dest.Alpha.At(x, y), 200);
    }
  source.Alpha.At(8, 0) = 7;
  ResamplePicture(source, dest, 3, kernel, 3);  // 3 x 3: nearest neighbour, 2 * 9 / 3 = 6
  EXPECT_EQ(dest.Alpha.At(2, 0), 200);
  source.Alpha.At(6, 0) = 7;
  ResamplePicture(source, dest, 3, kernel, 3);
  EXPECT_EQ(dest.Alpha.At(2, 0), 7);
}

}  // namespace
}  // namespace xs
