// Install packages saved by the install filer and loaded back.
#include "engine/install_filer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/little_endian.h"
#include "package/data_index.h"
#include "package/object_component.h"
#include "package/qstream.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "package/dying_source.h"
#include "platform/platform_fixture.h"
#include "script/item_factory.h"
#include "script/undo.h"
#include "script/file_items.h"
#include "script/register.h"
#include "script/undo.h"

namespace xs {
namespace {

std::string TextOf(TPersistent& object) {
  TMemoryStream text;
  EXPECT_TRUE(WriteObjectToStream(object, text, true, false, nullptr));
  return std::string(text.Bytes().begin(), text.Bytes().end());
}

std::vector<uint8_t> Bytes(const TXStreamObject& data) {
  TMemoryStream out;
  data.WriteTo(out);
  return out.Bytes();
}

struct InstallFilerTest : ::testing::Test {
  std::string file = testing::TempDir() + "xs_install_filer_" +
                     testing::UnitTest::GetInstance()->current_test_info()->name() + ".pkg";
  TXPackageContents saved;

  void SetUp() override {
    RegisterScriptClasses();
    RegisterDataIndexClasses();
    TXInstall& s = saved.Script;
    s.Title = "Sample 1.0";
    s.DefaultFolderName = "<wpf>\\Vendor\\Sample";
    s.AppItems.First()->Title = "Sample";
    TMemoryStream image(std::vector<uint8_t>{'B', 'M', 1, 2, 3});
    s.Design.TopImage.LoadFromStream("TBitmap", image);
    auto folder = std::make_unique<TXUIFolderItem>();
    folder->FolderName = "<install>";
    s.AddItem(std::move(folder));
    auto item = std::make_unique<TXUIFileItem>();
    item->FileName = "<install>\\app.exe";
    std::vector<uint8_t> content(70000);
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<uint8_t>(i * 7 + i / 300);
    TMemoryStream bytes(content);
    item->Data.LoadFromStream(".exe", bytes);
    item->Data.FileName = "app.exe";
    item->Data.Version = "7.1.9.170";
    item->Data.TimeStamp = 46000.5;
    item->Data.Size = static_cast<int64_t>(content.size());
    s.AddItem(std::move(item));
    TMemoryStream pack(std::vector<uint8_t>{9, 9, 9});
    saved.Languages.AddStream(".xlg", pack, "en.xlg");
  }
  void TearDown() override { std::remove(file.c_str()); }
};

TEST_F(InstallFilerTest, APackageLoadsBackTheSameScriptItemsAndFiles) {
  ASSERT_TRUE(SaveNewFileWith(file, FilerClass<TXInstallFiler>, &saved, false, nullptr, {}, ifBestCompression))
      << XError().GetCode();
  for (int32_t value : {0, ifBindFileContents}) {
    TXPackageContents loaded;
    ASSERT_TRUE(LoadPackageWith(file, FilerClass<TXInstallFiler>, &loaded, false, nullptr, {}, value, 0));
    EXPECT_EQ(XError().GetCode(), 0);
    EXPECT_EQ(TextOf(loaded.Script), TextOf(saved.Script));
    EXPECT_EQ(Bytes(loaded.Script.Design.TopImage), Bytes(saved.Script.Design.TopImage));
    ASSERT_EQ(loaded.Script.Items.Count(), 2);
    for (int i = 0; i < 2; ++i) {
      // The contents travel as data items, not inside the object text.
      loaded.Script.Items.GetItem(i)->SetStoreData(false);
      EXPECT_EQ(TextOf(*loaded.Script.Items.GetItem(i)), TextOf(*saved.Script.Items.GetItem(i)));
    }
    auto* in = dynamic_cast<TXUIFileItem*>(loaded.Script.Items.GetItem(1));
    auto* out = dynamic_cast<TXUIFileItem*>(saved.Script.Items.GetItem(1));
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->DataNumber, 3);
    EXPECT_EQ(Bytes(in->Data), Bytes(out->Data));
    EXPECT_EQ(in->Data.Size, 70000);
    EXPECT_EQ(in->Data.Version, "7.1.9.170");
    EXPECT_DOUBLE_EQ(in->Data.TimeStamp, 46000.5);
    ASSERT_EQ(loaded.Languages.Count(), 1);
    EXPECT_EQ(loaded.Languages.GetItem(0)->Name, "en.xlg");
  }
}

TEST_F(InstallFilerTest, FileItemHeadersCarryTheirContentAsItemThree) {
  ASSERT_TRUE(SaveNewFileWith(file, FilerClass<TXInstallFiler>, &saved, false, nullptr));
  TFileStream f(file, FileMode::OpenRead);
  TXQStream container;
  ASSERT_TRUE(container.Open(omRead, &f, false, nullptr, 0));
  const TXRGroupObject* data = nullptr;
  for (const auto& g : container.Groups)
    if (g->Name == "Data") data = g.get();
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->Headers.size(), 3u);
  const TXRHeaderObject& folder = *data->Headers[1];
  const TXRHeaderObject& file_header = *data->Headers[2];
  EXPECT_EQ(folder.Count, 3);
  ASSERT_EQ(file_header.Count, 4);
  std::vector<int32_t> ids;
  for (const auto& item : file_header.Items) ids.push_back(item.ID);
  EXPECT_EQ(ids, (std::vector<int32_t>{-1, -3, -6, -2}));
  std::string index;
  ASSERT_TRUE(container.ReadItem(file_header, 2, nullptr, index));
  EXPECT_NE(index.find("name = 'Data'"), std::string::npos) << index;
  EXPECT_NE(index.find("Idx = 3"), std::string::npos) << index;
  std::string empty_index;
  ASSERT_TRUE(container.ReadItem(folder, 2, nullptr, empty_index));
  EXPECT_NE(empty_index.find("Obj.DataIndex = <>"), std::string::npos) << empty_index;
}

