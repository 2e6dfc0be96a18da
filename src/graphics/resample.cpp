#include "graphics/resample.h"

#include <algorithm>
#include <cmath>

namespace xs {

namespace {

// The edge rule, applied until the index lies inside: below 0 reflects about
// the first sample without repeating it, from count on about the last one
// repeating it. Each step brings the index nearer, so it ends.
int SourceIndex(int j, int count) {
  while (j < 0 || j >= count) j = j < 0 ? -j : 2 * count - 1 - j;
  return j;
}

uint8_t RoundClamp(float sum) {
  float v = std::nearbyint(sum);  // the default rounding: halves to even
  return v <= 0.0f ? 0 : v >= 255.0f ? 255 : static_cast<uint8_t>(v);
}

// The channels of an element as the passes filter them.
void Add(float* sums, float w, const TRGBQuad& p) {
  sums[0] += w * p.Blue;
  sums[1] += w * p.Green;
  sums[2] += w * p.Red;
}
void Add(float* sums, float w, const TRGBTriple& p) {
  sums[0] += w * p.Blue;
  sums[1] += w * p.Green;
  sums[2] += w * p.Red;
}
void Add(float* sums, float w, uint8_t p) { sums[0] += w * p; }

void Put(TRGBQuad& p, const float* sums) { p = {RoundClamp(sums[0]), RoundClamp(sums[1]), RoundClamp(sums[2]), 255}; }
void Put(TRGBTriple& p, const float* sums) { p = {RoundClamp(sums[0]), RoundClamp(sums[1]), RoundClamp(sums[2])}; }
void Put(uint8_t& p, const float* sums) { p = RoundClamp(sums[0]); }

// One pass: dest (already sized) from source through table, whose entries
// are dest's columns (horizontal) or rows.
template <class Map>
void Pass(const Map& source, Map& dest, const TXPixContributorDataMap& table, bool horizontal) {
  for (int y = 0; y < dest.Height(); ++y)
    for (int x = 0; x < dest.Width(); ++x) {
      const int entry = horizontal ? x : y;
      float sums[3] = {};
      for (int k = 0; k < table.Count(entry); ++k) {
        const TXPixContributor& c = table.Contributor(entry, k);
        if (c.Weight != 0.0f) Add(sums, c.Weight, horizontal ? source.At(c.Index, y) : source.At(x, c.Index));
      }
      Put(dest.At(x, y), sums);
    }
}

bool TooSmall(int source_width, int source_height, int dest_width, int dest_height) {
  return source_width <= 3 || source_height <= 3 || dest_width <= 3 || dest_height <= 3;
}

}  // namespace

void ComputeContributors(int dest_count, int source_count, bool centred, TXPixContributorDataMap& table,
                         const TXCustomFilterKernel& kernel) {
  table.Clear();
  const int n = dest_count;
  const int m = source_count;
  if (m < 2 || n < 2) return;
  const float s = centred ? static_cast<float>(n) / static_cast<float>(m)
                          : static_cast<float>(n - 1) / static_cast<float>(m - 1);
  const float d = 1.0f / s;
  const bool enlarging = s >= 1.0f;
  // Reducing widens the window by 1 / s and narrows the kernel by s.
  const float width = enlarging ? kernel.KernelWidth() : kernel.KernelWidth() * d;
  table.SetSize(n, static_cast<int>(2.0f * width + 1.0f));
  for (int i = 0; i < n; ++i) {
    const float c = static_cast<float>(i) * d;
    float sum = 0.0f;
    const int last = static_cast<int>(std::ceil(c + width));
    for (int j = static_cast<int>(std::floor(c - width)); j <= last; ++j) {
      const float distance = c - static_cast<float>(j);
      const float w = enlarging ? kernel.Evaluate(distance) : s * kernel.Evaluate(s * distance);
      if (w != 0.0f && table.Append(i, {SourceIndex(j, m), w})) sum += w;
    }
    if (sum != 0.0f && sum != 1.0f) table.Scale(i, 1.0f / sum);
  }
}

void ResampleBitmap(const TXBitmap& source, TXBitmap& dest, int dest_width, const TXCustomFilterKernel& kernel,
                    int dest_height) {
  dest.SetSize(dest_width, dest_height);
  if (TooSmall(source.Width(), source.Height(), dest_width, dest_height)) {
    // A plain nearest-neighbour stretch: too few samples for the kernel.
    source.Draw(dest, TRect{0, 0, dest_width, dest_height});
    return;
  }
  TXPixContributorDataMap table;
  TXRGBQuadDataMap between;
  between.SetSize(dest_width, source.Height());
  ComputeContributors(dest_width, source.Width(), false, table, kernel);
  Pass(source.Pixels, between, table, true);
  ComputeContributors(dest_height, source.Height(), false, table, kernel);
  Pass(between, dest.Pixels, table, false);
}

void ResamplePicture(const TXPicture& source, TXPicture& dest, int dest_width, const TXCustomFilterKernel& kernel,
                     int dest_height) {
  dest.SetSize(dest_width, dest_height, true);
  // What the picture lacks reads as opaque.
  TXByteDataMap opaque;
  const TXByteDataMap* alpha = &source.Alpha;
  if (!source.HasAlpha()) {
    opaque.SetSize(source.Width(), source.Height());
    for (int y = 0; y < source.Height(); ++y) std::fill_n(opaque.Row(y), source.Width(), uint8_t{255});
    alpha = &opaque;
  }
  if (TooSmall(source.Width(), source.Height(), dest_width, dest_height)) {
    // A plain nearest-neighbour stretch: too few samples for the kernel.
    StretchEach(source.Width(), source.Height(), dest_width, dest_height, TRect{0, 0, dest_width, dest_height},
                [&](int x, int y, int sx, int sy) {
                  dest.Colour.At(x, y) = source.Colour.At(sx, sy);
                  dest.Alpha.At(x, y) = alpha->At(sx, sy);
                });
    return;
  }
  TXPixContributorDataMap table;
  TXRGBTripleDataMap colour;
  TXByteDataMap alpha_between;
  colour.SetSize(dest_width, source.Height());
  alpha_between.SetSize(dest_width, source.Height());
  ComputeContributors(dest_width, source.Width(), false, table, kernel);
  Pass(source.Colour, colour, table, true);
  Pass(*alpha, alpha_between, table, true);
  ComputeContributors(dest_height, source.Height(), false, table, kernel);
  Pass(colour, dest.Colour, table, false);
  Pass(alpha_between, dest.Alpha, table, false);
}

}  // namespace xs
