// The message for an item that failed during a run.
#pragma once

#include "script/items.h"

namespace xs {

// Shows the error the error object holds for item: the folder error for
// code 20 and the file error for code 23 (each naming the error's text),
// the item error (naming the item's display text) for any other code;
// with abort set, followed by the note that the installation stops.
void ShowItemError(const TXUICustomItem& item, bool abort);

}  // namespace xs
