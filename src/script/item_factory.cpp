#include "script/item_factory.h"

namespace xs {
namespace {

template <class T>
std::unique_ptr<T> NewItem(TXUIErrorOptions error_options, TXUISection section) {
  auto item = std::make_unique<T>();
  item->ErrorOptions = error_options;
  item->Section = section;
  return item;
}

template <class T>
std::unique_ptr<T> NewRegItem(TXUIErrorOptions error_options, THKey root_id,
                              TXUIRegOptions options, const std::string& key_name) {
  auto item = NewItem<T>(error_options, isReg);
  item->RootID = root_id;
  item->Options = options;
  item->KeyName = key_name;
  return item;
}

}  // namespace

std::unique_ptr<TXUIDelFolderItem> NewDelFolderItem(TXUIErrorOptions error_options,
                                                    const std::string& folder_name) {
  auto item = NewItem<TXUIDelFolderItem>(error_options, isFolder);
  item->FolderName = folder_name;
  return item;
}

std::unique_ptr<TXUIDelEmptyFolderItem> NewDelEmptyFolderItem(TXUIErrorOptions error_options,
                                                              const std::string& folder_name) {
  auto item = NewItem<TXUIDelEmptyFolderItem>(error_options, isFolder);
  item->FolderName = folder_name;
  return item;
}

std::unique_ptr<TXUIDelFileItem> NewDelFileItem(TXUIErrorOptions error_options,
                                                const std::string& file_name) {
  auto item = NewItem<TXUIDelFileItem>(error_options, isFile);
  item->FileName = file_name;
  return item;
}

std::unique_ptr<TXUIDelFilesItem> NewDelFilesItem(TXUIErrorOptions error_options,
                                                  const std::string& folder_name,
                                                  const std::string& filter,
                                                  bool include_sub_folders) {
  auto item = NewItem<TXUIDelFilesItem>(error_options, isFile);
  item->FolderName = folder_name;
  item->Filter = filter;
  item->IncludeSubFolders = include_sub_folders;
  return item;
}

std::unique_ptr<TXUIDelXIniItem> NewDelXIniItem(TXUIErrorOptions error_options,
                                                const std::string& file_name,
                                                const std::string& object_name,
                                                const std::string& object_class,
                                                const std::string& value_name) {
  auto item = NewItem<TXUIDelXIniItem>(error_options, isIni);
  item->FileName = file_name;
  item->ObjectName = object_name;
  item->ObjectClass = object_class;
  item->ValueName = value_name;
  return item;
}

std::unique_ptr<TXUIRegKeyItem> NewRegKeyItem(TXUIErrorOptions error_options, bool save_undo,
                                              THKey root_id, TXUIRegOptions options,
                                              const std::string& key_name) {
  auto item = NewRegItem<TXUIRegKeyItem>(error_options, root_id, options, key_name);
  item->SaveUndo = save_undo;
  return item;
}

std::unique_ptr<TXUIDelRegKeyItem> NewDelRegKeyItem(TXUIErrorOptions error_options, THKey root_id,
                                                    TXUIRegOptions options,
                                                    const std::string& key_name) {
  return NewRegItem<TXUIDelRegKeyItem>(error_options, root_id, options, key_name);
}

std::unique_ptr<TXUIDelEmptyRegKeyItem> NewDelEmptyRegKeyItem(TXUIErrorOptions error_options, THKey root_id,
                                                              const std::string& key_name) {
  return NewRegItem<TXUIDelEmptyRegKeyItem>(error_options, root_id, optrNone, key_name);
}

std::unique_ptr<TXUIRegValItem> NewRegValItem(TXUIErrorOptions error_options, bool save_undo,
                                              THKey root_id, TXUIRegOptions options,
                                              const std::string& key_name,
                                              const std::string& value_name,
                                              const std::string& value,
                                              TXUIRegValues value_type) {
  auto item = NewRegItem<TXUIRegValItem>(error_options, root_id, options, key_name);
  item->SaveUndo = save_undo;
  item->ValueName = value_name;
  item->Value = value;
  item->ValueType = value_type;
  return item;
}

std::unique_ptr<TXUIDelRegValItem> NewDelRegValItem(TXUIErrorOptions error_options, THKey root_id,
                                                    TXUIRegOptions options,
                                                    const std::string& key_name,
                                                    const std::string& value_name) {
  auto item = NewRegItem<TXUIDelRegValItem>(error_options, root_id, options, key_name);
  item->ValueName = value_name;
  return item;
}

void SetUndoProps(TXUICustomItem& item, TXUISection section, int32_t lg_id, uint8_t component,
                  bool is_undo, TXUIConditions condition) {
  item.Section = section;
  item.SetLgID(lg_id);
  item.Component = component;
  item.IsUndo = is_undo;
  item.Condition = condition;
}

}  // namespace xs
