#include "package/object_text_parser.h"

#include <algorithm>
#include <charconv>

#include "base/convert.h"
#include "base/text.h"

namespace xs {

EParserError::EParserError(int line, const std::string& message)
    : Exception("Line " + std::to_string(line) + ": " + message), line_(line) {}

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

bool IsObjectKeyword(std::string_view word) {
  return SameText(word, "object") || SameText(word, "inherited") || SameText(word, "inline");
}

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  TTextObject Root() {
    SkipBlanks();
    return Object(1);
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw EParserError(Line(), message); }

  // The 1-based line of the position; the count moves forward with it.
  int Line() const {
    size_t end = std::min(pos_, s_.size());
    if (end < counted_) {
      counted_ = 0;
      line_ = 1;
    }
    line_ += static_cast<int>(std::count(s_.begin() + static_cast<ptrdiff_t>(counted_),
                                         s_.begin() + static_cast<ptrdiff_t>(end), '\n'));
    counted_ = end;
    return line_;
  }

  bool AtEnd() const { return pos_ >= s_.size(); }
  char Peek(size_t ahead = 0) const { return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0'; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(s_[pos_])) ++pos_;
  }
  void Expect(char c) {
    SkipBlanks();
    if (AtEnd() || Peek() != c) Fail(std::string("'") + c + "' expected");
    ++pos_;
  }
  void CheckDepth(int depth) const {
    if (depth > kMaxTextNesting) Fail("Nesting too deep");
  }

  std::string Identifier() {
    if (!IsIdentStart(Peek())) Fail("Identifier expected");
    size_t start = pos_;
    while (!AtEnd() && IsIdentChar(s_[pos_])) ++pos_;
    return std::string(s_.substr(start, pos_ - start));
  }

  std::string DottedName() {
    std::string name = Identifier();
    while (Peek() == '.') {
      ++pos_;
      name += '.';
      name += Identifier();
    }
    return name;
  }

  // The next word without consuming it; empty when no identifier follows.
  std::string_view PeekWord() const {
    size_t end = pos_;
    if (end < s_.size() && IsIdentStart(s_[end]))
      while (end < s_.size() && IsIdentChar(s_[end])) ++end;
    return s_.substr(pos_, end - pos_);
  }

  TTextObject Object(int depth) {
    CheckDepth(depth);
    if (!IsObjectKeyword(PeekWord())) Fail("'object' expected");
    Identifier();
    TTextObject object;
    SkipBlanks();
    std::string first = Identifier();
    SkipBlanks();
    if (Peek() == ':') {
      ++pos_;
      SkipBlanks();
      object.name = std::move(first);
      object.class_name = Identifier();
    } else {
      object.class_name = std::move(first);
    }
    SkipBlanks();
    if (Peek() == '[') {  // position among inherited children: not used
      ++pos_;
      SkipBlanks();
      if (Number().kind != TTextValue::Kind::Integer) Fail("Integer expected");
      Expect(']');
    }
    for (;;) {
      SkipBlanks();
      std::string_view word = PeekWord();
      if (SameText(word, "end")) {
        pos_ += word.size();
        return object;
      }
      if (IsObjectKeyword(word))
        object.children.push_back(Object(depth + 1));
      else
        object.properties.push_back(Property(depth));
    }
  }

  TTextProperty Property(int depth) {
    TTextProperty property;
    property.line = Line();
    property.path = DottedName();
    Expect('=');
    SkipBlanks();
    property.value = Value(depth);
    return property;
  }

  TTextValue Value(int depth) {
    char c = Peek();
    if (AtEnd()) Fail("Invalid property value");
    if (c == '\'' || c == '#') {
      TTextValue v;
      v.kind = TTextValue::Kind::String;
      v.text = String();
      return v;
    }
    if (IsDigit(c) || c == '$' || (c == '-' && IsDigit(Peek(1)))) return Number();
    if (IsIdentStart(c)) {
      TTextValue v;
      v.text = DottedName();
      return v;
    }
    if (c == '{') return Binary();
    if (c == '[') return Set();
    if (c == '(') return List(depth + 1);
    if (c == '<') return Collection(depth + 1);
    Fail("Invalid property value");
  }

  TTextValue Number() {
    TTextValue v;
    v.kind = TTextValue::Kind::Integer;
    if (Peek() == '$') {
      ++pos_;
      uint64_t value = 0;
      int digits = 0;
      for (; HexDigit(Peek()) >= 0; ++pos_, ++digits) {
        if (digits == 16) Fail("Invalid integer");
        value = value * 16 + static_cast<uint64_t>(HexDigit(Peek()));
      }
      if (digits == 0) Fail("Invalid integer");
      v.integer = static_cast<int64_t>(value);
      return v;
    }
    size_t start = pos_;
    if (Peek() == '-') ++pos_;
    while (IsDigit(Peek())) ++pos_;
    bool is_float = false;
    if (Peek() == '.') {
      is_float = true;
      ++pos_;
      while (IsDigit(Peek())) ++pos_;
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
      is_float = true;
      pos_ += 2;
      while (IsDigit(Peek())) ++pos_;
    }
    const char* first = s_.data() + start;
    const char* last = s_.data() + pos_;
    char suffix = Peek();
    if (suffix == 's' || suffix == 'S' || suffix == 'c' || suffix == 'C' || suffix == 'd' ||
        suffix == 'D') {
      is_float = true;
      ++pos_;
    }
    std::from_chars_result r;
    if (is_float) {
      v.kind = TTextValue::Kind::Float;
      r = std::from_chars(first, last, v.real);
    } else {
      r = std::from_chars(first, last, v.integer);
    }
    if (r.ec != std::errc() || r.ptr != last) Fail(is_float ? "Invalid floating point value" : "Invalid integer");
    return v;
  }

