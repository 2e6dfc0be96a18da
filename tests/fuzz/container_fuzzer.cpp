// Input: one mode byte, then the bytes of a record container.
//   bit 0: first make every checksum that guards the structure (file header,
//          links, record bodies, item tables) match, so that mutated sizes
//          and links get past them
//   bit 1: also add a header in read-and-add mode
//   bit 2: also add a group and a header in append mode
//   bit 3: read every item's stored bytes through the zlib stream too,
//          whatever its id says
// The container is loaded and every item of every header is read. Whatever
// loaded must survive a compacted copy; a container that loaded must load
// again after either kind of addition.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/error.h"
#include "base/null_stream.h"
#include "package/block_io.h"
#include "package/qstream.h"
#include "reseal.h"

using namespace xs;

namespace {

using Bytes = std::vector<uint8_t>;

// What one item may inflate to here: enough to pass the bound, small enough
// that a crafted stream costs milliseconds, not seconds, per run.
constexpr int64_t kItemLimit = 1 << 20;

size_t AllHeaders(const TXQStream& c) {
  size_t n = 0;
  for (const auto& g : c.Groups) n += g->Headers.size();
  return n;
}

size_t CopiedHeaders(const TXQStream& c) {
  size_t n = 0;
  for (const auto& g : c.Groups)
    if (g->Loaded && !g->Deleted)
      for (const auto& h : g->Headers) n += h->Loaded && !h->Deleted;
  return n;
}

bool AddHeader(TXQStream& c) {
  TMemoryStream item(Bytes{'f', 'u', 'z', 'z'});
  return c.AddGroupByName("Fuzz", "", false, nullptr) &&
         c.WriteSingleItemHeader("Fuzz", 3, false, nullptr, item, -2);
}

// Loads bytes again; returns its header count, or aborts when it fails.
size_t MustLoad(TMemoryStream& bytes) {
  TXQStream again;
  if (!again.Open(omRead, &bytes, false, nullptr, 0)) std::abort();
  return AllHeaders(again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  uint8_t mode = data[0];
  Bytes bytes(data + 1, data + size);
  if (mode & 1) fuzz::Reseal(bytes);

  TMemoryStream input(bytes);
  TXQStream c;
  bool loaded = c.Open(omRead, &input, false, nullptr, 0);
  for (const auto& g : c.Groups)
    for (const auto& h : g->Headers)
      for (int i = 0; i < h->Count; ++i) {
        TNullStream sink;
        c.ReadItemToStream(*h, i, nullptr, sink, kItemLimit);
        if (auto span = c.ItemSpan(*h, i); span && (mode & 8))
          ReadBlockToStream(input, sink, true, false, nullptr, span->Entry.Size, span->Position,
                            kItemLimit);
      }
  TMemoryStream copy;
  if (c.CopyTo(copy, nullptr, false) && MustLoad(copy) != CopiedHeaders(c)) std::abort();

  if (mode & 2) {
    TMemoryStream target(bytes);
    TXQStream w;
    if (w.Open(omRead | omWrite, &target, false, nullptr, 0)) {
      size_t before = AllHeaders(w);
      if (AddHeader(w) && MustLoad(target) != before + 1) std::abort();
    }
  }
  if (mode & 4) {
    TMemoryStream target(bytes);
    TXQStream w;
    if (w.OpenEx(omAppend | omRead | omWrite, &target, false, nullptr, 0) && AddHeader(w) && loaded)
      MustLoad(target);
  }
  XError().Clear();
  return 0;
}
