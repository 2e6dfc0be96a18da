// The journal of an install run: a file beside an undo log that holds the
// log's head and every undo record the run may need, each appended and
// handed to the system (so that a kill of the process keeps it) before the
// change it reverses is made. A run that ends normally
// writes its undo log and removes the journal; one that was killed or
// aborted leaves it, and the next install run or the uninstaller takes its
// records in.
//
// File: "XSJ1", then records: 4-byte length N (little-endian, 1 to
// kMaxJournalRecord), 4-byte CRC32 of the N bytes, N bytes of object text.
// The first record is the TXUndo without records, each further one an undo
// record item. A record cut short or failing its checksum ends the journal:
// what a killed append left is dropped, the records before it are kept.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_stream.h"
#include "script/undo.h"

namespace xs {

inline constexpr int64_t kMaxJournalRecord = 1 << 20;
inline constexpr int kMaxJournalRecords = 1 << 20;

// The journal of the undo log file log_file: log_file + ".journal".
std::string JournalFileName(const std::string& log_file);

class TXUndoJournal {
 public:
  // Makes the journal at file_name with log (its records not included) as
  // its head and then carried's records, written beside any file of that
  // name and moved over it in one step, on the disk when this returns. On
  // failure raises (EFOpenError, EStreamError).
  TXUndoJournal(const std::string& file_name, TXUndo& log, const TXUndo& carried);
  TXUndoJournal(const TXUndoJournal&) = delete;
  TXUndoJournal& operator=(const TXUndoJournal&) = delete;

  // Appends record; the system holds it when this returns, also when the
  // process is killed next (not flushed to the disk: a power loss may cost
  // the records of the last moments). On failure raises EStreamError, and
  // the journal ends with the records appended before.
  void Append(const TXUICustomItem& record);
  // Closes the journal and deletes its file. False when the file stays.
  bool Remove();
  const std::string& FileName() const { return file_name_; }

 private:
  std::string file_name_;
  std::unique_ptr<TFileStream> file_;
};

// Reads the journal at file_name into journal: the head's application
// entry, design and options, then the records that verify, in order. False
// when there is no such file or its head does not verify or read (journal
// then holds no records); a record that does not verify, or is no item,
// ends the reading. A file that exists but cannot be opened raises
// EFOpenError.
bool LoadUndoJournal(const std::string& file_name, TXUndo& journal);

}  // namespace xs
