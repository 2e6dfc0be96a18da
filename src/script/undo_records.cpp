#include "script/undo_records.h"

#include <algorithm>
#include <exception>
#include <typeinfo>

#include "base/progress.h"
#include "base/settings.h"

namespace xs {

std::unique_ptr<TXUICustomItem> CopyItem(const TXUICustomItem& item) {
  std::unique_ptr<TPersistent> object = item.ClassType().Create();
  auto* copy = dynamic_cast<TXUICustomItem*>(object.get());
  if (!copy) return nullptr;
  object.release();
  copy->Assign(item);
  return std::unique_ptr<TXUICustomItem>(copy);
}

std::unique_ptr<TXUndo> NewUndoLog(const TXCustomUI& script, const TXUIAppItem& app) {
  auto log = std::make_unique<TXUndo>();
  log->SetLgID(RunSettings().CurrentLgID);
  TXUIAppItem* entry = log->AppItems.First();
  entry->Assign(app);
  entry->ExpandAppPaths();
  log->optAdminRequired = script.optAdminRequired || RunSettings().RunConditions.test(cdAllUsers);
  log->optRestart = script.optRestart;
  log->optSilent = false;
  log->Design.Assign(script.Design);
  return log;
}

bool PerformItem(TXUICustomItem& item, std::unique_ptr<TXUICustomItem>& record) {
  if (!item.IsUndo) return item.Execute(record);
  record = CopyItem(item);
  return true;
}

bool PerformPlannedItem(TXUICustomItem& item, TXUndoRecords& records, const TXBeforeAct& before_act) {
  TXUndoPlan plan;
  if (!item.IsUndo) item.PlanUndo(plan);
  if (before_act) before_act(item, plan);
  std::unique_ptr<TXUICustomItem> record;
  if (!PerformItem(item, record)) return false;
  records = std::move(plan.Parents);
  if (record) records.push_back(std::move(record));
  return true;
}

void KeepUndoRecord(const TXUICustomItem& item, bool succeeded,
                    std::unique_ptr<TXUICustomItem> record, TXUndoList& logs, TXUndo& temp_log) {
  if (!record || !succeeded) return;
  if (item.Section == isTemp) {
    temp_log.AddItem(std::move(record));
  } else if (item.LogIdx < logs.Count()) {
    logs.GetItem(item.LogIdx)->AddItem(std::move(record));
  }
}

bool SameRecord(const TXUICustomItem& a, const TXUICustomItem& b) {
  if (typeid(a) != typeid(b)) return false;
  // Getters only read; their signature takes a mutable object for the
  // reader's sake.
  auto& x = const_cast<TXUICustomItem&>(a);
  auto& y = const_cast<TXUICustomItem&>(b);
  try {
    for (const TPropInfo* p : a.ClassType().Properties()) {
      if (!p->IsStored || p->Kind == TPropKind::Object) continue;
      if (p->Get(x) != p->Get(y)) return false;
    }
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

void MergeUndoRecords(TXUndo& log, TXUndo& earlier) {
  auto held = [](const TXUndo& in, int from, int to, const TXUICustomItem& record) {
    for (int i = from; i < to; ++i)
      if (SameRecord(*in.Items.GetItem(i), record)) return i;
    return -1;
  };
  // The earlier records go in front one by one; kept counts them.
  int kept = 0;
  while (earlier.Items.Count() > 0) {
    std::unique_ptr<TXUICustomItem> record(static_cast<TXUICustomItem*>(earlier.Items.Extract(0)));
    if (held(log, 0, kept, *record) >= 0) continue;
    const int again = held(log, kept, log.Items.Count(), *record);
    if (again >= 0) log.Items.Delete(again);
    log.Items.Insert(kept++, record.release());
  }
}

bool ReverseUndoRecords(TXUndo& log, const TXUndoProgress& progress) {
  bool result = true;
  for (int i = log.Items.Count() - 1; i >= 0; --i) {
    TXUICustomItem* record = log.Items.GetItem(i);
    if (progress) {
      auto count = static_cast<uint64_t>(log.Items.Count());
      int position = static_cast<int>(RoundDiv((count - static_cast<uint64_t>(i)) * 100, count));
      progress(record->Section, std::max(position, 2), record->GetDisplayText());
    }
    bool reversed = false;
    try {
      record->SaveUndo = false;
      std::unique_ptr<TXUICustomItem> handed_back;
      reversed = record->Execute(handed_back);
      result = reversed;
    } catch (const std::exception&) {
      // The reversal is still owed: the record stays for a later attempt.
    }
    if (reversed) log.Items.Delete(i);
  }
  return result;
}

}  // namespace xs
