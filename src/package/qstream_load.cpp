// Walking a container's chain: file header, then link after link to the end
// record. Only record headers and tables are read; items are skipped by
// following the links.
#include <algorithm>
#include <exception>

#include "base/error.h"
#include "base/little_endian.h"
#include "package/crc32.h"
#include "package/qstream.h"
#include "package/stream_at.h"

namespace xs {

bool TXQStream::Load(TXProgressItem* progress) {
  XError().Clear();
  Groups.Clear();
  complete_ = false;
  damaged_records_ = 0;
  bool ok = false;
  try {
    if (!stream_) XError().SetFirstError(errLoad, 0, true);
    ReadFileHeader();
    end_ = kFileHeaderSize;
    ok = WalkChain(progress);
    if (!ok) XError().SetFirstError(errNoEndMarker);
  } catch (const EXError&) {
  } catch (const std::exception&) {
    XError().SetFirstError(errPastEnd);
  }
  if (ok) {
    XError().Clear();
  } else {
    damaged_ = true;
    complete_ = false;
  }
  PxFinish(progress);
  return ok;
}

// Link (16 bytes): 0 marker "XXNQ", 4 CRC32 of the 8 bytes at 8, 8 Next.
// The end record carries the end marker where a link has its marker.
bool TXQStream::WalkChain(TXProgressItem* progress) {
  int64_t size = stream_->Size();
  while (end_ < size - start_) {
    uint8_t link[kLinkSize];
    ReadAt(*stream_, start_ + end_, link, kLinkSize);
    uint32_t marker = GetU32(link);
    if (marker == markers_.End) {
      complete_ = true;
      return true;
    }
    if (marker != markers_.Link) XError().SetFirstError(errChecksum, 0, true);
    VerifyCRC32Buffer(link + 8, 8, GetU32(link + 4), true);
    int64_t next = GetI64(link + 8), record = end_ + kLinkSize;
    // Every link must lead forward past its record's marker; anything else
    // is a loop or a backward link, and the chain is broken.
    if (next < record + kMarkerSize) XError().SetFirstError(errNoEndMarker, 0, true);
    ReadRecord(record, next);
    end_ = next;
    double reached = std::min(static_cast<double>(start_) + static_cast<double>(end_), static_cast<double>(size));
    PxSetPercent(progress, static_cast<int>(reached * 100.0 / static_cast<double>(size) + 0.5));
  }
  return false;
}

// A damaged group or header record is dropped (errLoad, or the more precise
// code already recorded), counted, and the walk goes on with the next link.
// A record of another kind is skipped as well; this program writes none, so
// it is counted as damage too: one changed byte of a group or header marker
// must not make a record vanish unnoticed.
void TXQStream::ReadRecord(int64_t offset, int64_t next) {
  try {
    uint8_t head[kMarkerSize];
    ReadAt(*stream_, start_ + offset, head, kMarkerSize);
    uint32_t marker = GetU32(head);
    if (marker == markers_.Group)
      ReadGroupRecord(offset, next, GetU32(head + 4));
    else if (marker == markers_.Header)
      ReadHeaderRecord(offset, next, GetU32(head + 4));
    else
      ++damaged_records_;
  } catch (const std::exception&) {
    XError().SetFirstError(errLoad);
    ++damaged_records_;
  }
}

void TXQStream::ReadGroupRecord(int64_t offset, int64_t next, uint32_t checksum) {
  auto group = std::make_unique<TXRGroupObject>();
  group->Offset = offset;
  group->End = next;
  if (next - offset < group->RecordSize()) XError().SetFirstError(errLoad, 0, true);
  uint8_t body[TXRGroupObject::kBodySize];
  ReadAt(*stream_, start_ + offset + kMarkerSize, body, sizeof body);
  VerifyCRC32Buffer(body, sizeof body, checksum, true);
  group->DecodeBody(body);

  TXRGroupObject* target = Groups.FindByID(group->ID);
  if (target) {
    // The first record with an id wins; a placeholder made for headers that
    // came first is completed by it.
    if (!target->IsPlaceholder()) return;
    target->Offset = offset;
    target->End = next;
    target->DecodeBody(body);
  } else {
    target = Groups.Add(std::move(group));
  }
  if (!target->ReadData(*stream_, start_)) ++damaged_records_;
}

void TXQStream::ReadHeaderRecord(int64_t offset, int64_t next, uint32_t checksum) {
  auto header = std::make_unique<TXRHeaderObject>();
  header->Offset = offset;
  header->End = next;
  if (next - offset < TXRHeaderObject::kRecordSize) XError().SetFirstError(errLoad, 0, true);
  uint8_t body[TXRHeaderObject::kBodySize];
  ReadAt(*stream_, start_ + offset + kMarkerSize, body, sizeof body);
  VerifyCRC32Buffer(body, sizeof body, checksum, true);
  header->DecodeBody(body);

  // A damaged table leaves the header in its group (not Loaded), so that
  // the headers after it keep their indexes.
  TXRGroupObject* group = Groups.FindOrAddPlaceholder(header->GroupID);
  TXRHeaderObject* h = header.get();
  group->Headers.push_back(std::move(header));
  try {
    h->ReadTable(*stream_, start_);
  } catch (const std::exception&) {
    h->Failure = XError().GetCode() != errNone ? XError().GetCode() : errLoad;
    throw;
  }
}

}  // namespace xs
