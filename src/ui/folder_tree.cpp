#include "ui/folder_tree.h"

#include <algorithm>

#include "base/convert.h"
#include "platform/file_system.h"

namespace xs {

namespace {

// The parts of a path after its root, which the caller has matched.
std::vector<std::string> PartsAfter(const std::string& path, size_t root_length) {
  std::vector<std::string> parts;
  std::string part;
  for (size_t i = root_length; i <= path.size(); ++i) {
    if (i == path.size() || IsPathDelimiter(path[i])) {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += path[i];
    }
  }
  return parts;
}

// root is path's beginning, up to a delimiter: "C:\" holds "c:\Program
// Files", "C:\Data" does not hold "C:\Database".
bool StartsWithFolder(const std::string& path, const std::string& root) {
  const std::string base = ExcludeTrailingPathDelimiter(root);
  if (path.size() < base.size() || !SameText(path.substr(0, base.size()), base)) return false;
  return path.size() == base.size() || IsPathDelimiter(path[base.size()]) || IsPathDelimiter(base.back());
}

}  // namespace

void TXFolderTreeModel::SetRoots(const std::vector<TXFolderRoot>& roots) {
  nodes_.clear();
  roots_.clear();
  selected_ = -1;
  for (const TXFolderRoot& root : roots) {
    // A drive's root keeps its delimiter: "C:" alone names the drive's
    // current folder.
    std::string path = ExcludeTrailingPathDelimiter(root.Path);
    if (!path.empty() && path.back() == ':') path += kPathDelim;
    roots_.push_back(AddNode(root.Text, path, -1));
  }
}

int TXFolderTreeModel::AddNode(const std::string& text, const std::string& path, int parent) {
  TXFolderNode node;
  node.Text = text;
  node.Path = path;
  node.Parent = parent;
  nodes_.push_back(node);
  return static_cast<int>(nodes_.size()) - 1;
}

std::vector<int> TXFolderTreeModel::Open(int node) {
  std::vector<int> added;
  if (node < 0 || node >= static_cast<int>(nodes_.size()) || nodes_[node].Loaded) return added;
  nodes_[node].Loaded = true;
  std::vector<TSearchRec> found;
  FindFiles(nodes_[node].Path, "*", found);
  std::vector<std::string> names;
  for (const TSearchRec& entry : found) {
    if (!(entry.Attr & faDirectory) || (entry.Attr & (faReparsePoint | faHidden))) continue;
    if (entry.Name == "." || entry.Name == "..") continue;
    names.push_back(entry.Name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  const std::string base = IncludeTrailingPathDelimiter(nodes_[node].Path);
  for (const std::string& name : names) {
    const int child = AddNode(name, base + name, node);
    nodes_[node].Children.push_back(child);
    added.push_back(child);
  }
  return added;
}

int TXFolderTreeModel::FindChild(const std::vector<int>& among, const std::string& text) const {
  for (int child : among)
    if (SameText(nodes_[child].Text, text)) return child;
  return -1;
}

bool TXFolderTreeModel::SelectPath(const std::string& path) {
  for (int root : roots_) {
    if (!StartsWithFolder(path, nodes_[root].Path)) continue;
    int node = root;
    for (const std::string& part : PartsAfter(path, ExcludeTrailingPathDelimiter(nodes_[root].Path).size())) {
      Open(node);
      node = FindChild(nodes_[node].Children, part);
      if (node < 0) break;
    }
    if (node < 0) continue;
    SelectNode(node);
    return true;
  }
  return false;
}

void TXFolderTreeModel::SelectNode(int node) {
  if (node < -1 || node >= static_cast<int>(nodes_.size())) return;
  selected_ = node;
  if (OnChange) OnChange(SelectedPath());
}

}  // namespace xs
