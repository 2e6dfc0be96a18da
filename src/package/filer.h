// Filers map a tree of objects onto a record container and back through
// their groups (filer_group.h, stream_filer_group.h). A filer is made for
// one operation: Setup gives it its root and groups, it loads or saves once
// and is freed.
//
// A derived filer adds its groups in Setup:
//
//   class TXMyFiler : public TXRStreamFiler {
//    public:
//     void Setup(TPersistent* root, int32_t value, const TXFilerParams& params) override {
//       TXRStreamFiler::Setup(root, value, params);
//       if (auto* doc = dynamic_cast<TMyDocument*>(root))
//         Groups.AddGroup<TXRStreamFilerGroup>(*this, &doc->Items, doc, "Data");
//     }
//   };
//   LoadFileWith("doc.bin", FilerClass<TXMyFiler>, &doc, false, nullptr);
//
// A group with BindSources set leaves the stream object contents it loads
// from a file in that file (TXPackageItemSource), to be read when they are
// written out.
//
// Failures record errLoad (14) or errSave (15) on the error object unless a
// more precise cause is recorded first: errFileMissing (25), errFileOpen (3,
// with the system's error number as Extra and the message as Text), or
// errChecksum (11) for a container whose identity the filer rejects.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "base/progress.h"
#include "base/stream.h"
#include "package/filer_group.h"
#include "package/record_format.h"
#include "package/record_stream.h"
#include "package/stored_item.h"

namespace xs {

// The parameter block Setup keeps for derived filers; its meaning is theirs.
using TXFilerParams = std::array<uint8_t, 32>;

class TXFiler : public TObject {
 public:
  TXFiler() = default;
  ~TXFiler() override = default;
  TXFiler(const TXFiler&) = delete;
  TXFiler& operator=(const TXFiler&) = delete;

  TPersistent* Root() const { return root_; }
  int32_t Value() const { return value_; }
  const TXFilerParams& Params() const { return params_; }
  TXFilerGroupList Groups;
  // 0: clear every group's object and list, then load; 1: load into what
  // is there. Other values are refused.
  int LoadMode = 0;
  // Where the container starts in the stream or file it is loaded from or
  // saved to.
  int64_t StartOffset = 0;
  // The file the current load reads; empty while loading from a stream.
  const std::string& SourceFileName() const { return source_file_; }

  // Stores root, value and params and empties Groups. Derived filers call
  // it first, then add their groups.
  virtual void Setup(TPersistent* root, int32_t value, const TXFilerParams& params);
  // Loads the groups from the container in stream at StartOffset. On
  // success true. On failure false with the cause recorded (errLoad at
  // least), raised as EXError when raise is set. The base loads nothing and
  // fails.
  virtual bool LoadFromStream(TStream& stream, TXProgressItem* progress, bool raise);
  // Writes a new container with the groups into stream at StartOffset.
  // Failure as LoadFromStream, with errSave. The base fails.
  virtual bool SaveToStream(TStream& stream, TXProgressItem* progress, bool raise);
  // Adds the groups to the container in an existing file (creating the file
  // when it is missing). Failure as SaveToStream. The base fails.
  virtual bool SaveToFile(const std::string& file_name, TXProgressItem* progress, bool raise);
  // Appends the groups behind the container in an existing file (creating
  // the file when it is missing). The base saves with SaveToFile.
  virtual bool AppendToFile(const std::string& file_name, TXProgressItem* progress, bool raise);

  // LoadFromStream after clearing the groups (LoadMode 0) or as it is
  // (LoadMode 1); other modes fail with errLoad.
  bool LoadByMode(TStream& stream, TXProgressItem* progress, bool raise);
  // LoadByMode on the file, opened read-only with others denied writing.
  bool LoadFromFile(const std::string& file_name, TXProgressItem* progress, bool raise);
  // SaveToStream into a new file that replaces an existing one in one step
  // (TReplacementFile): on failure an existing file is as it was and no
  // new file is left.
  bool SaveToNewFile(const std::string& file_name, TXProgressItem* progress, bool raise);

 private:
  void ClearGroups();

