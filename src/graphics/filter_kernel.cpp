#include "graphics/filter_kernel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace xs {

XS_DEFINE_CLASS(TXCustomFilterKernel, TXPersistent)

bool TXCustomFilterKernel::AssignFrom(const TPersistent& source) {
  if (!TXPersistent::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXCustomFilterKernel*>(&source)) kernel_width_ = other->kernel_width_;
  return true;
}

XS_DEFINE_CLASS(TXCustomSizeFilterKernel, TXCustomFilterKernel)

void TXCustomSizeFilterKernel::SetKernelWidth(float value) {
  float w = std::min(value, 4.0f);
  kernel_width_ = w != 0.0f ? w : 1.0f;
}

XS_DEFINE_CLASS(TXLanczosKernel, TXCustomSizeFilterKernel)

float TXLanczosKernel::Evaluate(float x) const {
  if (x == 0.0f) return 1.0f;
  const float r = kernel_width_;
  if (std::fabs(x) >= r) return 0.0f;
  const float a = std::numbers::pi_v<float> * std::fabs(x);
  // The products in double, from the single-precision a; one rounding at the end.
  const double ad = a;
  return static_cast<float>(r * std::sin(ad) * std::sin(ad / r) / (ad * ad));
}

}  // namespace xs
