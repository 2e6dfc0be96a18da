// The record container: a chain of checksummed records (groups, headers
// with item tables and items) behind a file header, closed by an end record,
// starting at any offset of a larger stream. TXRStream is the interface the
// filers drive; TXQStream (qstream.h) implements it.
//
// Every public operation clears the error object first, finishes the
// progress item it was given (which may be nullptr), and on failure returns
// false with a code on the error object (base/error.h); operations with a
// raise flag then also throw EXError.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/progress.h"
#include "base/stream.h"
#include "package/block_io.h"
#include "package/record_format.h"
#include "package/record_objects.h"

namespace xs {

// Open mode bits. The filers use omRead to load, omCreate|omWrite to write a
// new container, omRead|omWrite to read and add, omAppend|omRead|omWrite to
// append.
enum : uint8_t {
  omCreate = 1,  // write a new file header at the start offset
  omAppend = 2,  // create when empty, else continue the container (OpenEx)
  omRead = 4,    // items may be read
  omWrite = 8,   // groups, headers and items may be written
};

// Where one item's stored bytes lie in the underlying stream.
struct TXItemSpan {
  int64_t Position = 0;  // absolute position in the underlying stream
  TXRItemEntry Entry;
};

class TXRStream {
 public:
  TXRStream();
  virtual ~TXRStream();
  TXRStream(const TXRStream&) = delete;
  TXRStream& operator=(const TXRStream&) = delete;

  // --- operations a container implements ---------------------------------

  // Stores the marker prefix and builds the five markers from it.
  virtual void SetMarkerPrefix(uint32_t prefix);
  // Frees an owned file, forgets the stream, empties Groups, Version := 1,
  // StartOffset := 0, clears flags, mode, Damaged and Complete. Returns false.
  virtual bool Reset();
  // Reads the file header, then walks the chain to the end record reading
  // every group and header record (not the items). On success Complete is
  // set. On failure Damaged is set and the records read so far stay in
  // Groups: errIdentity or errChecksum for the file header, errChecksum for
  // a bad link, errPastEnd for a read past the stream's end, errNoEndMarker
  // for a chain without end record (also a link that does not point beyond
  // its record), or the code of the last damaged record.
  // A damaged record behind an intact link does not end the walk, so that
  // the intact records around it can still be inspected and copied; it is
  // counted in DamagedRecords, and a reader that needs the whole container
  // must refuse it then.
  virtual bool Load(TXProgressItem* progress) = 0;
  // Writes a group record with a copy of all of data (nullptr: empty) and
  // appends it to Groups. On failure records errSave.
  virtual bool AddGroup(int32_t id, const std::string& name, TXProgressItem* progress, TStream* data) = 0;
  // Starts a header of count items for group_id; only one header may be
  // open. The chain still ends at the previous end record until EndHeader.
  // On failure records errSave.
  virtual bool BeginHeader(int32_t group_id, int32_t kind, TXProgressItem* progress, int count) = 0;
  // Writes the next item of the open header: deflated at CompressionLevel
  // for a negative id, else as it is. On failure (no open header, all Count
  // items written, a write failed) records errSave.
  virtual bool WriteItem(int32_t id, const void* buffer, TXProgressItem* progress, int64_t length) = 0;
  // As WriteItem with count bytes of source from offset (count 0: an empty
  // item that stores nothing).
  virtual bool WriteItemFromStream(int32_t id, TStream& source, TXProgressItem* progress, int64_t count,
                                   int64_t offset) = 0;
  // As WriteItem with all the bytes source gives from its position to its
  // end, read front to back once (a stream that cannot seek or tell its
  // size will do); the checksum is kept as they go by.
  virtual bool WriteItemFromSource(int32_t id, TStream& source, TXProgressItem* progress) = 0;
  // Writes the next item of the open header as it was prepared elsewhere:
  // stored is what the item holds (one zlib stream for a negative id, else
  // the bytes themselves), checksum the CRC32 of the bytes it gives. Errors
  // as WriteItem.
  virtual bool WriteStoredItem(int32_t id, const void* stored, int64_t length, uint32_t checksum,
                               TXProgressItem* progress) = 0;
  // Completes the open header: final table, link, end record; attaches it to
  // its group. On failure records errSave.
  virtual bool EndHeader(TXProgressItem* progress) = 0;
  // text := the bytes of item index of header. On failure records errLoad,
  // or errChecksum when the bytes do not match their checksum.
  virtual bool ReadItem(const TXRHeaderObject& header, int index, TXProgressItem* progress,
                        std::string& text) = 0;
  // Writes the bytes of item index of header to destination (which must be
  // empty; its position is set to 0), inflating through a window over
  // exactly the stored bytes so memory does not grow with the item. Errors
  // as ReadItem; an item that would give more than limit bytes (the size
  // its reader expects, at most kMaxBlockBytes when nothing declares it),
  // or whose zlib stream ends early, records errChecksum. On failure
  // nothing of the item is kept in a destination whose size can be set.
  virtual bool ReadItemToStream(const TXRHeaderObject& header, int index, TXProgressItem* progress,
                                TStream& destination, int64_t limit = kMaxBlockBytes) = 0;
  // Opens the container in stream (borrowed) at start: writes a file header
  // (omCreate, or omAppend on an empty stream) or loads it. On failure
  // records errLoad (or the load's code) and throws when raise is set.
  virtual bool Open(uint8_t mode, TStream* stream, bool raise, TXProgressItem* progress, int64_t start);
  // The same on a file the container opens and owns: omCreate writes into
  // an existing file when start > 0, else creates it; omAppend opens an
  // existing file or creates it; omWrite opens read-write exclusively;
  // otherwise read-only, others denied writing. Closes on failure.
  virtual bool OpenFile(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                        int64_t start);
  // As Open/OpenFile; TXQStream adds appending (omAppend on a non-empty
  // container).
  virtual bool OpenEx(uint8_t mode, TStream* stream, bool raise, TXProgressItem* progress, int64_t start);
  virtual bool OpenFileEx(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                          int64_t start);
  // Writes a compacted copy at offset 0 of destination: file header, then
  // every Loaded, undeleted group and its Loaded, undeleted headers. Needs
  // read access (else errLoad); other failures record errSave.
  virtual bool CopyTo(TStream& destination, TXProgressItem* progress, bool raise) = 0;

