// The single-file and folder items: what Execute does on the machine, the
// errors it records, and the undo records it hands back.
#include "script/file_items.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>

#include "base/error.h"
#include "file_items_fixture.h"
#include "package/package_item_source.h"
#include "platform/pe_builder.h"
#include "package/dying_source.h"
#include "platform/platform_fixture.h"
#include "script/file_actions.h"

namespace xs {
namespace {

constexpr double kOld = 45000.25, kNew = 45001.75;
const std::string D(1, kPathDelim);

const std::string kBytes("MZ\0\x01\xFF binary\r\n", 14);

// The fields every undo record of an item carries: those of the executed
// item where they identify it, the fixed ones otherwise.
void ExpectUndoRecordOf(const TXUICustomItem& record, const TXUICustomItem& executed) {
  EXPECT_EQ(record.ErrorOptions, eoIgnore);
  EXPECT_EQ(record.Section, executed.Section);
  EXPECT_EQ(record.LgID(), executed.LgID());
  EXPECT_EQ(record.Component, executed.Component);
  EXPECT_TRUE(record.IsUndo);
  EXPECT_FALSE(record.SaveUndo);
  EXPECT_EQ(record.Condition, TXUIConditions().set(cdAlways));
}

// An item whose undo record matters: SaveUndo, and identifying fields that
// differ from a record's defaults.
template <class T>
std::unique_ptr<T> Logged() {
  auto item = std::make_unique<T>();
  item->SaveUndo = true;
  item->Section = isStart;
  item->SetLgID(7);
  item->Component = 2;
  item->ErrorOptions = eoAbort;
  item->Condition.set(cdReinstall);
  return item;
}

bool SameTime(double a, double b) { return std::fabs(a - b) < 2.0 / 86400; }

// Bytes that break off after a few: the package item cannot be read whole.
class BrokenSource : public TXByteSource {
 public:
  bool IsEmpty() const override { return false; }
  std::unique_ptr<TStream> Open() const override { return std::make_unique<BrokenStream>(); }
  std::unique_ptr<TXByteSource> Clone() const override { return std::make_unique<BrokenSource>(); }