// A disk that is full once limit bytes are written: writes beyond it store
// nothing.
class TFullDisk : public TMemoryStream {
 public:
  explicit TFullDisk(int64_t limit) : limit_(limit) {}
  int64_t Write(const void* buffer, int64_t count) override {
    return TMemoryStream::Write(buffer, std::clamp<int64_t>(limit_ - Position(), 0, count));
  }

 private:
  int64_t limit_;
};

// Wherever the disk fills up, the save fails with errSave; only a disk with
// room for the whole package takes it.
TEST_F(InstallFilerTest, ASaveThatCannotWriteEverythingFails) {
  auto save = [&](TStream& out) {
    std::unique_ptr<TXFiler> filer = FilerClass<TXInstallFiler>();
    filer->Setup(&saved, ifBestCompression, {});
    return filer->SaveToStream(out, nullptr, false);
  };
  TMemoryStream whole;
  ASSERT_TRUE(save(whole));
  const int64_t size = whole.Size();
  std::vector<int64_t> limits = {0, 50, 107, size - 16, size - 1};
  for (int64_t limit = 120; limit < size; limit += size / 97) limits.push_back(limit);
  for (int64_t limit : limits) {
    TFullDisk disk(limit);
    EXPECT_FALSE(save(disk)) << "room for " << limit << " of " << size << " bytes";
    EXPECT_EQ(XError().GetCode(), errSave) << limit;
  }
  TFullDisk roomy(size);
  EXPECT_TRUE(save(roomy));
  EXPECT_EQ(roomy.Bytes(), whole.Bytes());
}

