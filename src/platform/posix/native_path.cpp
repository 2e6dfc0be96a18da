#include "platform/posix/native_path.h"

#include <algorithm>

namespace xs {

std::string NativePath(const std::string& path) {
  std::string out = path;
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

}  // namespace xs
