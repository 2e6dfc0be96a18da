// An object with a lock of its own, for the holders of data that a worker
// thread may share.
#pragma once

#include <mutex>

#include "package/persistent_base.h"

namespace xs {

class TXThreadableObject : public TXPersistent {
  XS_DECLARE_CLASS(TXThreadableObject)
 public:
  // Waits for the object and takes it; one Unlock per Lock.
  void Lock() { lock_.lock(); }
  void Unlock() { lock_.unlock(); }

 private:
  std::recursive_mutex lock_;
};

}  // namespace xs
