// The filer of install packages and undo logs: the script's group "Data"
// and, for a whole package, the language packs of group "Languages".
//
// Group "Data":
//   object header  -3 the script's object text, -6 its data index (entry
//                  "TopImage"), -1001 the design's top image bytes
//   item header    per item: -1 name, -3 object text, -6 data index, and for
//                  a file item -2 its content (entry "Data", Idx 3)
#pragma once

#include <cstdint>

#include "package/filer.h"
#include "package/stored_stream.h"
#include "package/stream_filer_group.h"
#include "script/install.h"

namespace xs {

// The container item id of the design's top image.
constexpr int32_t idTopImage = -1001;

// What an install package holds: the language packs and the script.
class TXPackageContents : public TPersistent {
 public:
  TXStreamCollection Languages;
  TXInstall Script;
};

class TXInstallFilerGroup : public TXRStreamFilerGroup {
 public:
  TXInstallFilerGroup();

  void AddObjectIndexEntries() override;
  bool SaveObjectCustomData(TXRStream& container, TXDataIndexItem& entry) override;
  void ObjectIndexLoaded() override;
  void AddItemIndexEntries(TPersistent& element) override;
  void ItemIndexLoaded(TPersistent& element) override;
  bool PrepareObjectIndex() override;
  bool PrepareItemIndex(TPersistent& element) override;
};

// Bits of the value handed to Setup: leave file contents in the package,
// read on demand, when loading from a file; write at the best compression.
constexpr int32_t ifBindFileContents = 1;
constexpr int32_t ifBestCompression = 2;

// Setup with a TXCustomUI root (a script or an undo log): its group "Data".
// With a TXPackageContents root: group "Languages", then group "Data".
class TXInstallFiler : public TXRStreamFiler {
 public:
  void Setup(TPersistent* root, int32_t value, const TXFilerParams& params) override;
};

}  // namespace xs
