// The plans items make before they act (TXUICustomItem::PlanUndo): the
// folders and keys they will create on the way, the file, folder, key or
// value they will make, and the temporary files they may leave behind.
// Nothing is planned for what is there already: reversing the plan of an
// item that never acted leaves the machine as it was.
#pragma once

#include <string>

#include "script/items.h"
#include "script/item_types.h"

namespace xs {

// With SaveUndo: the missing folders above folder into Parents, to go when
// empty, and folder itself, when missing, into Pending as the record the
// item gives when it made it (the same record, so that a run that takes the
// plan in from a journal keeps it once).
void PlanFolder(const TXUICustomItem& item, const std::string& folder, TXUndoPlan& plan);
// With SaveUndo: the missing folders down to folder (included) into
// Parents, to go when empty.
void PlanFolders(const TXUICustomItem& item, const std::string& folder, TXUndoPlan& plan);
// With SaveUndo: file, when missing, into Pending. Always: the temporary
// files a replacement may leave in the file's folder.
void PlanWrittenFile(const TXUICustomItem& item, const std::string& file, TXUndoPlan& plan);
// The temporary files a replacement may leave in folder (and, with
// recurse, in its subfolders), into Pending with section isTemp.
void PlanTempFiles(const TXUICustomItem& item, const std::string& folder, bool recurse, TXUndoPlan& plan);
// With SaveUndo: the missing keys above key into Parents, to go when empty,
// and key itself, when missing, into Pending as the record a key item with
// options gives when it made it.
void PlanKey(const TXUICustomItem& item, THKey root, TXUIRegOptions options, const std::string& key,
             TXUndoPlan& plan);
// With SaveUndo: the missing keys down to key (included) into Parents, and
// the value, when missing, into Pending.
void PlanValue(const TXUICustomItem& item, THKey root, const std::string& key, const std::string& name,
               TXUndoPlan& plan);

}  // namespace xs
