// Whether the user may change machine-wide settings.
#pragma once

namespace xs {

// Windows: true when the service control manager opens with read, write and
// execute access (false when that cannot be asked). POSIX: true for root.
bool IsAdministrator();

}  // namespace xs
