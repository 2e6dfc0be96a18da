// Copying by published properties: what the script classes copy is exactly
// what they store, so a copy written as object text reads the same as its
// source.
#pragma once

#include "base/persistent.h"

namespace xs {

// Copies from source into target every published property that the classes
// of both declare through a common ancestor, so a subclass's own properties
// are copied only from a source of that subclass. Object properties are
// copied with Assign (collections and lists replace their content). Does
// nothing when target is source.
void CopySharedProperties(TPersistent& target, const TPersistent& source);

}  // namespace xs
