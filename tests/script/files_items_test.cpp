// The items that act on the files of a folder by filter: copying, deleting
// and renaming, with several masks, an empty filter and subfolders.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "base/convert.h"
#include "base/error.h"
#include "base/exception.h"
#include "file_items_fixture.h"
#include "platform/platform_fixture.h"
#include "platform/system_error.h"
#include "script/file_actions.h"
#include "script/file_items.h"

namespace xs {
namespace {

const std::string D(1, kPathDelim);

class FilesItemTest : public FileItemsTest {
 protected:
  void SetUp() override {
    FileItemsTest::SetUp();
    for (const char* name : {"a.dll", "b.ocx", "c.txt", "sub/d.dll", "sub/f.txt", "sub/deeper/e.dll"})
      MakeFile(Relative("src", name), "", 0, name);
    ASSERT_TRUE(ForceFolders(Scratch("src") + D + "empty"));
    ASSERT_TRUE(ForceFolders(Scratch("src") + D + "folder.dll"));  // a folder the masks match
  }

  // root followed by a relative name written with "/", and that in the
  // scratch folder.
  static std::string Relative(const std::string& root, std::string name) {
    std::replace(name.begin(), name.end(), '/', kPathDelim);
    return root + D + name;
  }
  std::string Path(const std::string& root, const std::string& name) const { return Scratch(Relative(root, name)); }

