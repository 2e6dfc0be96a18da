#include "lang/words_text.h"

#include <set>

#include "base/convert.h"
#include "base/string_list.h"
#include "lang/digit_pairs.h"
#include "lang/keys.h"

namespace xs {
namespace {

bool IsPlainName(std::string_view name) { return SameText(name, "LangID") || SameText(name, "LangName"); }

// Rewrites the value of every key line with convert; other lines unchanged.
template <typename Convert>
std::string ConvertValues(std::string_view text, bool drop_empty, Convert convert) {
  TStringList lines;
  lines.SetText(std::string(text));
  std::string out;
  for (const std::string& line : lines.Items()) {
    if (drop_empty && line.empty()) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos || IsPlainName(std::string_view(line).substr(0, eq))) out += line;
    else out += line.substr(0, eq + 1) + convert(std::string_view(line).substr(eq + 1));
    out += "\r\n";
  }
  return out;
}

}  // namespace

std::string EncodeWordsText(std::string_view plain) { return ConvertValues(plain, true, EncodeDigitPairs); }

std::string DecodeWordsText(std::string_view encoded) { return ConvertValues(encoded, false, DecodeDigitPairs); }

bool CheckWordsFile(std::string_view plain, std::string& error) {
  TStringList lines;
  lines.SetText(std::string(plain));
  bool has_id = false, has_name = false;
  std::set<std::string> keys;
  auto fail = [&error](int line, const std::string& fault) {
    error = "line " + std::to_string(line) + ": " + fault;
    return false;
  };
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) return fail(i + 1, "no \"=\" in the line");
    std::string name = line.substr(0, eq), value = line.substr(eq + 1);
    if (SameText(name, "LangID")) {
      if (has_id) return fail(i + 1, "a second LangID line");
      if (!TryStrToInt(value)) return fail(i + 1, "LangID \"" + value + "\" is not a number");
      has_id = true;
    } else if (SameText(name, "LangName")) {
      if (has_name) return fail(i + 1, "a second LangName line");
      if (value.empty()) return fail(i + 1, "LangName is empty");
      has_name = true;
    } else if (!IsTranslationKey(name)) {
      return fail(i + 1, "\"" + name + "\" is not a translation key (12 lower-case letters: y, kind c/t/m/w/f, ...)");
    } else if (!keys.insert(name).second) {
      return fail(i + 1, "key \"" + name + "\" appears twice");
    }
  }
  error = !has_id ? "no LangID line" : !has_name ? "no LangName line" : "";
  return error.empty();
}

}  // namespace xs
