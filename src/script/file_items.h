// The file-system items: folders, packaged files, text files, copies,
// renames, deletions (single or by filter) and program runs.
#pragma once

#include <string>

#include "package/stream_object.h"
#include "script/items.h"

namespace xs {

// Published: FolderName.
class TXUIFolderItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUIFolderItem)
 public:
  std::string FolderName;
};

class TXUIDelFolderItem : public TXUIFolderItem {
  XS_DECLARE_CLASS(TXUIDelFolderItem)
};

// Published: FileName.
class TXUICustomFileItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomFileItem)
 public:
  std::string FileName;
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
};

// Published: SourceName, Options.
class TXUICopyFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUICopyFileItem)
 public:
  std::string SourceName;
  TXUIFileOptions Options = optfNone;
};

class TXUIDelFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIDelFileItem)
};

// Published: SourceName, Options.
class TXUIRenameFileItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIRenameFileItem)
 public:
  std::string SourceName;
  TXUIFileOptions Options = optfNone;
};

// Runs FileName. Published: Parameters, WorkingFolder, RunMinimized.
class TXUIExecuteItem : public TXUICustomFileItem {
  XS_DECLARE_CLASS(TXUIExecuteItem)
 public:
  std::string Parameters;
  std::string WorkingFolder;
  bool RunMinimized = false;
};

// The files of FolderName that match Filter. Published: IncludeSubFolders,
// FolderName, Filter.
class TXUICustomFilesItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomFilesItem)
 public:
  bool IncludeSubFolders = false;
  std::string FolderName;
  std::string Filter;
};

// Published: SourceFolder, Options.
class TXUICopyFilesItem : public TXUICustomFilesItem {
  XS_DECLARE_CLASS(TXUICopyFilesItem)
 public:
  std::string SourceFolder;
  TXUIFileOptions Options = optfNone;
};

class TXUIDelFilesItem : public TXUICustomFilesItem {
  XS_DECLARE_CLASS(TXUIDelFilesItem)
};

// Published: SourceFilter, Options.
class TXUIRenameFilesItem : public TXUICustomFilesItem {
  XS_DECLARE_CLASS(TXUIRenameFilesItem)
 public:
  std::string SourceFilter;
  TXUIFileOptions Options = optfNone;
};

}  // namespace xs
