// The concrete engine of the setup program.
#pragma once

#include "core/engine.h"

namespace xs {

class TXInstallEngine : public TXCustomInstallEngine {
 public:
  using TXCustomInstallEngine::TXCustomInstallEngine;
};

}  // namespace xs
