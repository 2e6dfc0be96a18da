#include "graphics/data_map.h"

#include <algorithm>

#include "graphics/graphic.h"

namespace xs {

XS_DEFINE_CLASS(TXCustomDataMap, TXThreadableObject,
    Prop("Width", &TXCustomDataMap::Width, &TXCustomDataMap::SetWidth),
    Prop("Height", &TXCustomDataMap::Height, &TXCustomDataMap::SetHeight))

void TXCustomDataMap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  ChangeSize();
  if (OnChange) OnChange(this);
  Changed();
}

void TXCustomDataMap::SetSizeFrom(const TXGraphic& graphic) { SetSize(graphic.Width(), graphic.Height()); }

XS_DEFINE_CLASS(TXByteDataMap, TXCustomDataMap)
XS_DEFINE_CLASS(TXRGBTripleDataMap, TXCustomDataMap)
XS_DEFINE_CLASS(TXRGBQuadDataMap, TXCustomDataMap)
XS_DEFINE_CLASS(TXPixContributorDataMap, TXCustomDataMap)

bool TXPixContributorDataMap::Append(int entry, TXPixContributor contributor) {
  int& count = counts_[entry];
  if (count >= Height()) return false;
  At(entry, count++) = contributor;
  return true;
}

void TXPixContributorDataMap::Scale(int entry, float factor) {
  for (int k = 0; k < counts_[entry]; ++k) At(entry, k).Weight *= factor;
}

void TXPixContributorDataMap::ChangeSize() {
  TXElementDataMap::ChangeSize();
  counts_.assign(Width(), 0);
}

}  // namespace xs