  std::string String() {
    std::string out;
    for (;;) {
      for (;;) {
        if (Peek() == '\'') {
          ++pos_;
          for (;;) {
            if (AtEnd() || Peek() == '\r' || Peek() == '\n') Fail("Unterminated string");
            char c = s_[pos_++];
            if (c != '\'') {
              out += c;
            } else if (Peek() == '\'') {
              out += '\'';
              ++pos_;
            } else {
              break;
            }
          }
        } else if (Peek() == '#') {
          ++pos_;
          out += static_cast<char>(CharCode());
        } else {
          break;
        }
      }
      size_t mark = pos_;
      SkipBlanks();
      if (Peek() != '+') {
        pos_ = mark;
        return out;
      }
      ++pos_;
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Fail("String expected");
    }
  }

  int CharCode() {
    int base = 10;
    if (Peek() == '$') {
      base = 16;
      ++pos_;
    }
    int value = 0;
    int digits = 0;
    for (;; ++pos_, ++digits) {
      int d = base == 16 ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
      if (d < 0) break;
      value = value * base + d;
      if (value > 255) Fail("Invalid character code");
    }
    if (digits == 0) Fail("Invalid character code");
    return value;
  }

  TTextValue Binary() {
    TTextValue v;
    v.kind = TTextValue::Kind::Binary;
    ++pos_;
    int high = -1;
    for (;;) {
      if (AtEnd()) Fail("'}' expected");
      char c = s_[pos_++];
      if (c == '}') break;
      if (IsBlank(c)) continue;
      int d = HexDigit(c);
      if (d < 0) Fail("Invalid binary value");
      if (high < 0) {
        high = d;
      } else {
        v.text += static_cast<char>(high * 16 + d);
        high = -1;
      }
    }
    if (high >= 0) Fail("Invalid binary value");
    return v;
  }

  TTextValue Set() {
    TTextValue v;
    v.kind = TTextValue::Kind::Set;
    ++pos_;
    SkipBlanks();
    if (Peek() == ']') {
      ++pos_;
      return v;
    }
    for (;;) {
      SkipBlanks();
      char c = Peek();
      if (IsIdentStart(c)) {
        TTextValue member;
        member.text = Identifier();
        v.elements.push_back(std::move(member));
      } else if (IsDigit(c) || c == '$' || (c == '-' && IsDigit(Peek(1)))) {
        TTextValue member = Number();
        if (member.kind != TTextValue::Kind::Integer) Fail("Integer expected");
        v.elements.push_back(std::move(member));
      } else {
        Fail("Identifier expected");
      }
      SkipBlanks();
      if (Peek() == ']') {
        ++pos_;
        return v;
      }
      Expect(',');
    }
  }

  TTextValue List(int depth) {
    CheckDepth(depth);
    TTextValue v;
    v.kind = TTextValue::Kind::List;
    ++pos_;
    for (;;) {
      SkipBlanks();
      if (Peek() == ')' && !AtEnd()) {
        ++pos_;
        return v;
      }
      v.elements.push_back(Value(depth));
    }
  }

  TTextValue Collection(int depth) {
    CheckDepth(depth);
    TTextValue v;
    v.kind = TTextValue::Kind::Collection;
    ++pos_;
    for (;;) {
      SkipBlanks();
      if (Peek() == '>' && !AtEnd()) {
        ++pos_;
        return v;
      }
      if (!SameText(PeekWord(), "item")) Fail("'item' expected");
      Identifier();
      SkipBlanks();
      if (Peek() == '[') {  // the item's index: not used
        ++pos_;
        SkipBlanks();
        if (Number().kind != TTextValue::Kind::Integer) Fail("Integer expected");
        Expect(']');
      }
      TTextItem item;
      for (;;) {
        SkipBlanks();
        std::string_view word = PeekWord();
        if (SameText(word, "end")) {
          pos_ += word.size();
          break;
        }
        item.properties.push_back(Property(depth));
      }
      v.items.push_back(std::move(item));
    }
  }

  std::string_view s_;
  size_t pos_ = 0;
  mutable size_t counted_ = 0;  // Line() has counted the line ends before this
  mutable int line_ = 1;
};

}  // namespace

TTextObject ParseObjectText(std::string_view text) { return Parser(text).Root(); }

}  // namespace xs
