#include "package/object_text_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/class_info.h"
#include "base/collection.h"
#include "base/color.h"
#include "base/stream.h"
#include "package/object_text_parser.h"
#include "platform/codepage.h"

namespace xs {
namespace {

constexpr size_t kLineLength = 64;    // characters of a string on one line
constexpr size_t kBytesPerLine = 32;  // bytes of a byte block on one line

bool IsQuotable(char c) { return static_cast<unsigned char>(c) >= ' ' && c != '\''; }

// Fixed notation with 18 digits after the point, rounded to 16 significant
// digits; values of 1E16 and above in exponent form.
std::string FormatFloat(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 15);
  std::string sci(buf, r.ptr);
  size_t e_pos = sci.find('e');
  int exponent = std::stoi(sci.substr(e_pos + 1));
  if (exponent >= 16) {
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 16);
    std::string text(buf, r.ptr);
    for (char& c : text)
      if (c == 'e') c = 'E';
    return text;
  }
  if (exponent < -3) {  // the 18th decimal comes before the 16th significant digit
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 18);
    return std::string(buf, r.ptr);
  }
  std::string sign = v < 0 ? "-" : "";
  std::string digits;
  for (char c : sci.substr(0, e_pos))
    if (c >= '0' && c <= '9') digits += c;
  std::string whole = exponent >= 0 ? digits.substr(0, static_cast<size_t>(exponent) + 1) : "0";
  std::string fraction = exponent >= 0 ? digits.substr(static_cast<size_t>(exponent) + 1)
                                       : std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  fraction.resize(18, '0');
  return sign + whole + "." + fraction;
}

std::string FormatSet(const TEnumInfo& info, uint64_t bits) {
  std::string text = "[";
  for (int i = 0; i < info.Count() && i < 64; ++i) {
    if (!(bits >> i & 1)) continue;
    if (text.size() > 1) text += ", ";
    text += info.Name(i);
  }
  return text + "]";
}

class Writer : public TXDefiner {
 public:
  std::string Write(TPersistent& root, const std::string& name) {
    out_ = "object ";
    if (!name.empty()) out_ += name + ": ";
    out_ += root.ClassName();
    WriteProperties(root, "", 1);
    NewLine(0);
    out_ += "end\r\n";
    return std::move(out_);
  }

