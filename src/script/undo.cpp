#include "script/undo.h"

namespace xs {

XS_DEFINE_CLASS(TXUndo, TXCustomUI)

}  // namespace xs
