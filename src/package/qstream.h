// The record container every user instantiates (see record_stream.h for the
// operations and record_format.h for the byte format).
#pragma once

#include <memory>

#include "package/record_stream.h"

namespace xs {

class TXQStream : public TXRStream {
 public:
  TXQStream();
  ~TXQStream() override;

  bool Reset() override;
  bool Load(TXProgressItem* progress) override;
  bool AddGroup(int32_t id, const std::string& name, TXProgressItem* progress, TStream* data) override;
  bool BeginHeader(int32_t group_id, int32_t kind, TXProgressItem* progress, int count) override;
  bool WriteItem(int32_t id, const void* buffer, TXProgressItem* progress, int64_t length) override;
  bool WriteItemFromStream(int32_t id, TStream& source, TXProgressItem* progress, int64_t count,
                           int64_t offset) override;
  bool WriteItemFromSource(int32_t id, TStream& source, TXProgressItem* progress) override;
  bool WriteStoredItem(int32_t id, const void* stored, int64_t length, uint32_t checksum,
                       TXProgressItem* progress) override;
  bool EndHeader(TXProgressItem* progress) override;
  bool ReadItem(const TXRHeaderObject& header, int index, TXProgressItem* progress, std::string& text) override;
  bool ReadItemToStream(const TXRHeaderObject& header, int index, TXProgressItem* progress,
                        TStream& destination, int64_t limit = kMaxBlockBytes) override;
  // With omAppend on a non-empty container: verifies only the file header
  // and continues writing at its tail, over a final end record or dangling
  // link; Groups stays empty.
  bool OpenEx(uint8_t mode, TStream* stream, bool raise, TXProgressItem* progress, int64_t start) override;
  bool OpenFileEx(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                  int64_t start) override;
  bool CopyTo(TStream& destination, TXProgressItem* progress, bool raise) override;

  // The header between BeginHeader and EndHeader, or nullptr.
  const TXRHeaderObject* WritingHeader() const { return writing_.get(); }

 protected:
  void WriteFileHeader() override;
  void OpenAppending() override;

 private:
  void ReadFileHeader();
  bool WalkChain(TXProgressItem* progress);
  void ReadRecord(int64_t offset, int64_t next);
  void ReadGroupRecord(int64_t offset, int64_t next, uint32_t checksum);
  void ReadHeaderRecord(int64_t offset, int64_t next, uint32_t checksum);
  void WriteEndRecord(int64_t at);
  void WriteLink(int64_t at, int64_t next);
  template <class Write>
  bool WriteNextItem(int32_t id, TXProgressItem* progress, Write write);

  std::unique_ptr<TXRHeaderObject> writing_;
  int written_ = 0;
  int64_t item_end_ = 0;  // container offset behind the last item written
};

}  // namespace xs
