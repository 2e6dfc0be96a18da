// Two-dimensional arrays of one element type: the colour and alpha planes of
// pictures, the intermediate result of the resampler and its contributor
// tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/persistent.h"
#include "graphics/threadable_object.h"

namespace xs {

class TXGraphic;

// Published: Width, Height.
class TXCustomDataMap : public TXThreadableObject {
  XS_DECLARE_CLASS(TXCustomDataMap)
 public:
  // Fires after every change of size.
  TNotifyEvent OnChange;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Nothing when both are unchanged; otherwise stores them (a negative
  // value as 0), reallocates the storage, fires OnChange and calls Changed.
  void SetSize(int width, int height);
  // The size of another map.
  void SetSizeFrom(const TXCustomDataMap& other) { SetSize(other.width_, other.height_); }
  // The size of a graphic.
  void SetSizeFrom(const TXGraphic& graphic);
  void Clear() override { SetSize(0, 0); }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  // Bytes per element.
  virtual size_t ElementSize() const = 0;

 protected:
  // Sets aside storage for Width x Height elements, all zero.
  virtual void ChangeSize() = 0;
  // Told after each change of size, after OnChange; the base does nothing.
  virtual void Changed() {}

 private:
  int width_ = 0;
  int height_ = 0;
};

// A map of elements T addressed by column, then row; rows lie one after the
// other from the top.
template <class T>
class TXElementDataMap : public TXCustomDataMap {
 public:
  size_t ElementSize() const override { return sizeof(T); }
  T& At(int x, int y) { return elements_[static_cast<size_t>(y) * Width() + x]; }
  const T& At(int x, int y) const { return elements_[static_cast<size_t>(y) * Width() + x]; }
  // The row y, Width elements.
  T* Row(int y) { return elements_.data() + static_cast<size_t>(y) * Width(); }
  const T* Row(int y) const { return elements_.data() + static_cast<size_t>(y) * Width(); }

 protected:
  void ChangeSize() override { elements_.assign(static_cast<size_t>(Width()) * Height(), T{}); }

 private:
  std::vector<T> elements_;
};

struct TRGBTriple {
  uint8_t Blue, Green, Red;
  bool operator==(const TRGBTriple&) const = default;
};
struct TRGBQuad {
  uint8_t Blue, Green, Red, Reserved;
  bool operator==(const TRGBQuad&) const = default;
};
static_assert(sizeof(TRGBTriple) == 3 && sizeof(TRGBQuad) == 4);

// The alpha plane of a picture.
class TXByteDataMap : public TXElementDataMap<uint8_t> {
  XS_DECLARE_CLASS(TXByteDataMap)
};

// The colour plane of a picture.
class TXRGBTripleDataMap : public TXElementDataMap<TRGBTriple> {
  XS_DECLARE_CLASS(TXRGBTripleDataMap)
};

// 32-bit pixels.
class TXRGBQuadDataMap : public TXElementDataMap<TRGBQuad> {
  XS_DECLARE_CLASS(TXRGBQuadDataMap)
};

struct TXPixContributor {
  int32_t Index;  // the source sample
  float Weight;
};

// A contributor table: one entry per destination sample (Width), each with
// a count (0 after sizing) and room for Height contributors.
class TXPixContributorDataMap : public TXElementDataMap<TXPixContributor> {
  XS_DECLARE_CLASS(TXPixContributorDataMap)
 public:
  int Count(int entry) const { return counts_[entry]; }
  const TXPixContributor& Contributor(int entry, int k) const { return At(entry, k); }
  // Appends to entry; returns false, appending nothing, when the entry is
  // full.
  bool Append(int entry, TXPixContributor contributor);
  // Multiplies every weight of entry by factor.
  void Scale(int entry, float factor);

 protected:
  void ChangeSize() override;

 private:
  std::vector<int> counts_;
};

}  // namespace xs
