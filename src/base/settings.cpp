#include "base/settings.h"

namespace xs {

TXRunSettings& RunSettings() {
  static TXRunSettings settings;
  return settings;
}

}  // namespace xs
