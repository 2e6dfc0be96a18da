// Whether the load that just succeeded dropped a damaged record on its way.
#pragma once

#include "base/error.h"

namespace xs {

// A filer load skips a record that fails its checksum and goes on, keeping
// that record's code on the error object; a load that read everything
// leaves the code at 0. Call it right after a successful load.
inline bool LoadDroppedRecords() { return XError().GetCode() != 0; }

}  // namespace xs
