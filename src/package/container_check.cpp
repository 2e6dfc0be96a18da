#include "package/container_check.h"

#include "base/error.h"
#include "base/null_stream.h"

namespace xs {

int CheckContainer(TXRStream& container, const std::function<void(int done, int total)>& progress) {
  if (container.DamagedRecords() > 0) return errLoad;
  int total = 0, done = 0;
  for (const auto& g : container.Groups)
    for (const auto& h : g->Headers) total += h->Count;
  for (const auto& g : container.Groups)
    for (const auto& h : g->Headers)
      for (int i = 0; i < h->Count; ++i) {
        TNullStream sink;
        if (!container.ReadItemToStream(*h, i, nullptr, sink))
          return XError().GetCode() != errNone ? XError().GetCode() : errLoad;
        if (progress) progress(++done, total);
      }
  return errNone;
}

}  // namespace xs
