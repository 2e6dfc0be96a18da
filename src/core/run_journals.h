// The journals of one install run, one beside each undo log (see
// engine/undo_journal.h), in the order of the run's logs.
#pragma once

#include <memory>
#include <vector>

#include "engine/undo_journal.h"
#include "script/items.h"
#include "script/undo.h"

namespace xs {

class TXRunJournals {
 public:
  // For each log that names a file: takes in the records of the journal an
  // earlier run left beside it, reversing its isTemp records now, so that
  // the temporary files they name go (those that fail are kept); makes the
  // log's folder when it is missing; and starts the new journal with the
  // records taken in, those of the folders made for it, and one that
  // deletes the journal itself, so that a run that ends before its first
  // item leaves nothing behind either. Raises when a journal cannot be made.
  void Start(TXUndoList& logs);
  // Appends item's plan (Parents, then Pending) to the journal of item's
  // log; an isTemp item beside no log goes to the first. Raises when the
  // journal cannot be written.
  void Append(const TXUICustomItem& item, const TXUndoPlan& plan);
  // Moves into log i the records the run keeps besides those of its items:
  // those taken in and those of the folders made (MergeUndoRecords).
  void MergeInto(int i, TXUndo& log);
  // Removes journal i; false when its file stays.
  bool Remove(int i);

 private:
  struct TEntry {
    std::unique_ptr<TXUndoJournal> Journal;
    TXUndo Kept;
  };
  std::vector<std::unique_ptr<TEntry>> entries_;
};

}  // namespace xs
