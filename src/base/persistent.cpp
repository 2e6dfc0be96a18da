#include "base/persistent.h"

#include <typeinfo>

#include "base/class_info.h"

namespace xs {

const TClass& TPersistent::StaticClass() {
  static const TClass cls("TPersistent", nullptr, nullptr, typeid(TPersistent), {});
  return cls;
}

const std::string& TPersistent::ClassName() const { return ClassType().Name(); }

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

}  // namespace xs
