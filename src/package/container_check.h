// Checking a whole loaded container: what `xsetup-build verify` reports.
#pragma once

#include <functional>

#include "package/record_stream.h"

namespace xs {

// Reads every item of every header of container (opened and loaded for
// reading), checking every checksum. Returns errNone when all is intact;
// errLoad when a record was damaged (dropped or unreadable, see
// TXRStream::DamagedRecords); otherwise the code of the first item that
// cannot be read (errChecksum, errLoad). Items stream through a sink, so
// memory does not grow with their size; an item that would inflate past
// kMaxBlockBytes and 64 times its stored size is damage (errChecksum). progress, when given, hears the
// items checked so far and their number after each one.
int CheckContainer(TXRStream& container, const std::function<void(int done, int total)>& progress = {});

}  // namespace xs
