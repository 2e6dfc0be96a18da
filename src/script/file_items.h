// The file-system items: folders, packaged files, text files, copies,
// renames, deletions (single or by filter) and program runs.
//
// ExpandMacros expands the path macros of the item's paths (never of Filter
// or SourceFilter); GetDisplayText is the target path. Execute first clears
// the error object (TXUIDelFolderItem's leaves it), and hands back an undo
// record only when it succeeds and SaveUndo is set: a TXUIDelFolderItem for
// a created folder, a TXUIDelFileItem for a written file (under the name
// the user may have picked instead), a TXUIDelFilesItem for copied files.
// A false result without a code on the error object is silent: the user
// declined, a replacement rule refused, a copy, move, deletion or start
// failed.
#pragma once

#include <string>

#include "package/stream_object.h"
#include "script/items.h"

namespace xs {

// Creates FolderName with its missing parents. Published: FolderName.
class TXUIFolderItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUIFolderItem)
 public:
  std::string FolderName;

  void ExpandMacros() override;
  std::string GetDisplayText() const override { return FolderName; }
  // On success the folder exists (made now or before). On failure records
  // error 20 with FolderName unless a code is recorded already.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanFolder.
  void PlanUndo(TXUndoPlan& plan) const override;
};

// Removes FolderName when it is empty. True when the folder is gone, also
// when it was gone before.
class TXUIDelFolderItem : public TXUIFolderItem {
  XS_DECLARE_CLASS(TXUIDelFolderItem)
 public:
  // On success the folder is gone. On failure (it holds entries, it is not
  // there) returns false.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // Nothing: it makes no folder.
  void PlanUndo(TXUndoPlan&) const override {}
};

// The record of a folder an item made on the way to its own: removed while
// it is empty. One that holds entries now, or is gone, is left as it is,
// which is a success: it was made for what the uninstall removed before it,
// and others may have put their files there since.
class TXUIDelEmptyFolderItem : public TXUIDelFolderItem {
  XS_DECLARE_CLASS(TXUIDelEmptyFolderItem)
 public:
  // True when the folder is gone now or holds entries; false when an empty
  // folder could not be removed.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// Published: FileName.
class TXUICustomFileItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomFileItem)
 public:
  std::string FileName;

  void ExpandMacros() override;
  std::string GetDisplayText() const override { return FileName; }
};

// A file held in the package. Published: Options, ProtectedRelease, Data.
class TXUIFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIFileItem)
 public:
  TXUIFileOptions Options = optfNone;
  std::string ProtectedRelease;
  TXStreamObject Data;  // the file's bytes and facts
  // The index of the content's data item in the item's package header; 0
  // when the package holds none. Not stored.
  int32_t DataNumber = 0;

  // Also passes the flag on to Data, whose bytes it governs.
  void SetStoreData(bool store) override;
  // WriteDataFile (script/file_actions.h): a failed write records error 23.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanWrittenFile.
  void PlanUndo(TXUndoPlan& plan) const override;
};

// A file written from one of the script's named texts. Published: TextName,
// Options.
class TXUITextFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUITextFileItem)
 public:
  std::string TextName;
  TXUIFileOptions Options = optfNone;
  // The text to write; not stored. SplitSections fills it from the text
  // named TextName.
  std::string Text;

  // Also copies Text from a TXUITextFileItem.
  bool AssignFrom(const TPersistent& source) override;
  // Writes Text as the whole file when AllowOverwrite (no time, no
  // versions) lets it. A failed write records error 23 with the file.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanWrittenFile.
  void PlanUndo(TXUndoPlan& plan) const override;
};

// Published: SourceName, Options.
class TXUICopyFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUICopyFileItem)
 public:
  std::string SourceName;
  TXUIFileOptions Options = optfNone;

  void ExpandMacros() override;
  // CopyOneFile from SourceName to FileName.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanWrittenFile.
  void PlanUndo(TXUndoPlan& plan) const override;
};

class TXUIDelFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIDelFileItem)
 public:
  // DeleteFileEx: succeeds when the file is gone or was never there.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// Published: SourceName, Options.
class TXUIRenameFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIRenameFileItem)
 public:
  std::string SourceName;
  TXUIFileOptions Options = optfNone;

  void ExpandMacros() override;
  // RenameOneFile from SourceName to FileName.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// Runs FileName. Published: Parameters, WorkingFolder, RunMinimized.
class TXUIExecuteItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIExecuteItem)
 public:
  std::string Parameters;
  std::string WorkingFolder;
  bool RunMinimized = false;

  void ExpandMacros() override;
  // RunProgram, waiting until the program ends; true when it was started.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// The files of FolderName that match Filter. Published: IncludeSubFolders,
// FolderName, Filter. Execute refuses an empty or relative FolderName (and
// SourceFolder) with error 20 and that name: it would act on whatever the
// current folder is.
class TXUICustomFilesItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomFilesItem)
 public:
  bool IncludeSubFolders = false;
  std::string FolderName;
  std::string Filter;  // masks separated by ";"

  void ExpandMacros() override;
  // FolderName (with a delimiter) followed by Filter.
  std::string GetDisplayText() const override;
};

// Published: SourceFolder, Options.
class TXUICopyFilesItem : public TXUICustomFilesItem {
  XS_DECLARE_CLASS(TXUICopyFilesItem)
 public:
  std::string SourceFolder;
  TXUIFileOptions Options = optfNone;

  void ExpandMacros() override;
  // CopyFolderFiles from SourceFolder to FolderName; true when every copy
  // succeeded.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
  // PlanTempFiles in FolderName, with IncludeSubFolders.
  void PlanUndo(TXUndoPlan& plan) const override;
};

class TXUIDelFilesItem : public TXUICustomFilesItem {
  XS_DECLARE_CLASS(TXUIDelFilesItem)
 public:
  // DeleteFolderFiles in FolderName; true when every deletion succeeded.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// Published: SourceFilter, Options.
class TXUIRenameFilesItem : public TXUICustomFilesItem {
  XS_DECLARE_CLASS(TXUIRenameFilesItem)
 public:
  std::string SourceFilter;  // selects the files; Filter gives the new extensions
  TXUIFileOptions Options = optfNone;

  // RenameFolderFiles in FolderName; true when every rename succeeded.
  // Raises when Filter has fewer masks than SourceFilter.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

}  // namespace xs
