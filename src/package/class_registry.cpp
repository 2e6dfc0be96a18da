#include "package/class_registry.h"

#include <algorithm>
#include <vector>

#include "base/convert.h"

namespace xs {
namespace {

std::vector<const TClass*>& Registry() {
  static std::vector<const TClass*> classes;
  return classes;
}

}  // namespace

void RegisterObjectClasses(std::initializer_list<const TClass*> classes) {
  auto& registry = Registry();
  for (const TClass* cls : classes) {
    std::erase_if(registry, [cls](const TClass* c) { return SameText(c->Name(), cls->Name()); });
    registry.push_back(cls);
  }
}

void UnregisterObjectClasses(std::initializer_list<const TClass*> classes) {
  for (const TClass* cls : classes) std::erase(Registry(), cls);
}

const TClass* FindObjectClass(std::string_view name) {
  for (const TClass* c : Registry())
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

}  // namespace xs
