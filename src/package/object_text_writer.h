// Writing objects as object text: the root's class line, its published
// properties in declaration order (sub-objects expanded in place with a
// dotted path), its defined properties, and "end"; lines end with CR LF and
// are indented two blanks per level.
//
//   Kind             Text                                  Written when
//   Integer          decimal                               not equal to a declared default
//   Boolean, Enum    True/False, the member name           (same)
//   Set              [a, b]; empty: []                     (same)
//   Color            its name (clBlack) or decimal         (same)
//   Int64            decimal                               not 0
//   Float            fixed, 18 digits after the point,     not 0
//                    16 significant digits
//   String           'quoted' runs and #codes, 64          not empty
//                    characters a line, lines joined by +
//   Object           its properties as Path.Name = value   it exists
//   Collection       <item ... end ...>; empty: <>         always
//   String list      Path.Strings = ('a' 'b')              it has lines
//   Byte block       {hexadecimal}, 32 bytes a line        as the class decides
#pragma once

#include <string>

#include "base/persistent.h"

namespace xs {

// On success returns the object text of root, named name in its class line
// (no name: "object Class"). On failure (a byte block that cannot be read,
// nesting deeper than the reader accepts) raises an Exception.
std::string WriteObjectText(TPersistent& root, const std::string& name = {});

}  // namespace xs
