// The process-wide class registry: the classes an object text may name in
// its ObjClassName, filled at start-up by each unit for the classes it
// stores.
#pragma once

#include <initializer_list>
#include <string_view>

#include "base/class_info.h"

namespace xs {

// Makes the classes findable by name. A name already taken by another class
// now finds the newer one.
void RegisterObjectClasses(std::initializer_list<const TClass*> classes);
// Forgets the classes (names now held by other classes stay).
void UnregisterObjectClasses(std::initializer_list<const TClass*> classes);
// The registered class of this name, compared without regard to case;
// nullptr when none is registered.
const TClass* FindObjectClass(std::string_view name);

}  // namespace xs
