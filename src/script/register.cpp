#include "script/register.h"

#include <initializer_list>

#include "package/class_registry.h"
#include "script/file_items.h"
#include "script/install.h"
#include "script/registry_items.h"
#include "script/search_items.h"
#include "script/shell_items.h"
#include "script/system_items.h"
#include "script/undo.h"

namespace xs {
namespace {

void WithScriptClasses(void (*apply)(std::initializer_list<const TClass*>)) {
  apply({
      &TXUICustomItem::StaticClass(),
      &TXUITextItem::StaticClass(),
      &TXUIComponentItem::StaticClass(),
      &TXUIFolderItem::StaticClass(),
      &TXUIDelFolderItem::StaticClass(),
      &TXUIDelEmptyFolderItem::StaticClass(),
      &TXUICustomFileItem::StaticClass(),
      &TXUIFileItem::StaticClass(),
      &TXUITextFileItem::StaticClass(),
      &TXUICopyFileItem::StaticClass(),
      &TXUIDelFileItem::StaticClass(),
      &TXUIRenameFileItem::StaticClass(),
      &TXUIExecuteItem::StaticClass(),
      &TXUICustomFilesItem::StaticClass(),
      &TXUICopyFilesItem::StaticClass(),
      &TXUIDelFilesItem::StaticClass(),
      &TXUIRenameFilesItem::StaticClass(),
      &TXUICustomGroupItem::StaticClass(),
      &TXUIGroupItem::StaticClass(),
      &TXUIDelGroupItem::StaticClass(),
      &TXUIIconItem::StaticClass(),
      &TXUIDelIconItem::StaticClass(),
      &TXUICustomXIniItem::StaticClass(),
      &TXUIXIniItem::StaticClass(),
      &TXUIDelXIniItem::StaticClass(),
      &TXUICustomRegItem::StaticClass(),
      &TXUIRegKeyItem::StaticClass(),
      &TXUIDelRegKeyItem::StaticClass(),
      &TXUIDelEmptyRegKeyItem::StaticClass(),
      &TXUICustomRegValItem::StaticClass(),
      &TXUIRegValItem::StaticClass(),
      &TXUIDelRegValItem::StaticClass(),
      &TXUISysParametersItem::StaticClass(),
      &TXUISysProfilesItem::StaticClass(),
      &TXUIMessageItem::StaticClass(),
      &TXUICustomSearchVersionItem::StaticClass(),
      &TXUIFolderSearchVersionItem::StaticClass(),
      &TXUIRegSearchVersionItem::StaticClass(),
      &TXInstall::StaticClass(),
      &TXUndo::StaticClass(),
  });
}

}  // namespace

void RegisterScriptClasses() { WithScriptClasses(RegisterObjectClasses); }

void UnregisterScriptClasses() { WithScriptClasses(UnregisterObjectClasses); }

}  // namespace xs
