// The filer that writes undo logs: one group "Data" for the log's
// application entry, design, options and records (the install filer's group),
// in a new container that replaces any file of that name.
#pragma once

#include "package/filer.h"

namespace xs {

class TXUninstallFiler : public TXRStreamFiler {
 public:
  // With a TXCustomUI root (an undo log): its group "Data"; nothing else.
  void Setup(TPersistent* root, int32_t value, const TXFilerParams& params) override;
};

}  // namespace xs
