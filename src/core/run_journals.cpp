#include "core/run_journals.h"

#include "platform/file_system.h"
#include "platform/system_error.h"
#include "script/file_items.h"
#include "script/item_factory.h"
#include "script/undo_plan.h"
#include "script/undo_records.h"

namespace xs {
namespace {

bool IsRecordOf(const TXUICustomItem& record, const std::string& journal) {
  auto* deletion = dynamic_cast<const TXUIDelFileItem*>(&record);
  return deletion && deletion->FileName == journal;
}

// The records of the journal an earlier run left at path, but the one that
// deleted that journal; its isTemp records are reversed first.
void TakeInEarlierJournal(const std::string& path, TXUndo& kept) {
  TXUndo earlier, temp;
  if (!LoadUndoJournal(path, earlier)) return;
  for (int i = 0; i < earlier.Items.Count();) {
    if (earlier.Items.GetItem(i)->Section == isTemp)
      temp.Items.Add(static_cast<TXUICustomItem*>(earlier.Items.Extract(i)));
    else
      ++i;
  }
  ReverseUndoRecords(temp);
  for (TXUndo* from : {&earlier, &temp})
    while (from->Items.Count() > 0) {
      std::unique_ptr<TXUICustomItem> record(static_cast<TXUICustomItem*>(from->Items.Extract(0)));
      if (!IsRecordOf(*record, path)) kept.AddItem(std::move(record));
    }
}

// Makes folder, when missing, with its parents; their records go to kept.
void MakeJournalFolder(const std::string& folder, const std::string& path, TXUndo& kept) {
  if (folder.empty()) return;
  TXUIFolderItem item;
  item.FolderName = folder;
  item.Section = isFolder;
  item.SaveUndo = true;
  TXUndoPlan plan;
  PlanFolders(item, folder, plan);
  if (!ForceFolders(folder)) throw EFOpenError(path, LastSystemError());
  for (auto& record : plan.Parents) kept.AddItem(std::move(record));
}

}  // namespace

void TXRunJournals::Start(TXUndoList& logs) {
  for (int i = 0; i < logs.Count(); ++i) {
    TXUndo& log = *logs.GetItem(i);
    const std::string log_file = log.AppItems.First()->UILog;
    const std::string path = JournalFileName(log_file);
    auto entry = std::make_unique<TEntry>();
    // Without a log file there is nothing to keep a journal beside; the
    // log's write fails at the end of the run.
    if (log_file.empty()) {
      entries_.push_back(std::move(entry));
      continue;
    }
    TakeInEarlierJournal(path, entry->Kept);
    MakeJournalFolder(ExtractFilePath(log_file), path, entry->Kept);
    entry->Journal = std::make_unique<TXUndoJournal>(path, log, entry->Kept);
    auto itself = NewDelFileItem(eoIgnore, path);
    SetUndoProps(*itself, isFile, log.LgID(), 0, true, TXUIConditions().set(cdAlways));
    entry->Journal->Append(*itself);
    entries_.push_back(std::move(entry));
  }
}

void TXRunJournals::Append(const TXUICustomItem& item, const TXUndoPlan& plan) {
  size_t i = item.LogIdx;
  if (i >= entries_.size()) {
    if (item.Section != isTemp || entries_.empty()) return;
    i = 0;
  }
  TXUndoJournal* journal = entries_[i]->Journal.get();
  if (!journal) return;
  for (auto* records : {&plan.Parents, &plan.Pending})
    for (const auto& record : *records) journal->Append(*record);
}

void TXRunJournals::MergeInto(int i, TXUndo& log) { MergeUndoRecords(log, entries_[i]->Kept); }

bool TXRunJournals::Remove(int i) { return !entries_[i]->Journal || entries_[i]->Journal->Remove(); }

}  // namespace xs
