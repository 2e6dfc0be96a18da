#include "script/property_copy.h"

#include "base/class_info.h"

namespace xs {

void CopySharedProperties(TPersistent& target, const TPersistent& source) {
  if (&target == &source) return;
  // Getters only read; their signature takes a mutable object for the
  // writer's sake.
  auto& from = const_cast<TPersistent&>(source);
  const TClass& source_class = source.ClassType();
  for (const TPropInfo* p : target.ClassType().Properties()) {
    // Both tables hold the declaring class's own entry, so pointer identity
    // means a shared declaration.
    if (source_class.FindProperty(p->Name) != p) continue;
    TPropValue value = p->Get(from);
    if (p->Kind != TPropKind::Object) {
      if (p->Set) p->Set(target, value);
      continue;
    }
    TPersistent* dest = std::get<TPersistent*>(p->Get(target));
    TPersistent* src = std::get<TPersistent*>(value);
    if (dest && src) dest->Assign(*src);
  }
}

}  // namespace xs
