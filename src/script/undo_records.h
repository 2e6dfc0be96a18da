// Filling, merging and walking undo logs in memory.
//
// An undo record is an ordinary item (most often a deletion item) whose
// Execute reverses one action of an install. A run keeps one TXUndo per
// logged application in a TXUndoList (an item's LogIdx is a position there)
// and a temporary log whose records are reversed when the run ends. Reading
// and writing log files is the uninstall's business.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "script/app_item.h"
#include "script/custom_ui.h"
#include "script/undo.h"

namespace xs {

// A new object of item's class with every field of item; nullptr for a
// class that cannot be created.
std::unique_ptr<TXUICustomItem> CopyItem(const TXUICustomItem& item);

// The undo log of one application for this run: its only application entry
// a copy of app with its paths expanded, LgID the run's language, Design a
// copy of the script's, optAdminRequired when the script requires it or the
// run installs for all users, optRestart the script's, optSilent false, no
// records.
std::unique_ptr<TXUndo> NewUndoLog(const TXCustomUI& script, const TXUIAppItem& app);

// The action of one install item. An IsUndo item is not executed: record
// becomes a copy of it and true is returned. Any other item is executed,
// which may hand back a record. Exceptions from Execute pass through.
bool PerformItem(TXUICustomItem& item, std::unique_ptr<TXUICustomItem>& record);

// The records one item leaves, in the order they are kept.
using TXUndoRecords = std::vector<std::unique_ptr<TXUICustomItem>>;
// Receives an item's plan before the item acts; it may raise to keep the
// item from acting.
using TXBeforeAct = std::function<void(const TXUICustomItem& item, const TXUndoPlan& plan)>;

// PerformItem with the item's plan (PlanUndo, none for an IsUndo item)
// handed first to before_act, when given. On success records gets the
// plan's Parents, then the record PerformItem handed back, if any. An
// exception from before_act passes through before the item acts.
bool PerformPlannedItem(TXUICustomItem& item, TXUndoRecords& records, const TXBeforeAct& before_act);

// Keeps the record item's PerformItem handed back, when it succeeded: an
// isTemp item's record goes to temp_log, any other to logs[LogIdx]; a
// record with no place (a failed item, LogIdx past the list) is freed.
void KeepUndoRecord(const TXUICustomItem& item, bool succeeded,
                    std::unique_ptr<TXUICustomItem> record, TXUndoList& logs, TXUndo& temp_log);

// Whether a and b are of the same class and agree in every stored published
// property that is not an object (so LgID, LogIdx, Section, Component and
// the rest count too). False when a property cannot be read.
bool SameRecord(const TXUICustomItem& a, const TXUICustomItem& b);

// Moves the records of earlier (a log an earlier installation wrote) into
// log, before log's own records and in their earlier order, so an uninstall
// undoes the newest actions first. Each record is kept once (SameRecord),
// where it was first recorded: a folder the earlier installation made and
// the new run recorded again keeps its place before the earlier records of
// what is in it, which are reversed first. The repetitions are freed;
// earlier is left without records.
void MergeUndoRecords(TXUndo& log, TXUndo& earlier);

// Reports a record about to be reversed: its section, the position in
// percent and its display text.
using TXUndoProgress =
    std::function<void(TXUISection section, int position, const std::string& text)>;

// Reverses the records of log, last first: reports progress (when given)
// with the position (count - i) * 100 / count rounded, at least 2, count
// being the records left; clears the record's SaveUndo, executes it and
// frees any record it hands back. A record that succeeds leaves the log; one
// that fails or raises stays, so the log ends up holding the reversals that
// failed. Returns the result of the last record performed (the first of the
// log); a raising record leaves the result as it was. True for an empty
// log.
bool ReverseUndoRecords(TXUndo& log, const TXUndoProgress& progress = nullptr);

}  // namespace xs
