#include "graphics/win_data.h"

#include <gtest/gtest.h>

#include "graphics/resample.h"

namespace xs {
namespace {

TEST(WinDataTest, EachMessageBoxIconHasFourSizes) {
  const TXWinData& data = WinData();
  for (int id : {kIconError, kIconQuestion, kIconWarning, kIconInformation}) {
    for (int size : {64, 48, 32, 16}) {
      const TXPicture* picture = data.IconPicture(id, size);
      ASSERT_NE(picture, nullptr) << id << " at " << size;
      ASSERT_EQ(picture->Width(), size);
      ASSERT_EQ(picture->Height(), size);
      ASSERT_TRUE(picture->HasAlpha());
      // The shapes fill the middle and leave the corners clear at every
      // size: resampling keeps both.
      EXPECT_EQ(picture->Alpha.At(size / 2, size / 2), 255) << id << " at " << size;
      EXPECT_EQ(picture->Alpha.At(0, 0), 0) << id << " at " << size;
      EXPECT_EQ(picture->Alpha.At(size - 1, 0), 0) << id << " at " << size;
    }
    EXPECT_EQ(data.IconPicture(id, 24), nullptr);
  }
  EXPECT_EQ(data.IconPicture(0, 32), nullptr);
  EXPECT_EQ(data.IconPicture(32517, 32), nullptr);
  EXPECT_EQ(data.IconPicture(kIconApplication, 32), nullptr);  // no application icon yet
  EXPECT_EQ(data.Images(kIconError), &data.ErrorImages);
  EXPECT_EQ(data.Images(kIconInformation), &data.InfoImages);
}

TEST(WinDataTest, ImagesAreTheMasterResampledWithLanczosThree) {
  const TXIconImages& warning = WinData().WarningImages;
  TXLanczosKernel kernel;
  TXPicture expected;
  ResamplePicture(warning.Master, expected, 32, kernel, 32);
  EXPECT_EQ(warning.Images[1].Bgra(), expected.Bgra());
  // The "!" is near black on the yellow triangle at every size.
  const TXPicture& small = warning.Images[2];
  EXPECT_LT(small.Colour.At(8, 8).Red, 100);
  EXPECT_GT(small.Colour.At(8, 13).Red, 200);
}

}  // namespace
}  // namespace xs
