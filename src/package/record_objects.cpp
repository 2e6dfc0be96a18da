// Group record (93 bytes), followed by its data:
//    0  4  marker "XXGQ"
//    4  4  CRC32 of the 85-byte body at 8..92
//    8  4  DataChecksum: CRC32 of the uncompressed data (0 when empty)
//   12  4  ID, signed, unique within the container, counted from 1
//   16 51  Name, short string of at most 50 characters
//   67 18  reserved, zero; the byte at 68 is the deleted mark
//   85  8  DataSize, signed: length of the zlib stream that follows
//   93     the group data, deflated at the zlib default level
//
// Header record (36 bytes), followed by its item table and item data:
//    0  4  marker "XXHQ"
//    4  4  CRC32 of the 28-byte body at 8..35
//    8  4  TableChecksum: CRC32 of the Count x 16 bytes of the table
//   12  4  GroupID: the ID of the group the header belongs to
//   16  4  Kind: a tag of the writer, returned unchanged
//   20  6  reserved, zero; the byte at 21 is the deleted mark
//   26  2  Count, unsigned: number of item entries
//   28  8  reserved, zero
//   36     item table, Count entries of 16 bytes:
//            0 4 Checksum: CRC32 of the item's uncompressed bytes
//            4 4 ID, signed: negative means the bytes are a zlib stream
//            8 8 Size, signed: number of stored bytes
//          then the items' bytes, item 0 first, each exactly Size bytes.
#include "package/record_objects.h"

#include <algorithm>

#include "base/error.h"
#include "base/little_endian.h"
#include "package/block_io.h"
#include "package/compression.h"
#include "package/crc32.h"
#include "package/stream_at.h"

