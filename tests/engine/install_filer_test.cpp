// Install packages saved by the install filer and loaded back.
#include "engine/install_filer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/error.h"
#include "package/data_index.h"
#include "package/object_component.h"
#include "package/qstream.h"
#include "platform/file_stream.h"
#include "script/file_items.h"
#include "script/register.h"

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

}  // namespace
}  // namespace xs
