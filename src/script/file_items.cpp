#include "script/file_items.h"

#include <algorithm>
#include <vector>

#include "base/error.h"
#include "platform/file_system.h"
#include "script/file_actions.h"
#include "script/item_factory.h"
#include "script/overwrite.h"
#include "script/path_macros.h"
#include "script/run_program.h"
#include "script/undo_plan.h"

namespace xs {

namespace {
void Expand(std::string& text) { text = ExpandPathMacros(text); }

// A walk by filter needs a full folder name: an empty or relative one would
// walk whatever the current folder is. Records error 20 with the name.
bool IsWalkableFolder(const std::string& folder) {
  if (IsAbsolutePath(folder)) return true;
  XError().SetFirstError(errCreateFolder, 0, false, folder);
  return false;
}

// The record that deletes the file an item wrote.
void RecordWrittenFile(const TXUICustomItem& item, const std::string& file, std::unique_ptr<TXUICustomItem>& undo) {
  if (item.SaveUndo) undo = AsUndoRecord(item, NewDelFileItem(eoIgnore, file));
}
}  // namespace

XS_DEFINE_CLASS(TXUIFolderItem, TXUICustomItem,
    Prop("FolderName", &TXUIFolderItem::FolderName))

void TXUIFolderItem::ExpandMacros() { Expand(FolderName); }

bool TXUIFolderItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  if (!ForceFolders(FolderName)) {
    XError().SetFirstError(errCreateFolder, 0, false, FolderName);
    return false;
  }
  // Only FolderName itself: the parents made on the way come from PlanUndo,
  // which saw which of them were there before.
  if (SaveUndo) undo = AsUndoRecord(*this, NewDelFolderItem(eoIgnore, FolderName));
  return true;
}

void TXUIFolderItem::PlanUndo(TXUndoPlan& plan) const { PlanFolder(*this, FolderName, plan); }

XS_DEFINE_CLASS(TXUIDelFolderItem, TXUIFolderItem)

// A folder already gone is as the record wants it: a journal's record and
// the log's may both name it.
bool TXUIDelFolderItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  return RemoveFolder(FolderName) || !FolderExists(FolderName);
}

XS_DEFINE_CLASS(TXUIDelEmptyFolderItem, TXUIDelFolderItem)

bool TXUIDelEmptyFolderItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  if (TXUIDelFolderItem::Execute(undo)) return true;
  std::vector<TSearchRec> found;
  FindFiles(FolderName, "*", found);
  return std::any_of(found.begin(), found.end(),
                     [](const TSearchRec& entry) { return entry.Name != "." && entry.Name != ".."; });
}

XS_DEFINE_CLASS(TXUICustomFileItem, TXUICustomItem,
    Prop("FileName", &TXUICustomFileItem::FileName))

void TXUICustomFileItem::ExpandMacros() { Expand(FileName); }

XS_DEFINE_CLASS(TXUIFileItem, TXUICustomFileItem,
    Prop("Options", &TXUIFileItem::Options),
    Prop("ProtectedRelease", &TXUIFileItem::ProtectedRelease),
    Prop("Data", &TXUIFileItem::Data))

void TXUIFileItem::SetStoreData(bool store) {
  TXUICustomFileItem::SetStoreData(store);
  Data.SetStoreData(store);
}

void TXUIFileItem::PlanUndo(TXUndoPlan& plan) const { PlanWrittenFile(*this, FileName, plan); }

bool TXUIFileItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  std::string dest = FileName;
  if (!WriteDataFile(Options, ProtectedRelease, dest, Data)) return false;
  RecordWrittenFile(*this, dest, undo);
  return true;
}

XS_DEFINE_CLASS(TXUITextFileItem, TXUICustomFileItem,
    Prop("TextName", &TXUITextFileItem::TextName),
    Prop("Options", &TXUITextFileItem::Options))

bool TXUITextFileItem::AssignFrom(const TPersistent& source) {
  if (!TXUICustomFileItem::AssignFrom(source)) return false;
  if (auto* other = dynamic_cast<const TXUITextFileItem*>(&source)) Text = other->Text;
  return true;
}

void TXUITextFileItem::PlanUndo(TXUndoPlan& plan) const { PlanWrittenFile(*this, FileName, plan); }

bool TXUITextFileItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  std::string dest = FileName;
  if (!AllowOverwrite(Options, dest, 0, {}, {})) return false;
  const auto size = static_cast<int64_t>(Text.size());
  if (!SaveNewFile(dest, size, [&](TStream& file) { file.WriteBuffer(Text.data(), size); })) {
    XError().SetError(errWriteFile, 0, false, dest);
    return false;
  }
  RecordWrittenFile(*this, dest, undo);
  return true;
}

