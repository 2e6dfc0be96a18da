#include "uninstall/run_key.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "platform/registry.h"
#include "script/file_items.h"
#include "script/path_macros.h"

namespace xs {

namespace {
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::vector<std::string> DeletedFiles(const TXUndo& log) {
  std::vector<std::string> files;
  for (int i = 0; i < log.Items.Count(); ++i)
    if (auto* record = dynamic_cast<const TXUIDelFileItem*>(log.Items.GetItem(i)))
      files.push_back(ExpandPathMacros(record->FileName));
  return files;
}

bool NamesAny(const std::string& data, const std::vector<std::string>& files) {
  for (const std::string& file : files)
    if (FindText(data, file, 0, true) != std::string::npos) return true;
  return false;
}
}  // namespace

void RemoveRunValues(const TXUndo& log) {
  try {
    const std::vector<std::string> files = DeletedFiles(log);
    TXRegistry registry(kHKeyCurrentUser);
    if (!registry.OpenKey(kRunKey, false)) return;
    std::vector<std::string> names;
    registry.GetValueNames(names);
    for (const std::string& name : names) {
      std::optional<std::string> data = registry.ReadString(name);
      if (data && !data->empty() && NamesAny(*data, files)) registry.DeleteValue(name);
    }
  } catch (const std::exception&) {
    // What could not be cleaned stays; the uninstall goes on.
  }
}

}  // namespace xs