 private:
  class BrokenStream : public TMemoryStream {
   public:
    BrokenStream() : TMemoryStream(std::vector<uint8_t>(100, 'x')) {}
    int64_t Read(void* buffer, int64_t count) override {
      if (Position() >= 50) throw EStreamError("damaged package");
      return TMemoryStream::Read(buffer, count < 50 ? count : 50);
    }
  };
};

using FileItemTest = FileItemsTest;

// Each write that fails before its end, over an existing file: the file
// stays whole and nothing of the attempt is left beside it.
TEST_F(FileItemTest, AFailedWriteLeavesTheFileItWasToReplace) {
  const std::string dest = Scratch("app.dll"), package = Scratch("package.bin"), big = Scratch("big.bin");
  const struct {
    const char* what;
    bool full_disk;  // the write runs into a file-size limit
    int code;        // what the error object holds after
    std::function<bool()> run;
  } cases[] = {
      {"a package item whose checksum is wrong", false, errWriteFile,
       [&] {
         EXPECT_TRUE(WriteTextFile(package, "new content"));
         TXItemSpan span;
         span.Entry.ID = 1;  // stored as it is
         span.Entry.Size = 11;
         span.Entry.Checksum = 0x12345678;
         TXUIFileItem item;
         item.FileName = dest;
         TXPackageItemLocation where{package, 0, "Data", 1, 1};
         item.Data.SetSource(std::make_unique<TXPackageItemSource>(where, span, 11));
         std::unique_ptr<TXUICustomItem> undo;
         return item.Execute(undo) || undo != nullptr;
       }},
      {"package bytes that break off", false, errWriteFile,
       [&] {
         std::string to = dest;
         TXStreamObject data;
         data.SetSource(std::make_unique<BrokenSource>());
         return WriteDataFile(optfNone, "", to, data);
       }},
      {"fewer bytes than the item declares", false, errWriteFile,
       [&] {
         std::string to = dest;
         TXStreamObject data;
         data.DataStream().WriteBuffer("new", 3);
         data.Size = 10;
         return WriteDataFile(optfNone, "", to, data);
       }},
      {"a file item on a full disk", true, errWriteFile,
       [&] {
         std::string to = dest;
         TXStreamObject data;
         const std::string bytes(300000, 'n');
         data.DataStream().WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
         return WriteDataFile(optfNone, "", to, data);
       }},
      {"a text file item on a full disk", true, errWriteFile,
       [&] {
         TXUITextFileItem item;
         item.FileName = dest;
         item.Text.assign(300000, 'n');
         std::unique_ptr<TXUICustomItem> undo;
         return item.Execute(undo);
       }},
      {"a copy on a full disk", true, 0,
       [&] {
         TXUICopyFileItem item;
         item.SourceName = big;
         item.FileName = dest;
         std::unique_ptr<TXUICustomItem> undo;
         return item.Execute(undo);
       }},
  };
  ASSERT_TRUE(WriteTextFile(big, std::string(300000, 'n')));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.full_disk && !TFileSizeLimit::Supported()) continue;  // Windows: no file-size limit to run into
    MakeFile("app.dll", "", 0, "old");
    bool ok = false;
    {
      TFileSizeLimit limit(c.full_disk ? 100000 : int64_t{1} << 40);
      ok = c.run();
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(XError().GetCode(), c.code);
    if (c.code != 0) {
      EXPECT_EQ(XError().GetText(), dest);
    }
    EXPECT_TRUE(ReadTextFile(dest) == "old") << "the old file was lost";
    EXPECT_EQ(TempFilesIn(Scratch()), std::vector<std::string>{});
  }
}

// Started by the next test in a process of its own, which dies halfway.
TEST(FileItemChild, DISABLED_DiesWhileReplacingAFile) {
  const char* dest = std::getenv("XS_TEST_DEST");
  ASSERT_NE(dest, nullptr);
  TXUIFileItem item;
  item.FileName = dest;
  item.Data.SetSource(std::make_unique<DyingSource>());
  std::unique_ptr<TXUICustomItem> undo;
  item.Execute(undo);
  ADD_FAILURE() << "the process lived on";
}

TEST_F(FileItemTest, AKilledWriteLeavesTheFileItWasToReplace) {
  const std::string dest = MakeFile("app.dll", "", 0, "old");
  SetTestVariable("XS_TEST_DEST", dest);
  EXPECT_EQ(RunSelf("FileItemChild.DISABLED_DiesWhileReplacingAFile"), uint32_t{DyingSource::kDied});
  EXPECT_EQ(ReadTextFile(dest), "old");
}

TEST_F(FileItemTest, AFileItemWritesItsDataWithTheTimeStampAndRecordsTheFile) {
  auto item = Logged<TXUIFileItem>();
  item->FileName = Scratch("app.dll");
  TMemoryStream bytes(std::vector<uint8_t>(kBytes.begin(), kBytes.end()));
  item->Data.ReadFrom(bytes);
  item->Data.Version = "7.1.9.170";
  item->Data.TimeStamp = kOld;
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadTextFile(Scratch("app.dll")), kBytes);
  EXPECT_TRUE(SameTime(LocalTime(Scratch("app.dll")), kOld)) << LocalTime(Scratch("app.dll"));

  auto* record = dynamic_cast<TXUIDelFileItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FileName, Scratch("app.dll"));
  ExpectUndoRecordOf(*record, *item);

  // Without SaveUndo there is no record; without a time stamp the file keeps
  // the time of its writing.
  item->SaveUndo = false;
  item->Data.TimeStamp = 0;
  undo.reset();
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(undo, nullptr);
  EXPECT_GT(LocalTime(Scratch("app.dll")), kNew);
}

TEST_F(FileItemTest, TheVersionRuleDecidesSilently) {
  std::string file = MakeFile("app.dll", "7.1.9.170");
  const std::string existing = ReadTextFile(file);
  auto item = Logged<TXUIFileItem>();
  item->FileName = file;
  item->Options = optfIfNewer;
  item->Data.DataStream().WriteBuffer("new", 3);
  item->Data.Version = "7.1.9.170";
  std::unique_ptr<TXUICustomItem> undo;
  XError().SetError(errGeneral);
  EXPECT_FALSE(item->Execute(undo)) << "equal versions are kept";
  EXPECT_EQ(XError().GetCode(), 0) << "a refusal is silent";
  EXPECT_EQ(undo, nullptr);
  EXPECT_EQ(ReadTextFile(file), existing);

  item->Data.Version = "7.1.9.171";
  EXPECT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadTextFile(file), "new");
}

TEST_F(FileItemTest, AReadOnlyFileIsReplacedOnceAllowed) {
  std::string file = MakeFile("app.dll", "", 0, "old");
  ASSERT_TRUE(SetFileAttr(file, faReadOnly));
  auto item = std::make_unique<TXUIFileItem>();
  item->FileName = file;
  item->Data.DataStream().WriteBuffer("new", 3);
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadTextFile(file), "new");

  ASSERT_TRUE(SetFileAttr(file, faReadOnly));
  TXUITextFileItem text;
  text.FileName = file;
  text.Text = "text";
  ASSERT_TRUE(text.Execute(undo));
  EXPECT_EQ(ReadTextFile(file), "text");
}