XS_DEFINE_CLASS(TXUICopyFileItem, TXUICustomFileItem,
    Prop("SourceName", &TXUICopyFileItem::SourceName),
    Prop("Options", &TXUICopyFileItem::Options))

void TXUICopyFileItem::ExpandMacros() {
  Expand(FileName);
  Expand(SourceName);
}

void TXUICopyFileItem::PlanUndo(TXUndoPlan& plan) const { PlanWrittenFile(*this, FileName, plan); }

bool TXUICopyFileItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  std::string dest = FileName;
  if (!CopyOneFile(Options, dest, SourceName)) return false;
  RecordWrittenFile(*this, dest, undo);
  return true;
}

XS_DEFINE_CLASS(TXUIDelFileItem, TXUICustomFileItem)

bool TXUIDelFileItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  XError().Clear();
  return DeleteFileEx(FileName);
}

XS_DEFINE_CLASS(TXUIRenameFileItem, TXUICustomFileItem,
    Prop("SourceName", &TXUIRenameFileItem::SourceName),
    Prop("Options", &TXUIRenameFileItem::Options))

void TXUIRenameFileItem::ExpandMacros() {
  Expand(FileName);
  Expand(SourceName);
}

bool TXUIRenameFileItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  XError().Clear();
  std::string dest = FileName;
  return RenameOneFile(Options, dest, SourceName);
}

XS_DEFINE_CLASS(TXUIExecuteItem, TXUICustomFileItem,
    Prop("Parameters", &TXUIExecuteItem::Parameters),
    Prop("WorkingFolder", &TXUIExecuteItem::WorkingFolder),
    Prop("RunMinimized", &TXUIExecuteItem::RunMinimized))

void TXUIExecuteItem::ExpandMacros() {
  Expand(FileName);
  Expand(Parameters);
  Expand(WorkingFolder);
}

bool TXUIExecuteItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  XError().Clear();
  return RunProgram(FileName, Parameters, WorkingFolder, RunMinimized, false, true);
}

XS_DEFINE_CLASS(TXUICustomFilesItem, TXUICustomItem,
    Prop("IncludeSubFolders", &TXUICustomFilesItem::IncludeSubFolders),
    Prop("FolderName", &TXUICustomFilesItem::FolderName),
    Prop("Filter", &TXUICustomFilesItem::Filter))

XS_DEFINE_CLASS(TXUICopyFilesItem, TXUICustomFilesItem,
    Prop("SourceFolder", &TXUICopyFilesItem::SourceFolder),
    Prop("Options", &TXUICopyFilesItem::Options))

void TXUICustomFilesItem::ExpandMacros() { Expand(FolderName); }

std::string TXUICustomFilesItem::GetDisplayText() const { return IncludeTrailingPathDelimiter(FolderName) + Filter; }

void TXUICopyFilesItem::ExpandMacros() {
  Expand(FolderName);
  Expand(SourceFolder);
}

void TXUICopyFilesItem::PlanUndo(TXUndoPlan& plan) const {
  PlanTempFiles(*this, FolderName, IncludeSubFolders, plan);
}

bool TXUICopyFilesItem::Execute(std::unique_ptr<TXUICustomItem>& undo) {
  XError().Clear();
  if (!IsWalkableFolder(FolderName) || !IsWalkableFolder(SourceFolder)) return false;
  if (!CopyFolderFiles(Options, FolderName, SourceFolder, SplitMasks(Filter), IncludeSubFolders)) return false;
  if (SaveUndo) undo = AsUndoRecord(*this, NewDelFilesItem(eoIgnore, FolderName, Filter, IncludeSubFolders));
  return true;
}

XS_DEFINE_CLASS(TXUIDelFilesItem, TXUICustomFilesItem)

bool TXUIDelFilesItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  XError().Clear();
  if (!IsWalkableFolder(FolderName)) return false;
  return DeleteFolderFiles(FolderName, SplitMasks(Filter), IncludeSubFolders);
}

XS_DEFINE_CLASS(TXUIRenameFilesItem, TXUICustomFilesItem,
    Prop("SourceFilter", &TXUIRenameFilesItem::SourceFilter),
    Prop("Options", &TXUIRenameFilesItem::Options))

bool TXUIRenameFilesItem::Execute(std::unique_ptr<TXUICustomItem>&) {
  XError().Clear();
  if (!IsWalkableFolder(FolderName)) return false;
  return RenameFolderFiles(Options, FolderName, SplitMasks(SourceFilter), SplitMasks(Filter), IncludeSubFolders);
}

}  // namespace xs
