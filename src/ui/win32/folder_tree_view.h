// The folder tree as a system tree view: it shows a TXFolderTreeModel,
// adds a node's children when the user opens it, and forwards the user's
// picks to the model, which reports every change of selection.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/folder_tree.h"
#include "ui/geometry.h"

namespace xs {

// The computer's drives (fixed, removable and network), as the folder page
// shows them.
std::vector<TXFolderRoot> ComputerRoots();
// The user's desktop folder.
std::vector<TXFolderRoot> DesktopRoots();

class TXFolderTreeView {
 public:
  TXFolderTreeView() = default;
  TXFolderTreeView(const TXFolderTreeView&) = delete;
  TXFolderTreeView& operator=(const TXFolderTreeView&) = delete;

  // Makes the control in parent (false when the system refuses) with roots
  // shown closed.
  bool Create(HWND parent, const TXRect& rect, int id, HFONT font, const std::vector<TXFolderRoot>& roots);
  HWND Handle() const { return wnd_; }
  TXFolderTreeModel& Model() { return model_; }

  // Selects path and shows it; false when the tree cannot.
  bool SelectPath(const std::string& path);
  // Handles the control's notifications, which its parent passes on from
  // WM_NOTIFY; false for those of other controls.
  bool Notify(const NMHDR& header);

 private:
  void AddItems(HTREEITEM parent, const std::vector<int>& nodes);
  HTREEITEM ItemOf(int node) const;

  HWND wnd_ = nullptr;
  TXFolderTreeModel model_;
  std::vector<HTREEITEM> items_;  // by node
  bool selecting_ = false;        // the view follows the model: no report back
};

}  // namespace xs
