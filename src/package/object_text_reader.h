// Applying parsed object text to objects by their properties.
#pragma once

#include <string_view>

#include "base/persistent.h"
#include "package/object_text_parser.h"

namespace xs {

// Applies every property line of object to root: each path is resolved from
// root (every element but the last names a published object property, whose
// current object is used; names compare without regard to case), and the
// value is converted to the kind of the property it names or handed to the
// matching defined property. A collection is cleared and gets one new item
// per "item"; a string list is cleared and refilled. A line that names no
// property or whose value does not fit the property is skipped. The class
// line, the name and nested objects are not looked at. Exceptions raised by
// the objects' setters pass through.
void ApplyObjectText(const TTextObject& object, TPersistent& root);

// ParseObjectText, then ApplyObjectText. On failure raises EParserError (and
// root is unchanged) or the exception of a setter.
void ReadObjectText(std::string_view text, TPersistent& root);

}  // namespace xs
