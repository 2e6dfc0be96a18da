#include "script/file_items.h"

namespace xs {

XS_DEFINE_CLASS(TXUIFolderItem, TXUICustomItem,
    Prop("FolderName", &TXUIFolderItem::FolderName))

XS_DEFINE_CLASS(TXUIDelFolderItem, TXUIFolderItem)

XS_DEFINE_CLASS(TXUICustomFileItem, TXUICustomItem,
    Prop("FileName", &TXUICustomFileItem::FileName))

XS_DEFINE_CLASS(TXUIFileItem, TXUICustomFileItem,
    Prop("Options", &TXUIFileItem::Options),
    Prop("ProtectedRelease", &TXUIFileItem::ProtectedRelease),
    Prop("Data", &TXUIFileItem::Data))

void TXUIFileItem::SetStoreData(bool store) {
  TXUICustomFileItem::SetStoreData(store);
  Data.SetStoreData(store);
}

XS_DEFINE_CLASS(TXUITextFileItem, TXUICustomFileItem,
    Prop("TextName", &TXUITextFileItem::TextName),
    Prop("Options", &TXUITextFileItem::Options))

bool TXUITextFileItem::AssignFrom(const TPersistent& source) {
  if (!TXUICustomFileItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXUITextFileItem*>(&source)) Text = other->Text;
  return true;
}

XS_DEFINE_CLASS(TXUICopyFileItem, TXUICustomFileItem,
    Prop("SourceName", &TXUICopyFileItem::SourceName),
    Prop("Options", &TXUICopyFileItem::Options))

XS_DEFINE_CLASS(TXUIDelFileItem, TXUICustomFileItem)

XS_DEFINE_CLASS(TXUIRenameFileItem, TXUICustomFileItem,
    Prop("SourceName", &TXUIRenameFileItem::SourceName),
    Prop("Options", &TXUIRenameFileItem::Options))

XS_DEFINE_CLASS(TXUIExecuteItem, TXUICustomFileItem,
    Prop("Parameters", &TXUIExecuteItem::Parameters),
    Prop("WorkingFolder", &TXUIExecuteItem::WorkingFolder),
    Prop("RunMinimized", &TXUIExecuteItem::RunMinimized))

XS_DEFINE_CLASS(TXUICustomFilesItem, TXUICustomItem,
    Prop("IncludeSubFolders", &TXUICustomFilesItem::IncludeSubFolders),
    Prop("FolderName", &TXUICustomFilesItem::FolderName),
    Prop("Filter", &TXUICustomFilesItem::Filter))

XS_DEFINE_CLASS(TXUICopyFilesItem, TXUICustomFilesItem,
    Prop("SourceFolder", &TXUICopyFilesItem::SourceFolder),
    Prop("Options", &TXUICopyFilesItem::Options))

XS_DEFINE_CLASS(TXUIDelFilesItem, TXUICustomFilesItem)

XS_DEFINE_CLASS(TXUIRenameFilesItem, TXUICustomFilesItem,
    Prop("SourceFilter", &TXUIRenameFilesItem::SourceFilter),
    Prop("Options", &TXUIRenameFilesItem::Options))

}  // namespace xs
