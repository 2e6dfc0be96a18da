#include "script/undo_plan.h"

#include <algorithm>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "script/item_factory.h"

namespace xs {
namespace {

// folder and the folders above it that are missing, outermost first.
std::vector<std::string> MissingFolders(const std::string& folder) {
  std::vector<std::string> missing;
  std::string current = ExcludeTrailingPathDelimiter(folder);
  while (!current.empty() && !FolderExists(current)) {
    missing.push_back(current);
    std::string parent = ExcludeTrailingPathDelimiter(ExtractFilePath(current));
    if (parent == current) break;
    current = parent;
  }
  std::reverse(missing.begin(), missing.end());
  return missing;
}

// key and the keys above it that are missing below root, outermost first.
std::vector<std::string> MissingKeys(THKey root, const std::string& key) {
  std::vector<std::string> missing;
  TXRegistry registry(root);
  std::string path;
  size_t start = 0;
  while (start <= key.size()) {
    size_t end = key.find('\\', start);
    if (end == std::string::npos) end = key.size();
    if (end > start) {
      path += (path.empty() ? "" : "\\") + key.substr(start, end - start);
      if (!missing.empty() || !registry.KeyExists(path)) missing.push_back(path);
    }
    start = end + 1;
  }
  return missing;
}

template <class T>
void Add(std::vector<std::unique_ptr<TXUICustomItem>>& to, const TXUICustomItem& item, std::unique_ptr<T> record) {
  to.push_back(AsUndoRecord(item, std::move(record)));
}

void AddEmptyFolders(const TXUICustomItem& item, const std::vector<std::string>& folders, size_t count,
                     std::vector<std::unique_ptr<TXUICustomItem>>& to) {
  for (size_t i = 0; i < count; ++i) Add(to, item, NewDelEmptyFolderItem(eoIgnore, folders[i]));
}

void AddEmptyKeys(const TXUICustomItem& item, THKey root, const std::vector<std::string>& keys, size_t count,
                  std::vector<std::unique_ptr<TXUICustomItem>>& to) {
  for (size_t i = 0; i < count; ++i) Add(to, item, NewDelEmptyRegKeyItem(eoIgnore, root, keys[i]));
}

}  // namespace

void PlanFolder(const TXUICustomItem& item, const std::string& folder, TXUndoPlan& plan) {
  if (!item.SaveUndo || folder.empty()) return;
  const std::vector<std::string> missing = MissingFolders(folder);
  if (missing.empty() || missing.back() != ExcludeTrailingPathDelimiter(folder)) return;
  AddEmptyFolders(item, missing, missing.size() - 1, plan.Parents);
  Add(plan.Pending, item, NewDelFolderItem(eoIgnore, folder));
}

void PlanFolders(const TXUICustomItem& item, const std::string& folder, TXUndoPlan& plan) {
  if (!item.SaveUndo || folder.empty()) return;
  const std::vector<std::string> missing = MissingFolders(folder);
  AddEmptyFolders(item, missing, missing.size(), plan.Parents);
}

void PlanWrittenFile(const TXUICustomItem& item, const std::string& file, TXUndoPlan& plan) {
  if (file.empty()) return;
  if (item.SaveUndo && !FileExists(file)) Add(plan.Pending, item, NewDelFileItem(eoIgnore, file));
  PlanTempFiles(item, ExtractFilePath(file), false, plan);
}

void PlanTempFiles(const TXUICustomItem& item, const std::string& folder, bool recurse, TXUndoPlan& plan) {
  if (!IsAbsolutePath(folder)) return;
  auto record = AsUndoRecord(item, NewDelFilesItem(eoIgnore, folder, std::string(kTempPrefix) + "*.tmp", recurse));
  record->Section = isTemp;
  plan.Pending.push_back(std::move(record));
}

void PlanKey(const TXUICustomItem& item, THKey root, TXUIRegOptions options, const std::string& key,
             TXUndoPlan& plan) {
  if (!item.SaveUndo) return;
  const std::vector<std::string> missing = MissingKeys(root, key);
  if (missing.empty()) return;
  AddEmptyKeys(item, root, missing, missing.size() - 1, plan.Parents);
  Add(plan.Pending, item, NewDelRegKeyItem(eoIgnore, root, options, key));
}

void PlanValue(const TXUICustomItem& item, THKey root, const std::string& key, const std::string& name,
               TXUndoPlan& plan) {
  if (!item.SaveUndo) return;
  const std::vector<std::string> missing = MissingKeys(root, key);
  AddEmptyKeys(item, root, missing, missing.size(), plan.Parents);
  TXRegistry registry(root);
  if (!missing.empty() || !registry.OpenKeyReadOnly(key) || !registry.ValueExists(name))
    Add(plan.Pending, item, NewDelRegValItem(eoIgnore, root, optrNone, key, name));
}

}  // namespace xs