  TPersistent* root_ = nullptr;
  int32_t value_ = 0;
  TXFilerParams params_{};
  std::string source_file_;
};

// The filer of record containers (TXQStream).
class TXRStreamFiler : public TXFiler {
 public:
  // The identity containers are written with and must carry to be loaded;
  // an empty one (values 0, no name) accepts every container.
  TXIdentity Identity;
  // The zlib level of the items written (TXRStream::SetCompressionLevel).
  int CompressionLevel = 2;
  // Borrowed: where the stored form of stream objects' bytes left in a
  // source is taken from when it was prepared ahead (nullptr: never).
  TXStoredItemProvider* StoredItems = nullptr;

  // Fails with errLoad (Extra: their number) when the container holds
  // damaged records, even though every group loaded what it found.
  bool LoadFromStream(TStream& stream, TXProgressItem* progress, bool raise) override;
  bool SaveToStream(TStream& stream, TXProgressItem* progress, bool raise) override;
  // Opens an existing file for reading and adding (the new records replace
  // its end record). The records are added to a copy that replaces the file
  // in one step once complete (TReplacementFile); on failure the file is as
  // it was.
  bool SaveToFile(const std::string& file_name, TXProgressItem* progress, bool raise) override;
  // Opens an existing file for appending: only its file header is read, and
  // new group records follow its chain; replaced as by SaveToFile.
  bool AppendToFile(const std::string& file_name, TXProgressItem* progress, bool raise) override;

  // Whether container may be loaded: an empty Identity accepts all; with a
  // name, the values 1-5 and the name must equal Identity's; without one,
  // the values 1-5.
  virtual bool CheckIdentity(TXRStream& container);
  // With a non-empty Identity: writes it into container's file header.
  virtual bool WriteIdentity(TXRStream& container);
  // Loads each TXRStreamFilerGroup, in order, one progress step each. A
  // group that fails does not stop the others; the first failure's code
  // stays on the error object and the result is false. A group whose name
  // is not in the container loads nothing and is no failure.
  virtual bool LoadGroups(TXRStream& container, TXProgressItem* progress);
  // Saves each TXRStreamFilerGroup likewise; a group that fails makes the
  // result false: a container missing part of a group is no saved tree.
  virtual bool SaveGroups(TXRStream& container, TXProgressItem* progress);

 private:
  bool SaveToExistingFile(const std::string& file_name, uint8_t mode, TXProgressItem* progress, bool raise);
};

// The "filer class" the entry points take: a virtual constructor.
using TXFilerClass = std::unique_ptr<TXFiler> (*)();
template <class F>
std::unique_ptr<TXFiler> FilerClass() {
  return std::make_unique<F>();
}

// Each entry point creates a filer of filer_class, calls Setup (root, value,
// params), performs one operation and frees the filer. On failure false with
// errLoad or errSave unless a code is already set; raised as EXError when
// raise is set.

// LoadFromFile; a missing file records errFileMissing (25).
bool LoadFileWith(const std::string& file_name, TXFilerClass filer_class, TPersistent* root, bool raise,
                  TXProgressItem* progress, const TXFilerParams& params = {}, int32_t value = 0);
// As LoadFileWith, with the container at start in the file (a package
// appended to a program).
bool LoadPackageWith(const std::string& file_name, TXFilerClass filer_class, TPersistent* root, bool raise,
                     TXProgressItem* progress, const TXFilerParams& params, int32_t value, int64_t start);
// LoadByMode on stream.
bool LoadStreamWith(TStream& stream, TXFilerClass filer_class, TPersistent* root, bool raise,
                    TXProgressItem* progress, const TXFilerParams& params = {}, int32_t value = 0);
// Whether the load that just failed failed only because its container held
// damaged records: the tree then holds what every intact record held, and
// nothing of the damaged ones.
bool LoadFailedOnDamagedRecords();

// SaveToNewFile.
bool SaveNewFileWith(const std::string& file_name, TXFilerClass filer_class, TPersistent* root, bool raise,
                     TXProgressItem* progress, const TXFilerParams& params = {}, int32_t value = 0);

}  // namespace xs
