#include "package/container_check.h"

#include <algorithm>
#include <cstdint>

#include "base/error.h"
#include "base/null_stream.h"

namespace xs {

namespace {

// Whatever a stored item is, its check may inflate this much and no more.
// The sink keeps nothing, so the bound guards time, not memory: an item
// may give what any object text may (kMaxBlockBytes), and a file of several
// gigabytes passes as long as it deflated to no less than a 64th of its
// size, while a few stored bytes claiming far more are refused early.
int64_t InflationLimit(const TXRHeaderObject& header, int index) {
  constexpr int64_t kMostDeflatedRatio = 64;
  int64_t stored = index < static_cast<int>(header.Items.size()) ? header.Items[index].Size : 0;
  if (stored > INT64_MAX / kMostDeflatedRatio) return INT64_MAX;
  return std::max(kMaxBlockBytes, stored * kMostDeflatedRatio);
}

}  // namespace

int CheckContainer(TXRStream& container, const std::function<void(int done, int total)>& progress) {
  if (container.DamagedRecords() > 0) return errLoad;
  int total = 0, done = 0;
  for (const auto& g : container.Groups)
    for (const auto& h : g->Headers) total += h->Count;
  for (const auto& g : container.Groups)
    for (const auto& h : g->Headers)
      for (int i = 0; i < h->Count; ++i) {
        TNullStream sink;
        if (!container.ReadItemToStream(*h, i, nullptr, sink, InflationLimit(*h, i)))
          return XError().GetCode() != errNone ? XError().GetCode() : errLoad;
        if (progress) progress(++done, total);
      }
  return errNone;
}

}  // namespace xs
