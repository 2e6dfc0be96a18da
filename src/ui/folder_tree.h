// What a folder tree shows: folders only, under a few roots (the drives of
// the computer, or the desktop), with a node's children read when it is
// first opened, never the whole disk at once. The view shows the nodes and
// forwards the user's opening and picking; the wizard selects paths and
// hears of every change of selection.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace xs {

struct TXFolderRoot {
  std::string Text;  // what the node shows ("C:", "Desktop")
  std::string Path;  // the folder, with or without a trailing delimiter
};

struct TXFolderNode {
  std::string Text;
  std::string Path;  // without a trailing delimiter, except a drive's root
  int Parent = -1;
  bool Loaded = false;  // its children have been read
  std::vector<int> Children;
};

class TXFolderTreeModel {
 public:
  void SetRoots(const std::vector<TXFolderRoot>& roots);

  const std::vector<TXFolderNode>& Nodes() const { return nodes_; }
  const std::vector<int>& Roots() const { return roots_; }
  // Reads the node's sub-folders (once), sorted by name without regard to
  // case; hidden folders and links are left out (a link would lead out of
  // the tree). Returns the nodes added, so that a view adds only those.
  std::vector<int> Open(int node);

  // Selects the folder path names, opening the nodes on the way. False
  // when it is not in the tree (not under a root, or a part of it does not
  // exist); the selection then stays as it was.
  bool SelectPath(const std::string& path);
  // The user picked node (-1: none).
  void SelectNode(int node);
  int Selected() const { return selected_; }
  std::string SelectedPath() const { return selected_ < 0 ? std::string() : nodes_[selected_].Path; }

  // Called with the selected folder's path after every change of selection.
  std::function<void(const std::string& path)> OnChange;

 private:
  int AddNode(const std::string& text, const std::string& path, int parent);
  int FindChild(const std::vector<int>& among, const std::string& text) const;

  std::vector<TXFolderNode> nodes_;
  std::vector<int> roots_;
  int selected_ = -1;
};

}  // namespace xs
