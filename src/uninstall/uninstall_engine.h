// The engine that reverses undo logs.
#pragma once

#include "engine/engine.h"

namespace xs {

class TXCustomUninstallEngine : public TXCustomUIEngine {
 public:
  using TXCustomUIEngine::TXCustomUIEngine;

  // The uninstall run, with the run's macros expanding as in the install run.
  bool Execute() override;
};

}  // namespace xs
