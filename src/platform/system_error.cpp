#include "platform/system_error.h"

namespace xs {

namespace {
thread_local int last_error = 0;
}

int LastSystemError() { return last_error; }
void SetLastSystemError(int code) { last_error = code; }

}  // namespace xs