  void DefineBinaryProperty(std::string_view name, const std::function<void(TStream&)>&,
                            const std::function<void(TStream&)>& write, bool has_data) override {
    if (!has_data) return;
    TMemoryStream bytes;
    write(bytes);
    StartProperty(name);
    out_ += '{';
    bool multi_line = bytes.Bytes().size() >= kBytesPerLine;
    static const char kHex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < bytes.Bytes().size(); ++i) {
      if (multi_line && i % kBytesPerLine == 0) NewLine(level_ + 1);
      out_ += kHex[bytes.Bytes()[i] >> 4];
      out_ += kHex[bytes.Bytes()[i] & 15];
    }
    out_ += '}';
  }

  void DefineStringsProperty(std::string_view name,
                             const std::function<void(std::vector<std::string>)>&,
                             const std::vector<std::string>& items, bool has_data) override {
    if (!has_data) return;
    StartProperty(name);
    out_ += '(';
    for (const std::string& s : items) {
      NewLine(level_ + 1);
      WriteString(s, level_ + 1);
    }
    out_ += ')';
  }

 private:
  void NewLine(int level) {
    out_ += "\r\n";
    out_.append(static_cast<size_t>(level) * 2, ' ');
  }

  void StartProperty(std::string_view name) {
    NewLine(level_);
    out_ += prefix_;
    out_ += name;
    out_ += " = ";
  }

  // The published properties of object, then its defined ones, each line
  // starting with prefix at level.
  void WriteProperties(TPersistent& object, const std::string& prefix, int level) {
    if (++depth_ > kMaxTextNesting) throw Exception("Object nesting too deep to write");
    for (const TPropInfo* p : object.ClassType().Properties()) {
      prefix_ = prefix;
      level_ = level;
      if (p->IsStored) WriteProperty(object, *p);
    }
    prefix_ = prefix;
    level_ = level;
    object.DefineProperties(*this);
    --depth_;
  }

  void WriteProperty(TPersistent& object, const TPropInfo& p) {
    TPropValue value = p.Get(object);
    switch (p.Kind) {
      case TPropKind::Integer:
      case TPropKind::Boolean:
      case TPropKind::Enum:
      case TPropKind::Set:
      case TPropKind::Color: {
        int64_t v = std::get<int64_t>(value);
        if (p.DefaultValue == v) return;
        StartProperty(p.Name);
        out_ += FormatOrdinal(p, v);
        return;
      }
      case TPropKind::Int64: {
        int64_t v = std::get<int64_t>(value);
        if (v == 0) return;
        StartProperty(p.Name);
        out_ += std::to_string(v);
        return;
      }
      case TPropKind::Float: {
        double v = std::get<double>(value);
        if (v == 0 || !std::isfinite(v)) return;  // no text form reads back as infinity or NaN
        StartProperty(p.Name);
        out_ += FormatFloat(v);
        return;
      }
      case TPropKind::String: {
        const std::string& v = std::get<std::string>(value);
        if (v.empty()) return;
        StartProperty(p.Name);
        WriteString(v, level_);
        return;
      }
      case TPropKind::Object: {
        TPersistent* v = std::get<TPersistent*>(value);
        if (!v) return;
        if (auto* collection = dynamic_cast<TCollection*>(v)) {
          StartProperty(p.Name);
          WriteCollection(*collection, level_);
        } else {
          WriteProperties(*v, prefix_ + p.Name + ".", level_);
        }
        return;
      }
    }
  }

  static std::string FormatOrdinal(const TPropInfo& p, int64_t v) {
    switch (p.Kind) {
      case TPropKind::Boolean:
      case TPropKind::Enum:
        if (v >= 0 && v < p.Enum->Count()) return p.Enum->Name(static_cast<int>(v));
        break;
      case TPropKind::Set:
        return FormatSet(*p.Enum, static_cast<uint64_t>(v));
      case TPropKind::Color: {
        std::string name = ColorToIdent(static_cast<int32_t>(v));
        if (!name.empty()) return name;
        break;
      }
      default:
        break;
    }
    return std::to_string(v);
  }

  void WriteCollection(TCollection& collection, int level) {
    if (++depth_ > kMaxTextNesting) throw Exception("Object nesting too deep to write");
    out_ += '<';
    for (int i = 0; i < collection.Count(); ++i) {
      NewLine(level + 1);
      out_ += "item";
      WriteProperties(*collection.Items(i), "", level + 2);
      NewLine(level + 1);
      out_ += "end";
    }
    out_ += '>';
    --depth_;
  }

  // A string longer than one line starts on a new line one level deeper;
  // each line holds at most kLineLength characters (an escaped one counts
  // once) and never splits a double-byte character.
  void WriteString(const std::string& s, int level) {
    if (s.empty()) {
      out_ += "''";
      return;
    }
    if (s.size() > kLineLength) NewLine(level + 1);
    size_t i = 0;
    while (i < s.size()) {
      size_t count = 0;
      bool full = false;
      while (i < s.size() && !full) {
        if (!IsQuotable(s[i])) {
          out_ += '#';
          out_ += std::to_string(static_cast<unsigned char>(s[i]));
          ++i;
          full = ++count == kLineLength;
          continue;
        }
        size_t start = i;
        while (i < s.size() && IsQuotable(s[i])) {
          size_t n = std::min(CharLength(s, i), s.size() - i);
          if (count + n > kLineLength) {
            full = true;
            break;
          }
          i += n;
          count += n;
          if (count == kLineLength) {
            full = true;
            break;
          }
        }
        if (i == start) break;  // a double-byte character that goes to the next line
        out_ += '\'';
        out_.append(s, start, i - start);
        out_ += '\'';
      }
      if (i < s.size()) {
        out_ += " +";
        NewLine(level + 1);
      }
    }
  }

  std::string out_;
  std::string prefix_;
  int level_ = 1;
  int depth_ = 0;
};

}  // namespace

std::string WriteObjectText(TPersistent& root, const std::string& name) {
  return Writer().Write(root, name);
}

}  // namespace xs
