// Making items in code: the undo records that items hand back from Execute,
// and the uninstall registration the engine adds to the script. Each New...
// makes an item with the fields named and its section; TXCustomUI::AddItem
// hands one to a script or undo log.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "script/file_items.h"
#include "script/registry_items.h"
#include "script/system_items.h"

namespace xs {

// Section isFolder.
std::unique_ptr<TXUIDelFolderItem> NewDelFolderItem(TXUIErrorOptions error_options,
                                                    const std::string& folder_name);
// Section isFolder.
std::unique_ptr<TXUIDelEmptyFolderItem> NewDelEmptyFolderItem(TXUIErrorOptions error_options,
                                                              const std::string& folder_name);
// Section isFile.
std::unique_ptr<TXUIDelFileItem> NewDelFileItem(TXUIErrorOptions error_options,
                                                const std::string& file_name);
// Section isFile.
std::unique_ptr<TXUIDelFilesItem> NewDelFilesItem(TXUIErrorOptions error_options,
                                                  const std::string& folder_name,
                                                  const std::string& filter,
                                                  bool include_sub_folders);
// Section isIni.
std::unique_ptr<TXUIDelXIniItem> NewDelXIniItem(TXUIErrorOptions error_options,
                                                const std::string& file_name,
                                                const std::string& object_name,
                                                const std::string& object_class,
                                                const std::string& value_name);
// Section isReg.
std::unique_ptr<TXUIRegKeyItem> NewRegKeyItem(TXUIErrorOptions error_options, bool save_undo,
                                              THKey root_id, TXUIRegOptions options,
                                              const std::string& key_name);
// Section isReg.
std::unique_ptr<TXUIDelRegKeyItem> NewDelRegKeyItem(TXUIErrorOptions error_options, THKey root_id,
                                                    TXUIRegOptions options,
                                                    const std::string& key_name);
// Section isReg; Options optrNone.
std::unique_ptr<TXUIDelEmptyRegKeyItem> NewDelEmptyRegKeyItem(TXUIErrorOptions error_options, THKey root_id,
                                                              const std::string& key_name);
// Section isReg.
std::unique_ptr<TXUIRegValItem> NewRegValItem(TXUIErrorOptions error_options, bool save_undo,
                                              THKey root_id, TXUIRegOptions options,
                                              const std::string& key_name,
                                              const std::string& value_name,
                                              const std::string& value,
                                              TXUIRegValues value_type);
// Section isReg.
std::unique_ptr<TXUIDelRegValItem> NewDelRegValItem(TXUIErrorOptions error_options, THKey root_id,
                                                    TXUIRegOptions options,
                                                    const std::string& key_name,
                                                    const std::string& value_name);

// Overwrites the item's Section, LgID, Component, IsUndo and Condition.
void SetUndoProps(TXUICustomItem& item, TXUISection section, int32_t lg_id, uint8_t component,
                  bool is_undo, TXUIConditions condition);

// The undo record of an executed item: record (made with eoIgnore) with the
// executed item's Section, LgID and Component, IsUndo set and Condition
// [cdAlways].
template <class T>
std::unique_ptr<T> AsUndoRecord(const TXUICustomItem& executed, std::unique_ptr<T> record) {
  SetUndoProps(*record, executed.Section, executed.LgID(), executed.Component, true,
               TXUIConditions().set(cdAlways));
  return record;
}

}  // namespace xs