TEST_F(FileItemTest, AFileWrittenUnderANewNameIsTheOneRecorded) {
  std::string file = MakeFile("app.dll", "", 0, "old");
  auto item = Logged<TXUIFileItem>();
  item->FileName = file;
  item->Options = optfRename;
  item->Data.DataStream().WriteBuffer("new", 3);
  AnswerMessages({mrOK});
  AnswerInputs({"app2.dll"});
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadTextFile(file), "old");
  EXPECT_EQ(ReadTextFile(Scratch("app2.dll")), "new");
  auto* record = dynamic_cast<TXUIDelFileItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FileName, Scratch("app2.dll"));
  EXPECT_EQ(item->FileName, file) << "the item keeps its own name";
}

TEST_F(FileItemTest, AFailedWriteRecordsError23WithTheFile) {
  auto item = Logged<TXUIFileItem>();
  item->FileName = Scratch("missing folder") + D + "app.dll";
  item->Data.DataStream().WriteBuffer("new", 3);
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_EQ(XError().GetCode(), errWriteFile);
  EXPECT_EQ(XError().GetText(), item->FileName);
  EXPECT_EQ(undo, nullptr);

  // Setting replaces a code recorded before.
  std::string dest = Scratch("broken.dll");
  TXStreamObject broken;
  broken.SetSource(std::make_unique<BrokenSource>());
  XError().SetError(errGeneral, 0, false, "earlier");
  EXPECT_FALSE(WriteDataFile(optfNone, "", dest, broken));
  EXPECT_EQ(XError().GetCode(), errWriteFile);
  EXPECT_EQ(XError().GetText(), dest);
  EXPECT_FALSE(FileExists(dest)) << "no half-written file is left behind";
}

TEST_F(FileItemTest, ATextFileHoldsTheTextByteForByte) {
  const std::string text("line 1\r\nline 2\n\0\xE4\xFF", 19);
  MakeFile("readme.txt", "", kNew, std::string(1000, 'x'));  // newer and longer
  auto item = Logged<TXUITextFileItem>();
  item->FileName = Scratch("readme.txt");
  item->Options = optfIfNewer;  // no versions, no time: always replaces
  item->Text = text;
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadTextFile(Scratch("readme.txt")), text);
  auto* record = dynamic_cast<TXUIDelFileItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FileName, Scratch("readme.txt"));
  ExpectUndoRecordOf(*record, *item);

  item->Options = optfFailIfExists;
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_EQ(XError().GetCode(), 0);

  item->FileName = Scratch("missing folder") + D + "readme.txt";
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_EQ(XError().GetCode(), errWriteFile);
  EXPECT_EQ(XError().GetText(), item->FileName);
}

TEST_F(FileItemTest, AFolderItemRecordsOnlyTheFolderItNames) {
  auto item = Logged<TXUIFolderItem>();
  item->FolderName = Scratch("A") + D + "B" + D + "C";
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_TRUE(FolderExists(item->FolderName));
  auto* record = dynamic_cast<TXUIDelFolderItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FolderName, item->FolderName);
  ExpectUndoRecordOf(*record, *item);

  // Undoing removes the innermost folder only, and only while it is empty.
  ASSERT_TRUE(WriteTextFile(item->FolderName + D + "user.txt", "kept"));
  EXPECT_FALSE(record->Execute(undo));
  EXPECT_TRUE(FileExists(item->FolderName + D + "user.txt"));
  ASSERT_TRUE(RemoveFile(item->FolderName + D + "user.txt"));
  EXPECT_TRUE(record->Execute(undo));
  EXPECT_FALSE(FolderExists(item->FolderName));
  EXPECT_TRUE(FolderExists(Scratch("A") + D + "B"));

  // An existing folder is a success too.
  ASSERT_TRUE(item->Execute(undo));
}

TEST_F(FileItemTest, AFolderThatCannotBeMadeRecordsError20) {
  MakeFile("blocker", "");
  auto item = Logged<TXUIFolderItem>();
  item->FolderName = Scratch("blocker") + D + "sub";
  std::unique_ptr<TXUICustomItem> undo;
  XError().SetError(errGeneral);
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_EQ(XError().GetCode(), errCreateFolder);
  EXPECT_EQ(XError().GetText(), item->FolderName);
  EXPECT_EQ(undo, nullptr);
}

