// Language packs as record containers.
//
// A pack carries the identity 100, the application id, the application
// version, 0, 0 and the name "Language", and one group "Language" whose
// object header holds:
//   item 0  -3  object text of the pack's TXLgProject (its header fields)
//   item 1  -6  data index with one entry "Words"
//   item 2  -2  the words text (lang/language.h)
// The install package's group "Languages" holds whole packs as stream items.
#pragma once

#include <cstdint>
#include <string>

#include "base/stream.h"
#include "lang/lg_header.h"
#include "package/filer.h"
#include "package/stream_filer_group.h"

namespace xs {

// The most bytes a pack's words text may inflate to: many times the
// largest words text, so that a crafted pack cannot claim much memory.
constexpr int64_t kMaxWordsBytes = int64_t{4} << 20;

// The group "Language": the pack's header object and its words stream.
class TXLgFilerGroup : public TXRStreamFilerGroup {
 public:
  TXLgFilerGroup();
  void AddObjectIndexEntries() override;
  void ObjectIndexLoaded() override;
};

// The group "Languages" of an install package: one stream item per pack.
class TXLgsFilerGroup : public TXRStreamItemsFilerGroup {
 public:
  TXLgsFilerGroup();
};

// The filer of a language pack. Setup with a TXLgHeader (or TXLgProject)
// root: its AppID and AppVer make the identity the pack must carry.
class TXLgFiler : public TXRStreamFiler {
 public:
  void Setup(TPersistent* root, int32_t value, const TXFilerParams& params) override;
};

// Reads the header of the pack in stream (from its start) into header, whose
// AppID and AppVer name the identity required. On failure false, with the
// cause on the error object.
bool ReadLgHeader(TStream& stream, TXLgHeader& header);
// Reads the whole pack (header and words) into project, likewise.
bool ReadLgProject(TStream& stream, TXLgProject& project);
// The same from a file; a missing file records errFileMissing.
bool ReadLgProjectFile(const std::string& file_name, TXLgProject& project);
// Writes project as a pack into stream at its position.
bool SaveLgProject(TStream& stream, TXLgProject& project);

}  // namespace xs
