#include "engine/parameters.h"

#include "base/convert.h"
#include "platform/codepage.h"
#include "platform/command_line.h"

namespace xs {

namespace {

bool IsSeparator(char c) {
  auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

// Reads one entry starting at pos; pos ends behind it.
std::string ReadEntry(const std::string& text, size_t& pos) {
  const size_t n = text.size();
  for (;;) {
    if (pos < n && IsSeparator(text[pos])) {
      ++pos;
    } else if (pos + 1 < n && text[pos] == '"' && text[pos + 1] == '"') {
      pos += 2;
    } else {
      break;
    }
  }
  std::string entry;
  while (pos < n && static_cast<unsigned char>(text[pos]) > 32) {
    if (text[pos] == '"') {
      ++pos;
      while (pos < n && text[pos] != '"') {
        size_t len = CharLength(text, pos);
        entry.append(text, pos, len);
        pos += len;
      }
      if (pos < n) ++pos;  // closing quote
    } else {
      size_t len = CharLength(text, pos);
      entry.append(text, pos, len);
      pos += len;
    }
  }
  return entry;
}

// The text between a leading quote and its closing quote, "" standing for ".
std::string ExtractQuoted(const std::string& value) {
  std::string out;
  for (size_t i = 1; i < value.size(); ++i) {
    if (value[i] == '"') {
      if (i + 1 < value.size() && value[i + 1] == '"') {
        out += '"';
        ++i;
      } else {
        break;
      }
    } else {
      out += value[i];
    }
  }
  return out;
}

}  // namespace

void TXParameters::ParseCommandLine(const std::string& text) {
  Clear();
  // A NUL ends the command line as it would a C string.
  const std::string line = text.substr(0, text.find('\0'));
  if (line.empty()) return;
  size_t pos = 0;
  Add(ReadEntry(line, pos));
  for (;;) {
    std::string entry = ReadEntry(line, pos);
    if (entry.empty()) break;
    Add(std::move(entry));
  }
}

int TXParameters::IndexOfSwitch(const std::string& name) const {
  const bool prefix = name.find(':') != std::string::npos;
  const std::string upper_name = prefix ? AnsiUpperCase(name) : std::string();
  for (int i = 0; i < Count(); ++i) {
    const std::string& entry = (*this)[i];
    if (prefix ? AnsiUpperCase(entry.substr(0, name.size())) == upper_name : SameText(entry, name))
      return i;
  }
  return -1;
}

std::string TXParameters::SwitchValue(const std::string& name) const {
  int i = IndexOfSwitch(name);
  if (i < 0) return {};
  std::string value = (*this)[i].substr(name.size());
  if (!value.empty() && value[0] == '"') {
    std::string unquoted = ExtractQuoted(value);
    if (!unquoted.empty()) value = unquoted;
  }
  return value;
}

TXParameters& Parameters() {
  static TXParameters params;
  static const bool filled = (params.ParseCommandLine(ProcessCommandLine()), true);
  (void)filled;
  return params;
}

}  // namespace xs