  // --- helpers the filers use --------------------------------------------

  void Close();
  bool CanRead() const { return opened_ && (mode_ & omRead); }
  bool CanWrite() const { return opened_ && (mode_ & omWrite); }

  // The identity the next file header written carries (Version 1).
  void SetIdentity(const TXIdentity& identity);
  // Writes the file header again with the current identity; the chain
  // behind it is untouched. Needs write access; failure: errSave.
  bool RewriteFileHeader(bool raise);
  const TXIdentity& Identity() const { return identity_; }
  // True when open and the stored values 1-3 (1-5; 1-5 and name) equal the
  // arguments; otherwise errIdentity.
  bool CheckIdentity3(int32_t v1, int32_t v2, int32_t v3, bool raise);
  bool CheckIdentity5(const int32_t (&values)[5], bool raise);
  bool CheckIdentity(const TXIdentity& identity, bool raise);

  // Makes the group named name (exact, case-sensitive, cut to 50
  // characters) the current group: the current one is tried first, then
  // the list from its start. Returns it, or nullptr (no current group).
  TXRGroupObject* FindGroup(const std::string& name);
  // 1 + the largest group id in Groups, or 1.
  int32_t NextGroupID() const;
  // Header header_index of the group named group, or nullptr.
  TXRHeaderObject* FindHeader(const std::string& group, int header_index);
  // Where item index of header lies; empty when the header is not Loaded,
  // index is out of range or the bytes do not fit within the header's
  // record and the stream.
  std::optional<TXItemSpan> ItemSpan(const TXRHeaderObject& header, int index);

