// The filter kernels of the resampler: a weight for each distance from a
// sample's centre, zero from the kernel width on.
#pragma once

#include "package/persistent_base.h"

namespace xs {

class TXCustomFilterKernel : public TXPersistent {
  XS_DECLARE_CLASS(TXCustomFilterKernel)
 public:
  float KernelWidth() const { return kernel_width_; }
  // Asks for a new width; each class decides what it accepts. The base
  // keeps its width.
  virtual void SetKernelWidth(float value) {}
  // The weight at distance x from the centre. Pure: the same x gives the
  // same weight, in single precision.
  virtual float Evaluate(float x) const = 0;

  // From a kernel: its width, as it stands (SetKernelWidth is not asked).
  bool AssignFrom(const TPersistent& source) override;

 protected:
  float kernel_width_ = 1.0f;
};

// A kernel whose width the caller chooses, up to 4; 3 after construction.
class TXCustomSizeFilterKernel : public TXCustomFilterKernel {
  XS_DECLARE_CLASS(TXCustomSizeFilterKernel)
 public:
  TXCustomSizeFilterKernel() { kernel_width_ = 3.0f; }
  // The smaller of value and 4; 0 becomes 1.
  void SetKernelWidth(float value) override;
};

// The windowed sinc of radius KernelWidth.
class TXLanczosKernel : public TXCustomSizeFilterKernel {
  XS_DECLARE_CLASS(TXLanczosKernel)
 public:
  // 1 at 0, 0 from the width on; between, r sin(a) sin(a / r) / a^2 with
  // a = pi |x| rounded to single precision. pi itself is taken in single
  // precision, so the weights at whole distances inside the width are
  // tiny but not 0.
  float Evaluate(float x) const override;
};

}  // namespace xs