TEST_F(FileItemTest, DeletingAFolderLeavesTheErrorObjectAlone) {
  ASSERT_TRUE(ForceFolders(Scratch("empty")));
  TXUIDelFolderItem item;
  item.FolderName = Scratch("empty");
  std::unique_ptr<TXUICustomItem> undo;
  XError().SetError(errGeneral, 0, false, "earlier");
  EXPECT_TRUE(item.Execute(undo));
  EXPECT_FALSE(FolderExists(Scratch("empty")));
  EXPECT_EQ(XError().GetText(), "earlier");
  EXPECT_TRUE(item.Execute(undo)) << "a folder that is not there is removed already";

  MakeFile("full" + D + "kept.txt", "");
  item.FolderName = Scratch("full");
  EXPECT_FALSE(item.Execute(undo)) << "a folder that holds files stays";
  EXPECT_TRUE(FileExists(Scratch("full" + D + "kept.txt")));
}

TEST_F(FileItemTest, DeletingAHelpFileTakesItsCompanions) {
  for (const char* name : {"manual.hlp", "manual.gid", "manual.fts", "manual.txt", "BIG.HLP", "BIG.GID", "BIG.FTS"})
    MakeFile(name, "");
  ASSERT_TRUE(SetFileAttr(Scratch("manual.hlp"), faReadOnly));
  TXUIDelFileItem item;
  std::unique_ptr<TXUICustomItem> undo;
  item.FileName = Scratch("manual.hlp");
  EXPECT_TRUE(item.Execute(undo));
  item.FileName = Scratch("BIG.HLP");
  EXPECT_TRUE(item.Execute(undo));
  for (const char* name : {"manual.hlp", "manual.gid", "manual.fts", "BIG.HLP", "BIG.GID", "BIG.FTS"})
    EXPECT_FALSE(FileExists(Scratch(name))) << name;
  EXPECT_TRUE(FileExists(Scratch("manual.txt")));

  item.FileName = Scratch("manual.hlp");
  EXPECT_TRUE(item.Execute(undo)) << "a file that is not there is deleted already";
  ASSERT_TRUE(ForceFolders(Scratch("folder.txt")));
  item.FileName = Scratch("folder.txt");
  EXPECT_TRUE(item.Execute(undo)) << "a folder is no file";
  EXPECT_TRUE(FolderExists(Scratch("folder.txt")));
  EXPECT_EQ(undo, nullptr);
}

TEST_F(FileItemTest, CopyingAFileFollowsTheRuleAndRecordsTheCopy) {
  std::string source = MakeFile("src" + D + "app.dll", "7.1.9.171", kOld);
  auto item = Logged<TXUICopyFileItem>();
  item->SourceName = source;
  item->FileName = Scratch("app.dll");
  item->Options = optfIfNewer;
  std::unique_ptr<TXUICustomItem> undo;
  ASSERT_TRUE(item->Execute(undo));
  EXPECT_EQ(ReadTextFile(item->FileName), ReadTextFile(source));
  EXPECT_TRUE(SameTime(LocalTime(item->FileName), kOld));
  auto* record = dynamic_cast<TXUIDelFileItem*>(undo.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->FileName, item->FileName);
  ExpectUndoRecordOf(*record, *item);

  undo.reset();
  EXPECT_FALSE(item->Execute(undo)) << "now the same version is there";
  EXPECT_EQ(undo, nullptr);
  EXPECT_EQ(XError().GetCode(), 0);

  // A missing source fails before any question is asked.
  item->SourceName = Scratch("src" + D + "missing.dll");
  item->Options = optfConfirmOverwrite;
  EXPECT_FALSE(item->Execute(undo));
  EXPECT_EQ(XError().GetCode(), 0);
  EXPECT_TRUE(FileExists(item->FileName));
}

TEST_F(FileItemTest, RenamingAFileNeverLosesTheDestinationForNothing) {
  std::string source = MakeFile("old.txt", "", 0, "moved");
  MakeFile("new.txt", "", 0, "replaced");
  TXUIRenameFileItem item;
  item.SourceName = source;
  item.FileName = Scratch("new.txt");
  item.Options = optfFailIfExists;
  std::unique_ptr<TXUICustomItem> undo;
  EXPECT_FALSE(item.Execute(undo));
  EXPECT_EQ(ReadTextFile(Scratch("new.txt")), "replaced");

  item.Options = optfNone;
  ASSERT_TRUE(item.Execute(undo));
  EXPECT_FALSE(FileExists(source));
  EXPECT_EQ(ReadTextFile(Scratch("new.txt")), "moved");
  EXPECT_EQ(undo, nullptr);

  // The source is gone now: the destination must stay.
  EXPECT_FALSE(item.Execute(undo));
  EXPECT_EQ(ReadTextFile(Scratch("new.txt")), "moved");

  // A file renamed to itself stays.
  item.SourceName = item.FileName;
  EXPECT_TRUE(item.Execute(undo));
  EXPECT_EQ(ReadTextFile(Scratch("new.txt")), "moved");
}

}  // namespace
}  // namespace xs