namespace xs {

namespace {
// Group body offsets (record offset - 8).
constexpr int kGroupChecksum = 0, kGroupID = 4, kGroupName = 8, kGroupDeleted = 60, kGroupDataSize = 77;
// Header body offsets (record offset - 8).
constexpr int kHeaderTable = 0, kHeaderGroup = 4, kHeaderKind = 8, kHeaderDeleted = 13, kHeaderCount = 18;


// Writes marker, CRC32 of body, body at pos.
template <size_t N>
void WriteRecordHead(TStream& stream, int64_t pos, uint32_t marker, const uint8_t (&body)[N]) {
  uint8_t head[kMarkerSize];
  PutU32(head, marker);
  PutU32(head + 4, CRC32Update(0, body, N));
  WriteAt(stream, pos, head, kMarkerSize);
  stream.WriteBuffer(body, N);
}
}  // namespace

// --- header ----------------------------------------------------------------

void TXRHeaderObject::EncodeBody(uint8_t* body) const {
  std::fill(body, body + kBodySize, uint8_t{0});
  PutU32(body + kHeaderTable, TableChecksum);
  PutI32(body + kHeaderGroup, GroupID);
  PutI32(body + kHeaderKind, Kind);
  body[kHeaderDeleted] = Deleted ? 1 : 0;
  PutU16(body + kHeaderCount, Count);
}

void TXRHeaderObject::DecodeBody(const uint8_t* body) {
  TableChecksum = GetU32(body + kHeaderTable);
  GroupID = GetI32(body + kHeaderGroup);
  Kind = GetI32(body + kHeaderKind);
  Deleted = body[kHeaderDeleted] != 0;
  Count = GetU16(body + kHeaderCount);
}

std::vector<uint8_t> TXRHeaderObject::EncodeTable() const {
  std::vector<uint8_t> table(static_cast<size_t>(kItemEntrySize * Count));
  for (size_t i = 0; i < Items.size() && i < Count; ++i) {
    uint8_t* e = table.data() + kItemEntrySize * i;
    PutU32(e, Items[i].Checksum);
    PutI32(e + 4, Items[i].ID);
    PutI64(e + 8, Items[i].Size);
  }
  return table;
}

int64_t TXRHeaderObject::Extent() const {
  int64_t extent = kRecordSize + kItemEntrySize * Count;
  for (const TXRItemEntry& e : Items) extent += e.Size;
  return extent;
}

void TXRHeaderObject::ReadTable(TStream& stream, int64_t start) {
  Loaded = false;
  Items.clear();
  int64_t table_size = kItemEntrySize * Count, data = DataOffset(), limit = 0;
  if (data > End || !CheckedAdd(start, data, limit) || limit > stream.Size()) XError().SetFirstError(errLoad, 0, true);
  std::vector<uint8_t> table(static_cast<size_t>(table_size));
  ReadAt(stream, start + Offset + kRecordSize, table.data(), table_size);
  VerifyCRC32Buffer(table.data(), table_size, TableChecksum, true);

  std::vector<TXRItemEntry> items(Count);
  int64_t end = data;
  for (size_t i = 0; i < items.size(); ++i) {
    const uint8_t* e = table.data() + kItemEntrySize * i;
    items[i] = {GetU32(e), GetI32(e + 4), GetI64(e + 8)};
    // Items must lie inside the record; the chain's next link follows them.
    if (items[i].Size < 0 || !CheckedAdd(end, items[i].Size, end) || end > End) XError().SetFirstError(errLoad, 0, true);
  }
  Items = std::move(items);
  Loaded = true;
  Failure = 0;
}

void TXRHeaderObject::WriteRecord(TStream& stream, int64_t start, const TXMarkers& markers) const {
  uint8_t body[kBodySize];
  EncodeBody(body);
  WriteRecordHead(stream, start + Offset, markers.Header, body);
  std::vector<uint8_t> table = EncodeTable();
  stream.WriteBuffer(table.data(), static_cast<int64_t>(table.size()));
}

// --- group -----------------------------------------------------------------

void TXRGroupObject::EncodeBody(uint8_t* body) const {
  std::fill(body, body + kBodySize, uint8_t{0});
  PutU32(body + kGroupChecksum, DataChecksum);
  PutI32(body + kGroupID, ID);
  PutShortString(body + kGroupName, Name);
  body[kGroupDeleted] = Deleted ? 1 : 0;
  PutI64(body + kGroupDataSize, DataSize);
}

void TXRGroupObject::DecodeBody(const uint8_t* body) {
  DataChecksum = GetU32(body + kGroupChecksum);
  ID = GetI32(body + kGroupID);
  Name = GetShortString(body + kGroupName);
  Deleted = body[kGroupDeleted] != 0;
  DataSize = GetI64(body + kGroupDataSize);
}

bool TXRGroupObject::ReadData(TStream& stream, int64_t start) {
  Data.Clear();
  int64_t data = Offset + RecordSize(), end = 0, limit = 0;
  bool fits = DataSize >= 0 && CheckedAdd(data, DataSize, end) && end <= End && CheckedAdd(start, end, limit) &&
              limit <= stream.Size();
  Loaded = fits ? ReadStreamWithCRC(stream, Data, true, false, nullptr, DataSize, start + data, DataChecksum)
                : XError().CheckError(false, errLoad);
  Failure = Loaded ? 0 : XError().GetCode();
  if (!Loaded) Data.Clear();
  return Loaded;
}

void TXRGroupObject::Write(TStream& stream, int64_t start, const TXMarkers& markers) {
  TMemoryStream packed;
  TXCompressionStream z(packed, 2);
  z.Compress(Data.Bytes().data(), Data.Size(), nullptr);
  z.Finish();
  DataSize = packed.Size();
  uint8_t body[kBodySize];
  EncodeBody(body);
  WriteRecordHead(stream, start + Offset, markers.Group, body);
  stream.WriteBuffer(packed.Bytes().data(), packed.Size());
}

// --- group list ------------------------------------------------------------

TXRGroupObject* TXRGroupList::FindByID(int32_t id) const {
  auto it = by_id_.find(id);
  return it == by_id_.end() ? nullptr : it->second;
}

TXRGroupObject* TXRGroupList::Add(std::unique_ptr<TXRGroupObject> group) {
  groups_.push_back(std::move(group));
  by_id_.emplace(groups_.back()->ID, groups_.back().get());
  return groups_.back().get();
}

TXRGroupObject* TXRGroupList::FindOrAddPlaceholder(int32_t id) {
  if (TXRGroupObject* g = FindByID(id)) return g;
  auto g = std::make_unique<TXRGroupObject>();
  g->ID = id;
  g->Loaded = true;
  return Add(std::move(g));
}

void TXRGroupList::Clear() {
  CurrentGroup = nullptr;
  by_id_.clear();
  groups_.clear();
}

}  // namespace xs
