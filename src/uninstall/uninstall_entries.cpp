#include "uninstall/uninstall_entries.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "platform/registry.h"

namespace xs {

TStringList UninstallEntryNames(uint32_t root) {
  TStringList list;
  try {
    TXRegistry registry(root);
    std::vector<std::string> names;
    if (!registry.OpenKeyReadOnly(kUninstallKey) || !registry.GetKeyNames(names)) return list;
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return AsciiLowerCase(a) < AsciiLowerCase(b);
    });
    for (std::string& name : names) list.Add(std::move(name));
  } catch (const std::exception&) {
    list.Clear();
  }
  return list;
}

TStringList EntryCandidates(const TStringList& names, const std::string& log_title) {
  TStringList candidates;
  const std::string numbered = log_title + "_i";
  for (const std::string& name : names.Items())
    if (SameText(name, log_title) || SameText(name.substr(0, numbered.size()), numbered)) candidates.Add(name);
  return candidates;
}

std::string EntryValue(uint32_t root, const std::string& entry, const std::string& value) {
  try {
    TXRegistry registry(root);
    if (!registry.OpenKeyReadOnly(std::string(kUninstallKey) + "\\" + entry)) return {};
    return registry.ReadString(value).value_or("");
  } catch (const std::exception&) {
    return {};
  }
}

std::string UninstallLogFile(const std::string& uninstall_string) {
  static constexpr std::string_view kSwitch = "/file:\"";
  size_t start = uninstall_string.find(kSwitch);
  if (start == std::string::npos) return {};
  start += kSwitch.size();
  size_t end = uninstall_string.find('"', start);
  if (end == std::string::npos) return {};
  return uninstall_string.substr(start, end - start);
}

}  // namespace xs
