#include "package/qstream.h"

#include <exception>

#include "base/error.h"
#include "base/little_endian.h"
#include "package/block_io.h"
#include "package/crc32.h"
#include "package/stream_at.h"

namespace xs {

TXQStream::TXQStream() { TXQStream::Reset(); }

TXQStream::~TXQStream() = default;

bool TXQStream::Reset() {
  writing_.reset();
  written_ = 0;
  item_end_ = 0;
  return TXRStream::Reset();
}

// --- file header -------------------------------------------------------------

void TXQStream::WriteFileHeader() {
  identity_.Version = 1;
  TXIdentityBody body = EncodeIdentity(identity_);
  uint8_t header[kFileHeaderSize] = {};
  PutU32(header, markers_.FileHeader);
  PutU32(header + 4, CRC32Update(0, body.data(), kIdentitySize));
  std::copy(body.begin(), body.end(), header + 8);
  WriteAt(*stream_, start_, header, kFileHeaderSize);
  if (Groups.Count() == 0 && !appending_) end_ = kFileHeaderSize;
}

void TXQStream::ReadFileHeader() {
  uint8_t head[kMarkerSize + kIdentitySize];
  ReadAt(*stream_, start_, head, sizeof head);
  identity_ = DecodeIdentity(head + kMarkerSize);
  auto reject = [this](int code, bool replace) {
    Close();
    if (replace)
      XError().SetError(code);
    else
      XError().SetFirstError(code);
    throw EXError(XError().GetCode());
  };
  if (identity_.Version != 1) reject(errIdentity, false);
  if (GetU32(head) != markers_.FileHeader || !VerifyCRC32Buffer(head + kMarkerSize, kIdentitySize, GetU32(head + 4)))
    reject(errChecksum, true);
  if (OnCheckHeader) {
    bool accept = true;
    try {
      OnCheckHeader(*this, accept);
    } catch (const std::exception&) {
      accept = false;
    }
    // The handler may have recorded why; the rejection itself is the code.
    if (!accept) reject(errChecksum, true);
  }
}

// --- opening -----------------------------------------------------------------

bool TXQStream::OpenEx(uint8_t mode, TStream* stream, bool raise, TXProgressItem* progress, int64_t start) {
  XError().Clear();
  Reset();
  return XError().CheckFirstError(Attach(mode, stream, progress, start, true), errLoad, raise);
}

bool TXQStream::OpenFileEx(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                           int64_t start) {
  return OpenFileWith(mode, file_name, raise, progress, start, true);
}

void TXQStream::OpenAppending() {
  appending_ = true;
  ReadFileHeader();
  end_ = std::max(stream_->Size() - start_, kFileHeaderSize);
  // The next record replaces a closing end record, or a link that leads
  // nowhere.
  if (end_ >= kFileHeaderSize + kEndRecordSize) {
    uint8_t tail[kEndRecordSize];
    ReadAt(*stream_, start_ + end_ - kEndRecordSize, tail, kEndRecordSize);
    uint32_t marker = GetU32(tail);
    if (marker == markers_.End || marker == markers_.Link) end_ -= kEndRecordSize;
  }
}

// --- reading items -----------------------------------------------------------

bool TXQStream::ReadItemToStream(const TXRHeaderObject& header, int index, TXProgressItem* progress,
                                 TStream& destination, int64_t limit) {
  XError().Clear();
  bool ok = false;
  if (CanRead() && index >= 0 && index < header.Count) {
    last_read_count_ = header.Count;
    if (auto span = ItemSpan(header, index)) {
      const TXRItemEntry& e = span->Entry;
      ok = ReadStreamWithCRC(*stream_, destination, e.Compressed(), false, progress, e.Size, span->Position,
                             e.Checksum, limit);
    } else {
      XError().SetError(header.Loaded || header.Failure == 0 ? errLoad : header.Failure);
    }
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, errLoad);
}

bool TXQStream::ReadItem(const TXRHeaderObject& header, int index, TXProgressItem* progress, std::string& text) {
  TMemoryStream bytes;
  bool ok = ReadItemToStream(header, index, progress, bytes);
  if (ok) text.assign(bytes.Bytes().begin(), bytes.Bytes().end());
  return ok;
}

// --- compacted copy ----------------------------------------------------------

bool TXQStream::CopyTo(TStream& destination, TXProgressItem* progress, bool raise) {
  XError().Clear();
  if (!CanRead()) {
    PxFinish(progress);
    return XError().CheckError(false, errLoad, raise);
  }
  bool ok = false;
  try {
    uint32_t headers = 0;
    for (const auto& g : Groups)
      for (const auto& h : g->Headers) headers += h->Loaded && !h->Deleted;
    PxSetMax(progress, headers);

    uint8_t file_header[kFileHeaderSize];
    ReadAt(*stream_, start_, file_header, kFileHeaderSize);
    WriteAt(destination, 0, file_header, kFileHeaderSize);
    int64_t pos = kFileHeaderSize;
    // Records travel byte for byte, so their checksums hold; only the links
    // are new.
    auto copy_record = [&](int64_t offset, int64_t extent) {
      int64_t next = pos + kLinkSize + extent;
      TXLinkRecord link = EncodeLink(markers_, next);
      destination.WriteBuffer(link.data(), kLinkSize);
      SeekExactly(*stream_, start_ + offset);
      destination.CopyFrom(*stream_, extent);
      pos = next;
    };
    for (const auto& g : Groups) {
      if (!g->Loaded || g->Deleted) continue;
      // A placeholder has no record of its own: its headers alone travel,
      // and a reader makes the placeholder again.
      if (!g->IsPlaceholder()) copy_record(g->Offset, g->RecordSize() + g->DataSize);
      for (const auto& h : g->Headers) {
        if (!h->Loaded || h->Deleted) continue;
        copy_record(h->Offset, h->Extent());
        PxStep(progress);
      }
    }
    TXLinkRecord end = EncodeEndRecord(markers_);
    destination.WriteBuffer(end.data(), kEndRecordSize);
    ok = true;
  } catch (const std::exception&) {
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave, raise);
}

}  // namespace xs