// A package or an undo log with one damaged record loads with what the record
// held missing; the filer must refuse it rather than hand out a shorter
// script or log.
TEST_F(InstallFilerTest, ADamagedRecordFailsThePackageAndTheUndoLogLoad) {
  TXUndo log;
  log.AddItem(std::make_unique<TXUIFolderItem>())->FolderName = "<install>\\data";
  log.AddItem(std::make_unique<TXUIFolderItem>())->FolderName = "<install>";
  struct Damage {
    const char* what;
    bool group;  // in the last group record, else in the last header record
    int at;      // byte of the record to change
  };
  const Damage cases[] = {
      {"a header body", false, 12},
      {"an item table", false, 36 + 4},
      {"a header marker", false, 2},
      {"group data", true, 93},
  };
  for (bool is_log : {false, true}) {
    ASSERT_TRUE(is_log ? SaveNewFileWith(file, FilerClass<TXInstallFiler>, &log, false, nullptr)
                       : SaveNewFileWith(file, FilerClass<TXInstallFiler>, &saved, false, nullptr));
    std::vector<uint8_t> whole;
    {
      TFileStream f(file, FileMode::OpenRead);
      whole.resize(static_cast<size_t>(f.Size()));
      f.ReadBuffer(whole.data(), f.Size());
    }
    size_t last_group = 0, last_header = 0;
    for (size_t link = 107; whole[link + 2] == 'N'; link = static_cast<size_t>(GetI64(whole.data() + link + 8)))
      (whole[link + 18] == 'G' ? last_group : last_header) = link + 16;
    ASSERT_NE(last_group, 0u);
    ASSERT_NE(last_header, 0u);
    for (const Damage& d : cases) {
      SCOPED_TRACE(std::string(is_log ? "log: " : "package: ") + d.what);
      std::vector<uint8_t> bytes = whole;
      bytes[(d.group ? last_group : last_header) + d.at] ^= 0x20;
      {
        TFileStream f(file, FileMode::Create);
        f.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
      }
      TXPackageContents contents;
      TXUndo loaded;
      TPersistent* root = is_log ? static_cast<TPersistent*>(&loaded) : &contents;
      EXPECT_FALSE(LoadFileWith(file, FilerClass<TXInstallFiler>, root, false, nullptr));
      EXPECT_EQ(XError().GetCode(), errLoad);
      EXPECT_EQ(XError().Object().Extra, 1);
    }
  }
}

// An undo log of count records, and a file item whose bytes kill the
// process when dying is set.
std::unique_ptr<TXUndo> UndoLog(int count, bool dying = false) {
  auto log = std::make_unique<TXUndo>();
  for (int i = 0; i < count; ++i) log->AddItem(NewDelFileItem(eoIgnore, "C:\\app\\file" + std::to_string(i)));
  if (dying) {
    auto item = std::make_unique<TXUIFileItem>();
    item->Data.SetSource(std::make_unique<DyingSource>(100000));
    log->AddItem(std::move(item));
  }
  return log;
}

int RecordsIn(const std::string& file) {
  TXUndo log;
  if (!LoadFileWith(file, FilerClass<TXInstallFiler>, &log, false, nullptr)) return -1;
  return log.Items.Count();
}

// Started by the next test in a process of its own, which dies halfway
// through a new log ("new") or through adding to the log ("add").
TEST(UndoLogChild, DISABLED_DiesWhileSavingALog) {
  const char* file = std::getenv("XS_TEST_LOG");
  const char* how = std::getenv("XS_TEST_SAVE");
  ASSERT_TRUE(file && how);
  RegisterScriptClasses();
  std::unique_ptr<TXUndo> log = UndoLog(1, true);
  if (std::string(how) == "new") {
    SaveNewFileWith(file, FilerClass<TXInstallFiler>, log.get(), false, nullptr);
  } else {
    TXInstallFiler filer;
    filer.Setup(log.get(), 0, {});
    filer.SaveToFile(file, nullptr, false);
  }
  ADD_FAILURE() << "the process lived on";
}

// A save cut short leaves the earlier log whole, never a shorter log that
// loads, and what is left of the attempt is a file of the temporary pattern.
TEST_F(InstallFilerTest, AKilledLogSaveLeavesTheEarlierLog) {
  RegisterScriptClasses();
  const std::string folder = testing::TempDir() + UniqueName("xs_undo_log");
  ASSERT_TRUE(ForceFolders(folder));
  const std::string log_file = folder + kPathDelim + "app.xui";
  ASSERT_TRUE(SaveNewFileWith(log_file, FilerClass<TXInstallFiler>, UndoLog(3).get(), false, nullptr));
  ASSERT_EQ(RecordsIn(log_file), 3);
  SetTestVariable("XS_TEST_LOG", log_file);
  for (const char* how : {"new", "add"}) {
    SCOPED_TRACE(how);
    SetTestVariable("XS_TEST_SAVE", how);
    EXPECT_EQ(RunSelf("UndoLogChild.DISABLED_DiesWhileSavingALog"), uint32_t{DyingSource::kDied});
    EXPECT_EQ(RecordsIn(log_file), 3);
  }
  EXPECT_EQ(TempFilesIn(folder).size(), 2u);
  RemoveTree(folder);
}

}  // namespace
}  // namespace xs
