#include "script/shell_items.h"

#include "base/error.h"
#include "base/settings.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"
#include "script/item_factory.h"
#include "script/path_macros.h"
#include "script/shortcut.h"
#include "script/special_folder.h"
#include "script/undo_plan.h"

namespace xs {
namespace {

// Names are never placed under an empty folder (one the system does not
// know): that would put them in the setup's working folder.
std::string InSpecialFolder(int32_t folder_id, const std::string& name) {
  std::string folder = GetSpecialFolder(folder_id);
  return folder.empty() ? std::string() : folder + name;
}

}  // namespace

XS_DEFINE_CLASS(TXUICustomGroupItem, TXUICustomItem,
    Prop("FolderID", &TXUICustomGroupItem::FolderID))

XS_DEFINE_CLASS(TXUIGroupItem, TXUICustomGroupItem,
    Prop("GroupName", &TXUIGroupItem::GroupName))

void TXUIGroupItem::ExpandMacros() { GroupName = ExpandPathMacros(GroupName); }

std::string TXUIGroupItem::GroupFolder() const { return InSpecialFolder(FolderID, GroupName); }

void TXUIGroupItem::PlanUndo(TXUndoPlan& plan) const { PlanFolder(*this, GroupFolder(), plan); }

bool TXUIGroupItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  std::string folder = GroupFolder();
  if (folder.empty() || !ForceFolders(folder)) {
    XError().SetFirstError(errCreateFolder, 0, false, folder.empty() ? GroupName : folder);
    return false;
  }
  if (SaveUndo) undo = AsUndoRecord(*this, NewDelFolderItem(eoIgnore, folder));
  return true;
}

XS_DEFINE_CLASS(TXUIDelGroupItem, TXUIGroupItem)

bool TXUIDelGroupItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  std::string folder = GroupFolder();
  if (folder.empty() || !FolderExists(folder)) return true;
  return RemoveFolder(folder);
}

XS_DEFINE_CLASS(TXUIIconItem, TXUICustomGroupItem,
    Prop("IconIndex", &TXUIIconItem::IconIndex),
    Prop("IsDesktop", &TXUIIconItem::IsDesktop),
    Prop("LinkName", &TXUIIconItem::LinkName),
    Prop("Description", &TXUIIconItem::Description),
    Prop("FileName", &TXUIIconItem::FileName),
    Prop("Parameters", &TXUIIconItem::Parameters),
    Prop("WorkingFolder", &TXUIIconItem::WorkingFolder))

void TXUIIconItem::ExpandMacros() {
  LinkName = ExpandPathMacros(LinkName);
  FileName = ExpandPathMacros(FileName);
  Parameters = ExpandPathMacros(Parameters);
  WorkingFolder = ExpandPathMacros(WorkingFolder);
}

void TXUIIconItem::PlanUndo(TXUndoPlan& plan) const {
  if (IsDesktop && !RunSettings().CreateDesktopShortcut) return;
  PlanWrittenFile(*this, InSpecialFolder(FolderID, LinkName), plan);
}

bool TXUIIconItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  if (IsDesktop && !RunSettings().CreateDesktopShortcut) return true;
  std::string link = InSpecialFolder(FolderID, LinkName);
  if (link.empty() ||
      !CreateShortcut(link, Description, FileName, Parameters, WorkingFolder, {}, IconIndex)) {
    XError().SetFirstError(errWriteFile, 0, false, link.empty() ? LinkName : link);
    return false;
  }
  if (SaveUndo) undo = AsUndoRecord(*this, NewDelFileItem(eoIgnore, link));
  return true;
}

XS_DEFINE_CLASS(TXUIDelIconItem, TXUICustomGroupItem,
    Prop("LinkName", &TXUIDelIconItem::LinkName))

void TXUIDelIconItem::ExpandMacros() { LinkName = ExpandPathMacros(LinkName); }

bool TXUIDelIconItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  std::string link = InSpecialFolder(FolderID, LinkName);
  if (link.empty() || !FileExists(link)) return true;
  return RemoveFile(link);
}

}  // namespace xs
