#include "base/error.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

class ErrorTest : public ::testing::Test {
 protected:
  void SetUp() override { XError().Clear(); }
  TXError& e = XError();
};

TEST_F(ErrorTest, SetFirstErrorKeepsTheFirstCauseAndRaisesIt) {
  e.SetError(3, 2, false, "a.dat");
  e.SetFirstError(15, 0, false, "b.dat");
  EXPECT_EQ(e.GetCode(), 3);
  EXPECT_EQ(e.GetExtra(), 2);
  EXPECT_EQ(e.GetText(), "a.dat");
  try {
    e.SetFirstError(15, 0, true);
    FAIL() << "no exception";
  } catch (const EXError& x) {
    EXPECT_EQ(x.Code(), 3);
    EXPECT_STREQ(x.what(), "3");
  }
}

TEST_F(ErrorTest, SetFirstErrorStoresWhenNoneIsSet) {
  e.SetFirstError(15, 7, false, "c");
  EXPECT_EQ(e.GetCode(), 15);
  EXPECT_EQ(e.GetExtra(), 7);
}

TEST_F(ErrorTest, CheckErrorClearsOnSuccessCheckFirstErrorDoesNot) {
  e.SetError(14);
  EXPECT_TRUE(e.CheckFirstError(true, 11));
  EXPECT_EQ(e.GetCode(), 14);
  EXPECT_TRUE(e.CheckError(true, 11));
  EXPECT_EQ(e.GetCode(), 0);
  EXPECT_FALSE(e.CheckError(false, 11, false, "x", 5));
  EXPECT_EQ(e.GetCode(), 11);
  EXPECT_EQ(e.GetExtra(), 5);
  EXPECT_FALSE(e.CheckFirstError(false, 16));
  EXPECT_EQ(e.GetCode(), 11);
  EXPECT_THROW(e.CheckError(false, 12, true), EXError);
}

TEST_F(ErrorTest, RaiseErrorWithoutCodeRaisesTwo) {
  try {
    e.RaiseError();
  } catch (const EXError& x) {
    EXPECT_EQ(x.Code(), errGeneral);
  }
  EXPECT_EQ(e.GetCode(), errGeneral);
  e.SetError(17);
  EXPECT_THROW(e.RaiseError(), EXError);
  EXPECT_EQ(e.GetCode(), 17);
}

}  // namespace
}  // namespace xs
