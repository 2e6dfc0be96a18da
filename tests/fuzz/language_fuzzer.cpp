// Input: one mode byte, then either a language pack or a words text.
//   bit 0: the rest is a pack; first make every checksum that guards its
//          structure match (reseal.h)
//   bit 1: the rest is the words text itself, loaded as a pack's words
// Neither may crash, hang or exhaust memory; a pack that loads must load
// again from its own saved copy.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/error.h"
#include "lang/lg_filer.h"
#include "language_pack.h"
#include "reseal.h"

using namespace xs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  if (mode & 2) {
    fuzz::UseWordsText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    return 0;
  }
  std::vector<uint8_t> bytes(data + 1, data + size);
  if (mode & 1) fuzz::Reseal(bytes);
  TMemoryStream pack(bytes);
  TXLgProject project;
  if (fuzz::UseLanguagePack(pack, project)) {
    TMemoryStream copy;
    TXLgProject again;
    again.AppID = fuzz::kPackAppID;
    again.AppVer = fuzz::kPackAppVer;
    if (!SaveLgProject(copy, project) || !ReadLgProject(copy, again) || again.Words.Bytes() != project.Words.Bytes())
      std::abort();
  }
  XError().Clear();
  return 0;
}
