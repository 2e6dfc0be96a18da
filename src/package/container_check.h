// Checking a whole loaded container: what `xsetup-build verify` reports.
#pragma once

#include "package/record_stream.h"

namespace xs {

// Reads every item of every header of container (opened and loaded for
// reading), checking every checksum. Returns errNone when all is intact;
// errLoad when a record was damaged (dropped or unreadable, see
// TXRStream::DamagedRecords); otherwise the code of the first item that
// cannot be read (errChecksum, errLoad).
int CheckContainer(TXRStream& container);

}  // namespace xs
