// Looking for an earlier installation by the version of one of its files.
#pragma once

#include <string>

#include "script/item_list.h"
#include "script/item_types.h"

namespace xs {

// Whether an installation in folder matches one of the version search items
// of search_items whose Find is kind, taken in order; the first match ends
// the search. Each such item's FileName is expanded in place. The file
// looked at is folder followed by FileName for a registry search item, by
// only the name part of FileName for a folder search item; an item matches
// when that file exists and its version lies within FromVersion and
// ToVersion, each compared as Major plus the fraction of Minor's digits
// (7.25 is 7.25, and 7.10 is 7.1), and, for optcBuild, its Build also lies
// within theirs. An empty folder matches nothing. Never raises: a failure
// during the search means no match.
bool SearchVersion(const TXUIObjectList& search_items, const std::string& folder, TXUISearchOptions kind);

}  // namespace xs
