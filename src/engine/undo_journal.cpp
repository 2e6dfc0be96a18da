#include "engine/undo_journal.h"

#include <cstring>
#include <vector>

#include "base/little_endian.h"
#include "base/stream.h"
#include "package/class_registry.h"
#include "package/crc32.h"
#include "package/object_text_parser.h"
#include "package/object_text_reader.h"
#include "package/object_text_writer.h"
#include "platform/file_system.h"
#include "platform/replacement_file.h"

namespace xs {
namespace {

constexpr char kJournalMagic[4] = {'X', 'S', 'J', '1'};
constexpr int64_t kRecordHeadSize = 8;

// Writing only reads the object; the writer takes a mutable one for the
// reader's sake.
std::string ObjectText(const TPersistent& object) { return WriteObjectText(const_cast<TPersistent&>(object)); }

void WriteRecord(TStream& stream, const std::string& text) {
  if (text.empty() || static_cast<int64_t>(text.size()) > kMaxJournalRecord)
    throw EStreamError("journal record of " + std::to_string(text.size()) + " bytes");
  std::vector<uint8_t> bytes(kRecordHeadSize + text.size());
  PutU32(bytes.data(), static_cast<uint32_t>(text.size()));
  PutU32(bytes.data() + 4, CRC32Update(0, text.data(), static_cast<int64_t>(text.size())));
  std::memcpy(bytes.data() + kRecordHeadSize, text.data(), text.size());
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

// The next record's text; false at the end, on a cut or damaged record.
bool ReadRecord(TStream& stream, std::string& text) {
  uint8_t head[kRecordHeadSize];
  if (stream.Read(head, kRecordHeadSize) != kRecordHeadSize) return false;
  const uint32_t size = GetU32(head);
  if (size == 0 || size > kMaxJournalRecord) return false;
  text.resize(size);
  if (stream.Read(text.data(), size) != size) return false;
  return CRC32Update(0, text.data(), size) == GetU32(head + 4);
}

// The item a record's text describes; nullptr for a text that names no item
// class.
std::unique_ptr<TXUICustomItem> ItemFromText(const std::string& text) {
  TTextObject parsed = ParseObjectText(text);
  const TClass* cls = FindObjectClass(parsed.class_name);
  std::unique_ptr<TPersistent> object = cls ? cls->Create() : nullptr;
  if (!dynamic_cast<TXUICustomItem*>(object.get())) return nullptr;
  std::unique_ptr<TXUICustomItem> item(static_cast<TXUICustomItem*>(object.release()));
  ApplyObjectText(parsed, *item);
  return item;
}

}  // namespace

std::string JournalFileName(const std::string& log_file) { return log_file + ".journal"; }

TXUndoJournal::TXUndoJournal(const std::string& file_name, TXUndo& log, const TXUndo& carried)
    : file_name_(file_name) {
  TXUndo head;
  head.Assign(log);
  head.Items.Clear();
  {
    TReplacementFile journal(file_name);
    journal.Stream().WriteBuffer(kJournalMagic, sizeof kJournalMagic);
    WriteRecord(journal.Stream(), ObjectText(head));
    for (int i = 0; i < carried.Items.Count(); ++i) WriteRecord(journal.Stream(), ObjectText(*carried.Items.GetItem(i)));
    if (!journal.Commit()) throw EFOpenError(file_name, 0);
  }
  file_ = std::make_unique<TFileStream>(file_name, FileMode::OpenReadWrite);
  file_->Seek(0, SeekOrigin::End);
}

void TXUndoJournal::Append(const TXUICustomItem& record) {
  if (!file_) throw EStreamError("journal closed: " + file_name_);
  // Written straight through to the system, which keeps it when the process
  // is killed. A flush to the disk for each record would cost more than the
  // changes it guards.
  WriteRecord(*file_, ObjectText(record));
}

bool TXUndoJournal::Remove() {
  file_.reset();
  return RemoveFile(file_name_) || !FileExists(file_name_);
}

bool LoadUndoJournal(const std::string& file_name, TXUndo& journal) {
  if (!FileExists(file_name)) return false;
  TFileStream file(file_name, FileMode::OpenRead);
  char magic[sizeof kJournalMagic];
  std::string text;
  if (file.Read(magic, sizeof magic) != sizeof magic || std::memcmp(magic, kJournalMagic, sizeof magic) != 0 ||
      !ReadRecord(file, text))
    return false;
  try {
    ReadObjectText(text, journal);
  } catch (const std::exception&) {
    journal.Clear();
    return false;
  }
  journal.Items.Clear();
  for (int n = 0; n < kMaxJournalRecords && ReadRecord(file, text); ++n) {
    std::unique_ptr<TXUICustomItem> item;
    try {
      item = ItemFromText(text);
    } catch (const std::exception&) {
      break;
    }
    if (!item) break;
    journal.AddItem(std::move(item));
  }
  return true;
}

}  // namespace xs
