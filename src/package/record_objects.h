// The in-memory records of a container: groups with their data and headers
// with their item tables. Their byte layout is documented in
// record_objects.cpp beside the code that reads it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/stream.h"
#include "package/record_format.h"

namespace xs {

class TXRObject {
 public:
  virtual ~TXRObject() = default;

  // Container offset of the record (its link + 16); 0 for a placeholder group.
  int64_t Offset = 0;
  // Container offset where the record and its data end (its link's Next).
  int64_t End = 0;
  // The record was read and verified, or written since the container opened.
  bool Loaded = false;
  // While not Loaded: the error code its read failed with (0 if none).
  int Failure = 0;
};

// One entry of a header's item table.
struct TXRItemEntry {
  uint32_t Checksum = 0;  // CRC32 of the item's bytes (0 for no bytes)
  int32_t ID = 0;         // negative: the stored bytes are a zlib stream
  int64_t Size = 0;       // stored bytes

  bool Compressed() const { return ID < 0; }
};

class TXRHeaderObject : public TXRObject {
 public:
  static constexpr int64_t kRecordSize = 36;
  static constexpr int64_t kBodySize = 28;

  uint32_t TableChecksum = 0;
  int32_t GroupID = 0;
  int32_t Kind = 0;
  bool Deleted = false;  // the copy made by CopyTo leaves the header out
  uint16_t Count = 0;
  // Count entries once Loaded; entries never written stay zero.
  std::vector<TXRItemEntry> Items;

  void EncodeBody(uint8_t* body) const;
  void DecodeBody(const uint8_t* body);
  std::vector<uint8_t> EncodeTable() const;
  // Container offset of item 0's bytes.
  int64_t DataOffset() const { return Offset + kRecordSize + kItemEntrySize * Count; }
  // Record, table and items, in bytes (valid once Loaded).
  int64_t Extent() const;

  // Reads the Count entries at container offset Offset + 36 and verifies
  // them. On success sets Loaded. On failure raises EXError: errChecksum
  // for a checksum mismatch, errLoad for a table or items that do not fit
  // within End or the stream (nothing is allocated for them then).
  void ReadTable(TStream& stream, int64_t start);
  // Writes the record (marker, checksum, body) and the table at Offset.
  void WriteRecord(TStream& stream, int64_t start, const TXMarkers& markers) const;
};

using TXRHeaderList = std::vector<std::unique_ptr<TXRHeaderObject>>;

class TXRGroupObject : public TXRObject {
 public:
  static constexpr int64_t kBodySize = 85;

  uint32_t DataChecksum = 0;  // CRC32 of the uncompressed data
  int32_t ID = 0;
  std::string Name;
  bool Deleted = false;  // the copy made by CopyTo leaves the group out
  int64_t DataSize = 0;  // stored (deflated) bytes of data
  TMemoryStream Data;    // the uncompressed data
  TXRHeaderList Headers;  // in file order

  virtual int64_t RecordSize() const { return 93; }
  // A group only named by a header's GroupID, its own record not (yet) met.
  bool IsPlaceholder() const { return Offset == 0; }

  void EncodeBody(uint8_t* body) const;
  void DecodeBody(const uint8_t* body);

  // Inflates the DataSize bytes behind the record into Data and verifies
  // DataChecksum. Loaded becomes the result. On failure Data is empty and
  // the error object holds errLoad (the data does not fit within End or the
  // stream, or cannot be inflated) or errChecksum.
  bool ReadData(TStream& stream, int64_t start);
  // Deflates Data (zlib default), sets DataSize, writes the record at
  // Offset followed by the deflated bytes. Raises on failure.
  void Write(TStream& stream, int64_t start, const TXMarkers& markers);
};

class TXRGroupList {
 public:
  size_t Count() const { return groups_.size(); }
  TXRGroupObject* operator[](size_t i) const { return groups_[i].get(); }
  auto begin() const { return groups_.begin(); }
  auto end() const { return groups_.end(); }

  // The first group with this id, or nullptr.
  TXRGroupObject* FindByID(int32_t id) const;
  // Appends group; a later group with an id already present is kept in the
  // list but FindByID still answers the first.
  TXRGroupObject* Add(std::unique_ptr<TXRGroupObject> group);
  // The group with this id, or a new placeholder for it (Loaded, no name).
  TXRGroupObject* FindOrAddPlaceholder(int32_t id);
  void Clear();

  // The group last found by name.
  TXRGroupObject* CurrentGroup = nullptr;

 private:
  std::vector<std::unique_ptr<TXRGroupObject>> groups_;
  std::unordered_map<int32_t, TXRGroupObject*> by_id_;
};

}  // namespace xs
