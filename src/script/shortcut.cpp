#include "script/shortcut.h"

#include "base/convert.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_link.h"
#include "platform/shell_notify.h"

namespace xs {
namespace {

// Fills the link's icon from the default icon of target's class; leaves it
// unset when the class or its icon is not registered.
void UseClassDefaultIcon(const std::string& target, TShellLink& link) {
  std::string class_id = FileClassId(target);
  if (class_id.empty()) return;
  TXRegistry classes(kHKeyClassesRoot);
  if (!classes.OpenKeyReadOnly("CLSID\\" + class_id + "\\DefaultIcon")) return;
  std::optional<std::string> icon = classes.ReadString("");
  if (!icon || icon->empty()) return;
  size_t comma = icon->find(',');
  link.IconFile = icon->substr(0, comma);
  link.IconIndex = comma == std::string::npos ? 0 : StrToIntDef(icon->substr(comma + 1), 0);
}

std::string FolderOf(const std::string& file) {
  size_t cut = file.size();
  while (cut > 0 && !IsPathDelimiter(file[cut - 1])) --cut;
  return file.substr(0, cut > 0 ? cut - 1 : 0);
}

}  // namespace

bool CreateShortcut(const std::string& link_file, const std::string& description,
                    const std::string& target, const std::string& arguments,
                    const std::string& working_folder, const std::string& icon_file,
                    int icon_index) {
  TShellLink link;
  link.Target = target;
  link.Arguments = arguments;
  link.WorkingFolder = working_folder;
  link.Description = description;
  if (!icon_file.empty()) {
    link.IconFile = icon_file;
    link.IconIndex = icon_index;
  } else if (icon_index > 0) {
    link.IconFile = target;
    link.IconIndex = icon_index;
  } else if (icon_index == -1) {
    UseClassDefaultIcon(target, link);
  }
  if (!WriteShellLink(link_file, link)) return false;
  NotifyShellChange(shcneCreate, shcnfPath, link_file);
  NotifyShellChange(shcneUpdateDir, shcnfPath | shcnfFlush, FolderOf(link_file));
  return true;
}

}  // namespace xs
