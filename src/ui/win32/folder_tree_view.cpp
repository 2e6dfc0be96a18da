#include "ui/win32/folder_tree_view.h"

#include "platform/shell_folders.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/window_class.h"

namespace xs {

std::vector<TXFolderRoot> ComputerRoots() {
  std::vector<TXFolderRoot> roots;
  char drives[512];
  const DWORD length = GetLogicalDriveStringsA(sizeof drives, drives);
  if (length == 0 || length >= sizeof drives) return roots;
  for (const char* drive = drives; *drive; drive += lstrlenA(drive) + 1) {
    const UINT type = GetDriveTypeA(drive);
    if (type != DRIVE_FIXED && type != DRIVE_REMOVABLE && type != DRIVE_REMOTE && type != DRIVE_RAMDISK) continue;
    roots.push_back({std::string(drive, 2), drive});
  }
  return roots;
}

std::vector<TXFolderRoot> DesktopRoots() {
  const std::string desktop = SpecialFolderPath(csidlDesktopDirectory, false);
  if (desktop.empty()) return {};
  const size_t slash = desktop.find_last_of("\\/");
  return {{slash == std::string::npos ? desktop : desktop.substr(slash + 1), desktop}};
}

bool TXFolderTreeView::Create(HWND parent, const TXRect& rect, int id, HFONT font,
                              const std::vector<TXFolderRoot>& roots) {
  if (!InitCommonControlClasses(ICC_TREEVIEW_CLASSES)) return false;
  wnd_ = CreateChild(parent, WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                     WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, rect,
                     id, font);
  if (!wnd_) return false;
  model_.SetRoots(roots);
  items_.clear();
  AddItems(TVI_ROOT, model_.Roots());
  return true;
}

void TXFolderTreeView::AddItems(HTREEITEM parent, const std::vector<int>& nodes) {
  for (int node : nodes) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(model_.Nodes()[node].Text.c_str());
    insert.item.lParam = node;
    // Every node offers to open until it has been read: reading a folder
    // only to learn whether it has sub-folders would read the whole level.
    insert.item.cChildren = 1;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(wnd_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (items_.size() <= static_cast<size_t>(node)) items_.resize(node + 1, nullptr);
    items_[node] = item;
  }
}

HTREEITEM TXFolderTreeView::ItemOf(int node) const {
  return node >= 0 && static_cast<size_t>(node) < items_.size() ? items_[node] : nullptr;
}

bool TXFolderTreeView::SelectPath(const std::string& path) {
  if (!model_.SelectPath(path)) return false;
  // Show the nodes the model opened on the way, then the selection.
  std::vector<int> way;
  for (int node = model_.Selected(); node >= 0; node = model_.Nodes()[node].Parent) way.insert(way.begin(), node);
  for (int node : way) {
    if (ItemOf(node) && !model_.Nodes()[node].Children.empty() && !ItemOf(model_.Nodes()[node].Children[0]))
      AddItems(ItemOf(node), model_.Nodes()[node].Children);
  }
  selecting_ = true;
  SendMessageA(wnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemOf(model_.Selected())));
  SendMessageA(wnd_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(ItemOf(model_.Selected())));
  selecting_ = false;
  return true;
}

bool TXFolderTreeView::Notify(const NMHDR& header) {
  if (header.hwndFrom != wnd_ || !wnd_) return false;
  if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDINGW) {
    const auto& view = reinterpret_cast<const NMTREEVIEWA&>(header);
    if (view.action & TVE_EXPAND) {
      const int node = static_cast<int>(view.itemNew.lParam);
      const std::vector<int> added = model_.Open(node);
      AddItems(view.itemNew.hItem, added);
      if (model_.Nodes()[node].Children.empty()) {
        // Read and empty: no button any more.
        TVITEMA item{};
        item.mask = TVIF_CHILDREN | TVIF_HANDLE;
        item.hItem = view.itemNew.hItem;
        item.cChildren = 0;
        SendMessageA(wnd_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
      }
    }
  } else if ((header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW) && !selecting_) {
    const auto& view = reinterpret_cast<const NMTREEVIEWA&>(header);
    model_.SelectNode(view.itemNew.hItem ? static_cast<int>(view.itemNew.lParam) : -1);
  }
  return true;
}

}  // namespace xs
