// The object text grammar, parsed into a tree of property lines that the
// reader then applies to objects.
//
//   object   = ("object" | "inherited" | "inline") [name ":"] class
//              { property | object } "end"
//   property = identifier { "." identifier } "=" value
//   value    = identifier { "." identifier }
//            | integer                  decimal with optional sign, or "$" hex
//            | float                    digits "." digits [exponent] [s|c|d]
//            | string { "+" string }    string = { 'quoted' | #code }, adjacent
//            | "{" hex digits "}"       blanks and line ends inside ignored
//            | "[" [element { "," element }] "]"    element: identifier or integer
//            | "(" { value } ")"
//            | "<" { "item" ["[" integer "]"] { property } "end" } ">"
//
// Tokens are separated by blanks and line ends (any byte up to 32). A quoted
// part ends on its line; '' inside it stands for one apostrophe; #code is a
// byte 0..255. Everything after the root's "end" is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/exception.h"

namespace xs {

// A text that does not follow the grammar. Line() is the 1-based line where
// parsing stopped.
class EParserError : public Exception {
 public:
  EParserError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

struct TTextItem;

struct TTextValue {
  enum class Kind : uint8_t { Ident, Integer, Float, String, Binary, Set, List, Collection };
  Kind kind = Kind::Ident;
  std::string text;                  // Ident, String, Binary (the bytes)
  int64_t integer = 0;               // Integer
  double real = 0;                   // Float
  std::vector<TTextValue> elements;  // Set (Ident and Integer), List
  std::vector<TTextItem> items;      // Collection
};

struct TTextProperty {
  int line = 0;      // 1-based, where the property starts
  std::string path;  // dotted, as written
  TTextValue value;
};

struct TTextItem {
  std::vector<TTextProperty> properties;
};

struct TTextObject {
  std::string name;
  std::string class_name;
  std::vector<TTextProperty> properties;
  std::vector<TTextObject> children;
};

// Nesting of objects, collections and lists deeper than this is refused, so
// that neither parsing nor applying can exhaust the stack.
constexpr int kMaxTextNesting = 64;

// On success returns the root object of text. On failure raises EParserError.
TTextObject ParseObjectText(std::string_view text);

}  // namespace xs
