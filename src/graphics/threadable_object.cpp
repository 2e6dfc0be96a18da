#include "graphics/threadable_object.h"

namespace xs {

XS_DEFINE_CLASS(TXThreadableObject, TXPersistent)

}  // namespace xs
