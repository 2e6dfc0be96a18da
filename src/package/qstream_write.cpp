// Writing records. After each completed AddGroup or EndHeader the stream
// ends in a valid chain: each of them finishes with the end record behind
// what it added.
#include <exception>

#include "base/error.h"
#include "package/block_io.h"
#include "package/crc32.h"
#include "package/qstream.h"
#include "package/stream_at.h"

namespace xs {

void TXQStream::WriteEndRecord(int64_t at) {
  TXLinkRecord end = EncodeEndRecord(markers_);
  WriteAt(*stream_, start_ + at, end.data(), kEndRecordSize);
}

void TXQStream::WriteLink(int64_t at, int64_t next) {
  TXLinkRecord link = EncodeLink(markers_, next);
  WriteAt(*stream_, start_ + at, link.data(), kLinkSize);
}

bool TXQStream::AddGroup(int32_t id, const std::string& name, TXProgressItem* progress, TStream* data) {
  XError().Clear();
  bool ok = false;
  if (CanWrite()) {
    try {
      // A header still open is not in the chain yet; the group takes its place.
      writing_.reset();
      WriteEndRecord(end_);
      auto group = std::make_unique<TXRGroupObject>();
      group->Loaded = true;
      group->Offset = end_ + kLinkSize;
      group->ID = id;
      group->Name = ShortName(name);
      if (data) group->Data.LoadFromStream(*data);
      group->DataChecksum = CRC32Update(0, group->Data.Bytes().data(), group->Data.Size());
      group->Write(*stream_, start_, markers_);
      int64_t next = group->Offset + group->RecordSize() + group->DataSize;
      WriteLink(end_, next);
      end_ = next;
      WriteEndRecord(end_);
      group->End = next;
      // Headers written before their group joined a placeholder; the record
      // completes it, as it will for a reader.
      TXRGroupObject* placeholder = Groups.FindByID(id);
      if (placeholder && placeholder->IsPlaceholder()) {
        group->Headers = std::move(placeholder->Headers);
        *placeholder = std::move(*group);
      } else {
        Groups.Add(std::move(group));
      }
      ok = true;
    } catch (const std::exception&) {
    }
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave);
}

bool TXQStream::BeginHeader(int32_t group_id, int32_t kind, TXProgressItem* progress, int count) {
  XError().Clear();
  bool ok = false;
  if (CanWrite() && count >= 0 && count <= UINT16_MAX) {
    try {
      writing_.reset();
      WriteEndRecord(end_);
      auto header = std::make_unique<TXRHeaderObject>();
      header->Offset = end_ + kLinkSize;
      header->GroupID = group_id;
      header->Kind = kind;
      header->Count = static_cast<uint16_t>(count);
      header->Items.resize(header->Count);
      std::vector<uint8_t> table = header->EncodeTable();
      header->TableChecksum = CRC32Update(0, table.data(), static_cast<int64_t>(table.size()));
      header->WriteRecord(*stream_, start_, markers_);
      item_end_ = header->DataOffset();
      written_ = 0;
      writing_ = std::move(header);
      ok = true;
    } catch (const std::exception&) {
    }
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave);
}

template <class Write>
bool TXQStream::WriteNextItem(int32_t id, TXProgressItem* progress, Write write) {
  XError().Clear();
  bool ok = false;
  if (CanWrite() && writing_ && written_ < writing_->Count) {
    try {
      SeekExactly(*stream_, start_ + item_end_);
      int64_t begin = 0, stored = 0;
      uint32_t checksum = 0;
      ok = write(begin, stored, checksum, id < 0 ? compression_level_ : 0);
      if (ok) {
        writing_->Items[written_++] = {checksum, id, stored};
        item_end_ += stored;
      }
    } catch (const std::exception&) {
      ok = false;
    }
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave);
}

bool TXQStream::WriteItem(int32_t id, const void* buffer, TXProgressItem* progress, int64_t length) {
  return WriteNextItem(id, progress, [&](int64_t& begin, int64_t& stored, uint32_t& checksum, int level) {
    return WriteBufferWithCRC(*stream_, begin, stored, checksum, false, progress, level, length, buffer);
  });
}

bool TXQStream::WriteItemFromStream(int32_t id, TStream& source, TXProgressItem* progress, int64_t count,
                                    int64_t offset) {
  return WriteNextItem(id, progress, [&](int64_t& begin, int64_t& stored, uint32_t& checksum, int level) {
    return WriteStreamWithCRC(*stream_, begin, stored, checksum, false, progress, level, count, offset, source);
  });
}

bool TXQStream::WriteItemFromSource(int32_t id, TStream& source, TXProgressItem* progress) {
  return WriteNextItem(id, progress, [&](int64_t& begin, int64_t& stored, uint32_t& checksum, int level) {
    return WriteForwardWithCRC(*stream_, begin, stored, checksum, false, progress, level, source);
  });
}

bool TXQStream::WriteStoredItem(int32_t id, const void* stored_bytes, int64_t length, uint32_t checksum,
                                TXProgressItem* progress) {
  return WriteNextItem(id, progress, [&](int64_t& begin, int64_t& stored, uint32_t& sum, int) {
    sum = checksum;
    return WriteBlock(*stream_, begin, stored, false, progress, 0, length, stored_bytes);
  });
}

bool TXQStream::EndHeader(TXProgressItem* progress) {
  XError().Clear();
  bool ok = false;
  if (CanWrite() && writing_) {
    try {
      std::vector<uint8_t> table = writing_->EncodeTable();
      writing_->TableChecksum = CRC32Update(0, table.data(), static_cast<int64_t>(table.size()));
      writing_->WriteRecord(*stream_, start_, markers_);
      int64_t next = item_end_;
      WriteLink(end_, next);
      end_ = next;
      WriteEndRecord(end_);
      writing_->End = next;
      writing_->Loaded = true;
      // The header joins the group its GroupID names: the current group when
      // that is the one, as a reader will find it.
      TXRGroupObject* current = Groups.CurrentGroup;
      TXRGroupObject* group = current && current->ID == writing_->GroupID
                                  ? current
                                  : Groups.FindOrAddPlaceholder(writing_->GroupID);
      group->Headers.push_back(std::move(writing_));
      ok = true;
    } catch (const std::exception&) {
    }
  }
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave);
}

}  // namespace xs
