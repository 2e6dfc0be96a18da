#include "graphics/filter_kernel.h"

#include <gtest/gtest.h>

namespace xs {
namespace {

// Hand values, with pi_f = 3.14159274 (pi rounded to single precision) and
// a = pi_f |x|: L(x) = 3 sin(a) sin(a / 3) / a^2.
TEST(LanczosKernelTest, EvaluatesTheWindowedSincOfWidthThree) {
  TXLanczosKernel kernel;
  EXPECT_EQ(kernel.KernelWidth(), 3.0f);
  EXPECT_EQ(kernel.Evaluate(0.0f), 1.0f);
  for (float x : {3.0f, -3.0f, 3.5f, -100.0f}) EXPECT_EQ(kernel.Evaluate(x), 0.0f) << x;
  // a = 1.57079637: 3 * 1 * sin(0.52359879) / a^2 = 3 * 0.5 / 2.4674012 = 0.60792708
  EXPECT_NEAR(kernel.Evaluate(0.5f), 0.60792708f, 1e-7f);
  EXPECT_NEAR(kernel.Evaluate(-0.5f), 0.60792708f, 1e-7f);
  // a = 4.71238911: 3 * (-1) * sin(1.5707964) / 22.206610 = -0.13509491
  EXPECT_NEAR(kernel.Evaluate(1.5f), -0.13509491f, 1e-7f);
  // a = 7.85398185: 3 * 1 * 0.5 / 61.685028 = 0.02431708
  EXPECT_NEAR(kernel.Evaluate(2.5f), 0.02431708f, 1e-7f);
}

TEST(LanczosKernelTest, WholeDistancesGiveTinyWeightsThatAreNotZero) {
  TXLanczosKernel kernel;
  // sin(pi_f) = -8.742278e-8 (pi_f lies 8.74e-8 above pi):
  // 3 * -8.742278e-8 * sin(1.0471976) / pi_f^2 = 3 * -8.742278e-8 * 0.8660254 / 9.8696051 = -2.30132e-8
  EXPECT_NEAR(kernel.Evaluate(1.0f), -2.30132e-8f, 1e-12f);
  EXPECT_NEAR(kernel.Evaluate(-1.0f), -2.30132e-8f, 1e-12f);
  // sin(2 pi_f) = 1.748456e-7: 3 * 1.748456e-7 * 0.8660254 / 39.478420 = 1.15066e-8
  EXPECT_NEAR(kernel.Evaluate(2.0f), 1.15066e-8f, 1e-12f);
  EXPECT_NEAR(kernel.Evaluate(-2.0f), 1.15066e-8f, 1e-12f);
}

TEST(LanczosKernelTest, WidthIsAtMostFourAndZeroBecomesOne) {
  struct Case {
    float asked, kept;
  } cases[] = {{10.0f, 4.0f}, {4.0f, 4.0f}, {2.5f, 2.5f}, {0.0f, 1.0f}};
  for (const Case& c : cases) {
    TXLanczosKernel kernel;
    kernel.SetKernelWidth(c.asked);
    EXPECT_EQ(kernel.KernelWidth(), c.kept) << c.asked;
  }
  TXLanczosKernel narrow;
  narrow.SetKernelWidth(2.0f);
  EXPECT_EQ(narrow.Evaluate(2.0f), 0.0f);  // 0 from the new width on
  TXLanczosKernel copy;
  copy.Assign(narrow);
  EXPECT_EQ(copy.KernelWidth(), 2.0f);
}

}  // namespace
}  // namespace xs
