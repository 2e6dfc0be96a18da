#include "platform/admin.h"

#include <unistd.h>

namespace xs {

bool IsAdministrator() { return ::geteuid() == 0; }

}  // namespace xs
