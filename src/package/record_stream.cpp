#include "package/record_stream.h"

#include <algorithm>
#include <exception>

#include "base/error.h"
#include "package/stream_at.h"
#include "platform/file_stream.h"

namespace xs {

TXRStream::TXRStream() {
  SetMarkerPrefix(kDefaultMarkerPrefix);
  TXRStream::Reset();
}

TXRStream::~TXRStream() = default;

void TXRStream::SetMarkerPrefix(uint32_t prefix) { markers_ = MakeMarkers(prefix); }

bool TXRStream::Reset() {
  owned_file_.reset();
  stream_ = nullptr;
  Groups.Clear();
  identity_.Version = 1;
  start_ = 0;
  end_ = 0;
  opened_ = appending_ = damaged_ = complete_ = false;
  mode_ = 0;
  damaged_records_ = 0;
  last_read_count_ = 0;
  return false;
}

void TXRStream::Close() {
  opened_ = false;
  appending_ = false;
  Reset();
}

// --- opening ---------------------------------------------------------------

bool TXRStream::Attach(uint8_t mode, TStream* stream, TXProgressItem* progress, int64_t start,
                       bool allow_append) {
  bool ok = false;
  if (stream && start >= 0) {
    opened_ = true;
    stream_ = stream;
    mode_ = mode;
    start_ = start;
    bool writing_header = false;
    try {
      int64_t size = stream->Size();
      writing_header = (mode & omCreate) || ((mode & omAppend) && size == start);
      if (writing_header) {
        WriteFileHeader();
        ok = true;
      } else if (allow_append && (mode & omAppend)) {
        OpenAppending();
        ok = true;
      } else {
        ok = Load(progress);
      }
    } catch (const EXError&) {
      ok = false;
    } catch (const std::exception&) {
      XError().SetFirstError(writing_header ? errSave : errPastEnd);
      ok = false;
    }
  }
  PxFinish(progress);
  return ok;
}

bool TXRStream::Open(uint8_t mode, TStream* stream, bool raise, TXProgressItem* progress, int64_t start) {
  XError().Clear();
  Reset();
  return XError().CheckFirstError(Attach(mode, stream, progress, start, false), errLoad, raise);
}

bool TXRStream::OpenFileWith(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                             int64_t start, bool allow_append) {
  XError().Clear();
  Reset();
  try {
    bool exists = FileExists(file_name);
    FileMode access = (mode & omCreate)   ? (start > 0 && exists ? FileMode::OpenReadWrite : FileMode::Create)
                      : (mode & omAppend) ? (exists ? FileMode::OpenReadWrite : FileMode::Create)
                      : (mode & omWrite)  ? FileMode::OpenReadWrite
                                          : FileMode::OpenRead;
    owned_file_ = std::make_unique<TFileStream>(file_name, access);
  } catch (const std::exception&) {
  }
  bool ok = false;
  if (owned_file_) {
    // Attach may close (and so free the file) when the header is rejected.
    TStream* file = owned_file_.get();
    ok = Attach(mode, file, progress, start, allow_append);
  } else {
    PxFinish(progress);
  }
  if (!ok) Close();
  return XError().CheckFirstError(ok, errLoad, raise);
}

bool TXRStream::OpenFile(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                         int64_t start) {
  return OpenFileWith(mode, file_name, raise, progress, start, false);
}

bool TXRStream::OpenEx(uint8_t mode, TStream* stream, bool raise, TXProgressItem* progress, int64_t start) {
  return Open(mode, stream, raise, progress, start);
}

bool TXRStream::OpenFileEx(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                           int64_t start) {
  return OpenFile(mode, file_name, raise, progress, start);
}

// --- identity --------------------------------------------------------------

void TXRStream::SetIdentity(const TXIdentity& identity) {
  identity_ = identity;
  identity_.Version = 1;
  identity_.Name = ShortName(identity.Name);
}

bool TXRStream::RewriteFileHeader(bool raise) {
  XError().Clear();
  bool ok = false;
  if (CanWrite()) {
    try {
      WriteFileHeader();
      ok = true;
    } catch (const std::exception&) {
    }
  }
  return XError().CheckFirstError(ok, errSave, raise);
}

bool TXRStream::CheckIdentity3(int32_t v1, int32_t v2, int32_t v3, bool raise) {
  XError().Clear();
  const int32_t* v = identity_.Values;
  return XError().CheckError(opened_ && v[0] == v1 && v[1] == v2 && v[2] == v3, errIdentity, raise);
}

bool TXRStream::CheckIdentity5(const int32_t (&values)[5], bool raise) {
  XError().Clear();
  bool same = std::equal(std::begin(values), std::end(values), identity_.Values);
  return XError().CheckError(opened_ && same, errIdentity, raise);
}

bool TXRStream::CheckIdentity(const TXIdentity& identity, bool raise) {
  XError().Clear();
  bool same = std::equal(std::begin(identity.Values), std::end(identity.Values), identity_.Values) &&
              identity_.Name == ShortName(identity.Name);
  return XError().CheckError(opened_ && same, errIdentity, raise);
}

// --- lookup ----------------------------------------------------------------

TXRGroupObject* TXRStream::FindGroup(const std::string& name) {
  std::string key = ShortName(name);
  TXRGroupObject* current = Groups.CurrentGroup;
  if (!current || current->Name != key) {
    auto it = std::find_if(Groups.begin(), Groups.end(), [&](const auto& g) { return g->Name == key; });
    current = it == Groups.end() ? nullptr : it->get();
  }
  Groups.CurrentGroup = current;
  return current;
}

int32_t TXRStream::NextGroupID() const {
  int32_t top = 0;
  for (const auto& g : Groups) top = std::max(top, g->ID);
  return top == INT32_MAX ? top : top + 1;
}

TXRHeaderObject* TXRStream::FindHeader(const std::string& group, int header_index) {
  TXRGroupObject* g = FindGroup(group);
  if (!g || header_index < 0 || static_cast<size_t>(header_index) >= g->Headers.size()) return nullptr;
  return g->Headers[header_index].get();
}

std::optional<TXItemSpan> TXRStream::ItemSpan(const TXRHeaderObject& header, int index) {
  if (!stream_ || !header.Loaded || index < 0 || index >= header.Count || header.Items.size() != header.Count)
    return std::nullopt;
  int64_t pos = header.DataOffset();
  for (int i = 0; i < index; ++i)
    if (!CheckedAdd(pos, header.Items[i].Size, pos)) return std::nullopt;
  const TXRItemEntry& entry = header.Items[index];
  int64_t end = 0, absolute = 0, absolute_end = 0;
  if (entry.Size < 0 || !CheckedAdd(pos, entry.Size, end) || end > header.End || !CheckedAdd(start_, pos, absolute) ||
      !CheckedAdd(absolute, entry.Size, absolute_end) || absolute_end > stream_->Size())
    return std::nullopt;
  return TXItemSpan{absolute, entry};
}

// --- named writes ----------------------------------------------------------

void TXRStream::SetCompressionLevel(int level_index) { compression_level_ = std::clamp(level_index, 1, 3); }

bool TXRStream::AddGroupByName(const std::string& name, const std::string& data, bool raise,
                               TXProgressItem* progress) {
  XError().Clear();
  bool ok = true;
  if (FindGroup(name)) {
    PxFinish(progress);
  } else {
    TMemoryStream bytes(std::vector<uint8_t>(data.begin(), data.end()));
    ok = AddGroup(NextGroupID(), name, progress, &bytes);
  }
  return XError().CheckFirstError(ok, errSave, raise);
}

bool TXRStream::BeginHeaderByName(const std::string& name, int32_t kind, bool raise, TXProgressItem* progress,
                                  int count) {
  XError().Clear();
  TXRGroupObject* g = FindGroup(name);
  bool ok = g && BeginHeader(g->ID, kind, progress, count);
  if (!g) PxFinish(progress);
  return XError().CheckFirstError(ok, errSave, raise);
}

bool TXRStream::EndHeaderChecked(TXProgressItem* progress, bool raise) {
  return XError().CheckFirstError(EndHeader(progress), errSave, raise);
}

bool TXRStream::WriteStreamItem(int32_t id, TStream& stream, bool raise, TXProgressItem* progress) {
  XError().Clear();
  bool ok = false;
  try {
    int64_t size = stream.Size();
    ok = WriteItemFromStream(id, stream, progress, size, 0);
  } catch (const std::exception&) {
    PxFinish(progress);
  }
  return XError().CheckFirstError(ok, errSave, raise);
}

bool TXRStream::WriteStringItem(int32_t id, const std::string& text, bool raise, TXProgressItem* progress) {
  TMemoryStream bytes(std::vector<uint8_t>(text.begin(), text.end()));
  return WriteStreamItem(id, bytes, raise, progress);
}

bool TXRStream::WriteSingleItemHeader(const std::string& name, int32_t kind, bool raise,
                                      TXProgressItem* progress, TStream& stream, int32_t id) {
  XError().Clear();
  bool ok = BeginHeaderByName(name, kind, false, PxBeginChild(progress, 10), 1) &&
            WriteStreamItem(id, stream, false, PxBeginChild(progress, 80)) &&
            EndHeaderChecked(PxBeginChild(progress, 10), false);
  PxFinish(progress);
  return XError().CheckFirstError(ok, errSave, raise);
}

// --- named reads -----------------------------------------------------------

bool TXRStream::ReadItemByName(const std::string& group, int header_index, bool raise, TXProgressItem* progress,
                               TStream& destination, int item_index, int64_t limit) {
  XError().Clear();
  TXRHeaderObject* h = FindHeader(group, header_index);
  bool ok = h && ReadItemToStream(*h, item_index, progress, destination, limit);
  if (!h) PxFinish(progress);
  return XError().CheckFirstError(ok, errLoad, raise);
}

bool TXRStream::ReadStringItem(const std::string& group, int header_index, bool raise, TXProgressItem* progress,
                               std::string& text, int item_index) {
  TMemoryStream bytes;
  bool ok = ReadItemByName(group, header_index, raise, progress, bytes, item_index);
  if (ok) text.assign(bytes.Bytes().begin(), bytes.Bytes().end());
  return ok;
}

bool TXRStream::ReadItemChecked(const std::string& group, int32_t expected_id, bool raise,
                                TXProgressItem* progress, TStream& destination, int item_index,
                                int header_index) {
  XError().Clear();
  TXRHeaderObject* h = FindHeader(group, header_index);
  auto magnitude = [](int32_t v) { return v < 0 ? -int64_t{v} : int64_t{v}; };
  bool match = h && h->Loaded && item_index >= 0 && item_index < h->Count && h->Items.size() == h->Count &&
               magnitude(h->Items[item_index].ID) == magnitude(expected_id);
  bool ok = match && ReadItemToStream(*h, item_index, progress, destination);
  if (!match) PxFinish(progress);
  return XError().CheckFirstError(ok, errLoad, raise);
}

}  // namespace xs