  // Succeeds without writing when the group exists, else AddGroup with
  // NextGroupID. Failure: errSave.
  bool AddGroupByName(const std::string& name, const std::string& data, bool raise, TXProgressItem* progress);
  // BeginHeader for the group named name. Failure (also no such group):
  // errSave.
  bool BeginHeaderByName(const std::string& name, int32_t kind, bool raise, TXProgressItem* progress,
                         int count);
  bool EndHeaderChecked(TXProgressItem* progress, bool raise);
  // The whole stream as one item. Failure: errSave.
  bool WriteStreamItem(int32_t id, TStream& stream, bool raise, TXProgressItem* progress);
  bool WriteStringItem(int32_t id, const std::string& text, bool raise, TXProgressItem* progress);
  // A header of one item in the group named name (10 % / 80 % / 10 %).
  bool WriteSingleItemHeader(const std::string& name, int32_t kind, bool raise, TXProgressItem* progress,
                             TStream& stream, int32_t id);
  // ReadItemToStream of item item_index of header header_index of the group
  // named group. Failure (also no such group or header): errLoad.
  bool ReadItemByName(const std::string& group, int header_index, bool raise, TXProgressItem* progress,
                      TStream& destination, int item_index, int64_t limit = kMaxBlockBytes);
  bool ReadStringItem(const std::string& group, int header_index, bool raise, TXProgressItem* progress,
                      std::string& text, int item_index);
  // As ReadItemByName, but only when the stored id has the absolute value of
  // expected_id.
  bool ReadItemChecked(const std::string& group, int32_t expected_id, bool raise, TXProgressItem* progress,
                       TStream& destination, int item_index, int header_index);

  // --- state -------------------------------------------------------------

  const TXMarkers& Markers() const { return markers_; }
  TXRGroupList Groups;
  int64_t StartOffset() const { return start_; }
  int64_t EndOffset() const { return end_; }
  TStream* Stream() const { return stream_; }
  bool Opened() const { return opened_; }
  bool Appending() const { return appending_; }
  uint8_t Mode() const { return mode_; }
  bool Damaged() const { return damaged_; }
  bool Complete() const { return complete_; }
  // Records the last Load met that failed to read or verify: those dropped
  // (a bad record body, a record of unknown kind after an intact link) and
  // those kept with Loaded false (a bad item table or group data).
  int DamagedRecords() const { return damaged_records_; }
  // Item count of the header last read from.
  int LastReadCount() const { return last_read_count_; }
  // Index into the zlib level table for items with negative ids:
  // 1 fastest, 2 zlib default (after construction), 3 best. Kept in 1..3,
  // so that an item marked compressed always holds a zlib stream.
  int CompressionLevel() const { return compression_level_; }
  void SetCompressionLevel(int level_index);

  // Called after the file header was verified; clearing accept rejects the
  // container (errChecksum).
  std::function<void(TXRStream& sender, bool& accept)> OnCheckHeader;

 protected:
  // Writes the file header at StartOffset; raises on failure.
  virtual void WriteFileHeader() = 0;
  // Continues a non-empty container for appending; raises on failure.
  virtual void OpenAppending() = 0;

  // Opens on stream without resetting first; the common part of the four
  // Open operations. Returns success; records codes but never raises.
  bool Attach(uint8_t mode, TStream* stream, TXProgressItem* progress, int64_t start, bool allow_append);
  bool OpenFileWith(uint8_t mode, const std::string& file_name, bool raise, TXProgressItem* progress,
                    int64_t start, bool allow_append);

  TXMarkers markers_;
  TXIdentity identity_;
  int64_t start_ = 0;
  int64_t end_ = 0;
  TStream* stream_ = nullptr;
  std::unique_ptr<TStream> owned_file_;
  bool opened_ = false;
  bool appending_ = false;
  uint8_t mode_ = 0;
  bool damaged_ = false;
  bool complete_ = false;
  int damaged_records_ = 0;
  int last_read_count_ = 0;
  int compression_level_ = 2;
};

}  // namespace xs