  // The files below folder, relative names with "/", sorted.
  std::vector<std::string> FilesIn(const std::string& folder, const std::string& prefix = {}) const {
    std::vector<std::string> names;
    std::vector<TSearchRec> found;
    FindFiles(folder, "*", found);
    for (const TSearchRec& entry : found) {
      if (entry.Name == "." || entry.Name == "..") continue;
      if (entry.Attr & faDirectory) {
        std::vector<std::string> below = FilesIn(folder + D + entry.Name, prefix + entry.Name + "/");
        names.insert(names.end(), below.begin(), below.end());
      } else {
        names.push_back(prefix + entry.Name);
      }
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  bool Copy(const std::string& filter, bool sub_folders, std::unique_ptr<TXUICustomItem>* undo = nullptr,
            TXUIFileOptions options = optfNone) {
    TXUICopyFilesItem item;
    item.SourceFolder = Scratch("src");
    item.FolderName = Scratch("dest");
    item.Filter = filter;
    item.IncludeSubFolders = sub_folders;
    item.Options = options;
    item.SaveUndo = true;
    item.Section = isFile;
    item.Component = 4;
    std::unique_ptr<TXUICustomItem> ignored;
    return item.Execute(undo ? *undo : ignored);
  }

  // Renames in src and its subfolders.
  std::unique_ptr<TXUIRenameFilesItem> Renaming(const std::string& source_filter, const std::string& filter,
                                                TXUIFileOptions options = optfNone) const {
    auto item = std::make_unique<TXUIRenameFilesItem>();
    item->FolderName = Scratch("src");
    item->SourceFilter = source_filter;
    item->Filter = filter;
    item->Options = options;
    item->IncludeSubFolders = true;
    return item;
  }

  using Names = std::vector<std::string>;
};

TEST_F(FilesItemTest, CopyingByFilter) {
  const struct {
    const char* filter;
    bool sub_folders;
    std::vector<std::string> copied;
  } cases[] = {
      {"*.*", false, {"a.dll", "b.ocx", "c.txt"}},
      {"*.dll;*.ocx", false, {"a.dll", "b.ocx"}},
      {" *.dll ; ;*.OCX", false, {"a.dll", "b.ocx"}},  // blanks and empty parts do not count; any case
      {"*.dll", true, {"a.dll", "sub/d.dll", "sub/deeper/e.dll"}},
      {"*.*", true, {"a.dll", "b.ocx", "c.txt", "sub/d.dll", "sub/deeper/e.dll", "sub/f.txt"}},
      {"c.txt", true, {"c.txt"}},
      {"", true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    EXPECT_TRUE(Copy(c.filter, c.sub_folders));
    EXPECT_EQ(FilesIn(Scratch("dest")), c.copied);
    RemoveTree(Scratch("dest"));
  }
  ASSERT_TRUE(Copy("*.dll", true));
  EXPECT_EQ(ReadTextFile(Path("dest", "sub/deeper/e.dll")), "sub/deeper/e.dll");
}

TEST_F(FilesItemTest, AnEmptyFilterCopiesNothingAndMakesNoFolder) {
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(Copy("", true, &undo));
  EXPECT_FALSE(FolderExists(Scratch("dest")));
  EXPECT_NE(undo, nullptr) << "a success is recorded like any other";
}

TEST_F(FilesItemTest, CopyingRecordsTheFolderAndFilter) {
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(Copy("*.dll;*.ocx", true, &undo));
  auto* record = dynamic_cast<TXUIDelFilesItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FolderName, Scratch("dest"));
  EXPECT_EQ(record->Filter, "*.dll;*.ocx");
  EXPECT_TRUE(record->IncludeSubFolders);
  EXPECT_EQ(record->Section, isFile);
  EXPECT_EQ(record->Component, 4);
  EXPECT_TRUE(record->IsUndo);
  EXPECT_EQ(record->ErrorOptions, eoIgnore);

  // The record undoes the copy, leaving the folders.
  ASSERT_TRUE(WriteTextFile(Path("dest", "user.txt"), "mine"));
  EXPECT_TRUE(record->Execute(undo));
  EXPECT_EQ(FilesIn(Scratch("dest")), Names{"user.txt"});
  EXPECT_TRUE(FolderExists(Path("dest", "sub/deeper")));
}

TEST_F(FilesItemTest, EveryFileIsTriedAfterAFailure) {
  MakeFile(Relative("dest", "a.dll"), "", 0, "kept");
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(Copy("*.dll", true, &undo, optfFailIfExists));
  EXPECT_EQ(undo, nullptr);
  EXPECT_EQ(ReadTextFile(Path("dest", "a.dll")), "kept");
  EXPECT_EQ(FilesIn(Scratch("dest")), (Names{"a.dll", "sub/d.dll", "sub/deeper/e.dll"}));
}

TEST_F(FilesItemTest, DeletingByFilterKeepsFolders) {
  TXUIDelFilesItem item;
  item.FolderName = Scratch("src");
  item.Filter = "*.dll;*.txt";
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(item.Execute(undo));
  EXPECT_EQ(FilesIn(Scratch("src")), (Names{"b.ocx", "sub/d.dll", "sub/deeper/e.dll", "sub/f.txt"}));
  item.IncludeSubFolders = true;
  item.Filter = "*.*";
  ASSERT_TRUE(SetFileAttr(Path("src", "sub/f.txt"), faReadOnly));
  EXPECT_TRUE(item.Execute(undo));
  EXPECT_EQ(FilesIn(Scratch("src")), Names{});
  for (const char* folder : {"sub/deeper", "empty", "folder.dll"}) EXPECT_TRUE(FolderExists(Path("src", folder)));
  item.Filter = "";
  EXPECT_TRUE(item.Execute(undo));
  item.FolderName = Scratch("missing");
  EXPECT_TRUE(item.Execute(undo)) << "nothing there, nothing to fail";
  EXPECT_EQ(undo, nullptr);
}

TEST_F(FilesItemTest, RenamingGivesTheTargetMasksExtensions) {
  auto item = Renaming("*.txt;*.ocx", "*.bak;*.old");
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_TRUE(item->Execute(undo));
  EXPECT_EQ(FilesIn(Scratch("src")),
            (Names{"a.dll", "b.old", "c.bak", "sub/d.dll", "sub/deeper/e.dll", "sub/f.bak"}));
  EXPECT_EQ(ReadTextFile(Path("src", "sub/f.bak")), "sub/f.txt");
  EXPECT_TRUE(FolderExists(Path("src", "folder.dll")));
  EXPECT_EQ(undo, nullptr);

  // A mask without extension takes the extension away.
  item = Renaming("a.dll", "*");
  EXPECT_TRUE(item->Execute(undo));
  EXPECT_TRUE(FileExists(Path("src", "a")));
}

TEST_F(FilesItemTest, RenamingFollowsTheReplacementRule) {
  MakeFile(Relative("src", "c.bak"), "", 0, "kept");
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(Renaming("*.txt", "*.bak", optfFailIfExists)->Execute(undo));
  EXPECT_EQ(ReadTextFile(Path("src", "c.bak")), "kept");
  EXPECT_TRUE(FileExists(Path("src", "c.txt")));
  EXPECT_TRUE(FileExists(Path("src", "sub/f.bak"))) << "the others are still renamed";

  // Masks that rename a file to its own name leave it alone.
  EXPECT_TRUE(Renaming("*.dll", "*.DLL")->Execute(undo));
  std::vector<TSearchRec> found;
  FindFiles(Scratch("src"), "a.*", found);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(SameText(found[0].Name, "a.dll")) << "at most the letter case changes";
  EXPECT_EQ(ReadTextFile(Path("src", found[0].Name)), "a.dll");
}

TEST_F(FilesItemTest, TooFewTargetMasksRaiseBeforeAnythingIsRenamed) {
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_THROW(Renaming("*.txt;*.dll", "*.bak")->Execute(undo), Exception);
  EXPECT_TRUE(FileExists(Path("src", "c.txt")));
  EXPECT_TRUE(FileExists(Path("src", "sub/f.txt")));
}

// Links in the walked folder lead outside it: no walk follows them, and a
// link a mask matches is handled as the link itself.
TEST_F(FilesItemTest, WalksNeverLeaveTheirFolder) {
  MakeFile(Relative("outside", "user.dll"), "", 0, "mine");
  MakeFile(Relative("outside", "deeper/user.txt"), "", 0, "mine too");
  if (!MakeSymbolicLink(Path("src", "sub/linked"), Scratch("outside"), true) ||
      !MakeSymbolicLink(Path("src", "file-link.dll"), Path("outside", "user.dll"), false))
    GTEST_SKIP() << "no symbolic links here: " << LastSystemError();
  const Names outside{"deeper/user.txt", "user.dll"};
  std::unique_ptr<TXUICustomItem> undo;

  ASSERT_TRUE(Copy("*.*", true));
  EXPECT_FALSE(FolderExists(Path("dest", "sub/linked")));
  EXPECT_EQ(FilesIn(Scratch("outside")), outside);

  EXPECT_TRUE(Renaming("*.dll;*.txt", "*.bak;*.old")->Execute(undo));
  EXPECT_EQ(FilesIn(Scratch("outside")), outside);
  EXPECT_NE(GetFileAttr(Path("src", "file-link.bak")) & faReparsePoint, 0u) << "the link itself is renamed";

  TXUIDelFilesItem del;
  del.FolderName = Scratch("src");
  del.Filter = "*.*";
  del.IncludeSubFolders = true;
  EXPECT_TRUE(del.Execute(undo));
  EXPECT_EQ(GetFileAttr(Path("src", "file-link.bak")), faInvalid) << "a link goes as a link";
  EXPECT_EQ(FilesIn(Scratch("outside")), outside);
  EXPECT_EQ(ReadTextFile(Path("outside", "user.dll")), "mine");
}

// An empty or relative folder would be the current folder, whatever that
// is: the walks refuse it with error 20 and touch nothing there.
TEST_F(FilesItemTest, WalksRefuseFoldersThatAreNotFullPaths) {
  MakeFile(Relative("cwd", "x.dll"), "", 0, "x");
  MakeFile(Relative("cwd", "rel/y.dll"), "", 0, "y");
  const std::filesystem::path old_cwd = std::filesystem::current_path();
  std::filesystem::current_path(Scratch("cwd"));
  auto del = [](const std::string& folder) {
    auto item = std::make_unique<TXUIDelFilesItem>();
    item->FolderName = folder;
    return item;
  };
  auto rename = [](const std::string& folder) {
    auto item = std::make_unique<TXUIRenameFilesItem>();
    item->FolderName = folder;
    item->SourceFilter = "*.dll";
    return item;
  };
  auto copy = [](const std::string& folder, const std::string& source) {
    auto item = std::make_unique<TXUICopyFilesItem>();
    item->FolderName = folder;
    item->SourceFolder = source;
    return item;
  };
  const struct {
    const char* what;
    std::string folder;  // the name error 20 reports
    std::unique_ptr<TXUICustomFilesItem> item;
  } cases[] = {
      {"delete, empty folder", "", del("")},
      {"delete, relative folder", "rel", del("rel")},
      {"rename, empty folder", "", rename("")},
      {"copy, relative folder", "rel", copy("rel", Scratch("src"))},
      {"copy, relative source", "rel", copy(Scratch("dest"), "rel")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.item->Filter = "*.dll";
    c.item->IncludeSubFolders = true;
    c.item->SaveUndo = true;
    std::unique_ptr<TXUICustomItem> undo;
    EXPECT_FALSE(c.item->Execute(undo));
    EXPECT_EQ(XError().GetCode(), errCreateFolder);
    EXPECT_EQ(XError().GetText(), c.folder);
    EXPECT_EQ(undo, nullptr);
  }
  std::filesystem::current_path(old_cwd);
  EXPECT_EQ(FilesIn(Scratch("cwd")), (Names{"rel/y.dll", "x.dll"}));
  EXPECT_FALSE(FolderExists(Scratch("dest")));
}

}  // namespace
}  // namespace xs
