// An object list of the stored object model.
#pragma once

#include <memory>

#include "base/object_list.h"
#include "package/persistent_base.h"

namespace xs {

// An object list with a list object that carries its language id.
class TXObjectList : public TObjectList {
 public:
  explicit TXObjectList(bool owns_objects = true) : TObjectList(owns_objects) {}

  TXLgObject ListObj;

  // Appends, for each element of source derived from TXPersistent, a new
  // object of the element's class assigned from it; other elements are
  // passed over.
  void Assign(const TObjectList& source);
};

}  // namespace xs
