// Filers over package files: saving into and appending to existing files,
// file errors, packages behind a prefix, and contents left in the package
// and read from it on demand.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "container_support.h"
#include "filer_support.h"
#include "package/crc32.h"
#include "package/package_item_source.h"
#include "package/qstream.h"
#include "platform/file_stream.h"

namespace xs::testing_classes {
namespace {

using Bytes = std::vector<uint8_t>;

class FilerFileTest : public FilerFixture {
 protected:
  void SetUp() override {
    FilerFixture::SetUp();
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    FilerFixture::TearDown();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static Bytes ReadFile(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    Bytes bytes(static_cast<size_t>(file.Size()));
    file.ReadBuffer(bytes.data(), file.Size());
    return bytes;
  }
  static void WriteFile(const std::string& path, const Bytes& bytes) {
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  }
  // The system's error number for opening path in mode, 0 when it opens.
  static int OpenFailure(const std::string& path, FileMode mode) {
    try {
      TFileStream file(path, mode);
    } catch (const EFOpenError& e) {
      return e.SystemCode();
    }
    return 0;
  }
  // The names of the group records in the chain, in file order.
  static std::vector<std::string> GroupRecords(const Bytes& bytes) {
    std::vector<std::string> names;
    TXMarkers markers = MakeMarkers(kDefaultMarkerPrefix);
    for (const test::ChainLink& link : test::WalkLinks(bytes))
      if (link.marker == markers.Link && GetU32(bytes.data() + link.offset + 16) == markers.Group)
        names.push_back(GetShortString(bytes.data() + link.offset + 16 + 16));
    return names;
  }
  static TDocument& OneFile(TDocument& doc, const std::string& name, const Bytes& content) {
    doc.GroupNames = {"Data"};
    auto* file = static_cast<TDocFile*>(doc.Files.Add());
    file->Name = name;
    SetBytes(file->Content, content);
    return doc;
  }

  std::filesystem::path dir_ = std::filesystem::path(testing::TempDir()) /
                               (std::string("xs_filer_") +
                                testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(FilerFileTest, ASavedPackageFileLoadsAgainAndReplacesWhatWasThere) {
  std::string path = Path("doc.bin");
  WriteFile(path, Bytes(5000, 0xEE));
  TDocument a;
  FillDocument(a);
  ASSERT_TRUE(SaveNewFileWith(path, FilerClass<TDocFiler>, &a, false, nullptr));
  TDocument b;
  ASSERT_TRUE(LoadFileWith(path, FilerClass<TDocFiler>, &b, false, nullptr));
  EXPECT_EQ(XError().GetCode(), 0);
  EXPECT_EQ(Snapshot(b), Snapshot(a));
}

TEST_F(FilerFileTest, SavingToAnExistingPackageAddsHeadersToItsGroups) {
  std::string path = Path("doc.bin");
  TDocument a;
  FillDocument(a);
  a.GroupNames = {"Data", "Streams"};
  ASSERT_TRUE(SaveNewFileWith(path, FilerClass<TDocFiler>, &a, false, nullptr));

  TDocument more;
  TDocFiler filer;
  filer.Setup(&OneFile(more, "d", RandomBytes(10)), 0, {});
  ASSERT_TRUE(filer.SaveToFile(path, nullptr, false));
  EXPECT_EQ(XError().GetCode(), 0);

  Bytes bytes = ReadFile(path);
  EXPECT_EQ(GroupRecords(bytes), (std::vector<std::string>{"Data", "Streams"}));
  test::TOpened o(bytes);
  ASSERT_TRUE(o.ok);
  ASSERT_EQ(o.c.Groups.Count(), 2u);
  EXPECT_EQ(o.c.FindGroup("Data")->Headers.size(), 4u + 2u);  // object and a-c, then object and d
  EXPECT_EQ(o.c.FindGroup("Streams")->Headers.size(), 3u);
  std::string name;
  EXPECT_TRUE(o.c.ReadStringItem("Data", 5, false, nullptr, name, 0));
  EXPECT_EQ(name, "d");

  // A missing file is created.
  std::string fresh = Path("fresh.bin");
  ASSERT_TRUE(filer.SaveToFile(fresh, nullptr, false));
  TDocument b;
  b.GroupNames = {"Data"};
  ASSERT_TRUE(LoadFileWith(fresh, FilerClass<TDocFiler>, &b, false, nullptr));
  EXPECT_EQ(b.Files.Count(), 1);
}

TEST_F(FilerFileTest, AppendingWritesANewGroupRecordOfTheSameNameBehindTheOldChain) {
  std::string path = Path("doc.bin");
  TDocument a;
  ASSERT_TRUE(SaveNewFileWith(path, FilerClass<TDocFiler>, &OneFile(a, "a", RandomBytes(10)), false, nullptr));
  Bytes before = ReadFile(path);

  TDocument more;
  TDocFiler filer;
  filer.Setup(&OneFile(more, "d", RandomBytes(20)), 0, {});
  ASSERT_TRUE(filer.AppendToFile(path, nullptr, false));
  EXPECT_EQ(XError().GetCode(), 0);

  Bytes after = ReadFile(path);
  EXPECT_EQ(GroupRecords(after), (std::vector<std::string>{"Data", "Data"}));
  // Everything up to the old end record stays; the new group replaces it.
  size_t old_end = before.size() - 16;
  ASSERT_GT(after.size(), before.size());
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + static_cast<ptrdiff_t>(old_end), after.begin()));
  EXPECT_EQ(test::WalkLinks(after)[3].offset, old_end);  // group, header, header, then the new group
  test::TOpened o(after);
  ASSERT_TRUE(o.ok);
  ASSERT_EQ(o.c.Groups.Count(), 1u);  // the same id: its headers join the first record
  EXPECT_EQ(o.c.Groups[0]->Headers.size(), 4u);

  std::string fresh = Path("fresh.bin");
  ASSERT_TRUE(filer.AppendToFile(fresh, nullptr, false));
  EXPECT_EQ(GroupRecords(ReadFile(fresh)), std::vector<std::string>{"Data"});
}

TEST_F(FilerFileTest, FilesThatAreMissingOrCannotBeOpenedAreReportedAsSuch) {
  TDocument doc;
  std::string missing = Path("missing.bin");
  EXPECT_FALSE(LoadFileWith(missing, FilerClass<TDocFiler>, &doc, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errFileMissing);
  EXPECT_EQ(XError().GetText(), missing);
  EXPECT_FALSE(LoadPackageWith(missing, FilerClass<TDocFiler>, &doc, false, nullptr, {}, 0, 100));
  EXPECT_EQ(XError().GetCode(), errFileMissing);
  try {
    LoadFileWith(missing, FilerClass<TDocFiler>, &doc, true, nullptr);
    ADD_FAILURE() << "no exception";
  } catch (const EXError& e) {
    EXPECT_EQ(e.Code(), errFileMissing);
  }

  std::string in_missing_folder = Path("no/such/folder/doc.bin");
  EXPECT_FALSE(SaveNewFileWith(in_missing_folder, FilerClass<TDocFiler>, &doc, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errFileOpen);
  EXPECT_EQ(XError().GetExtra(), OpenFailure(in_missing_folder, FileMode::Create));
  EXPECT_NE(XError().GetExtra(), 0);

  // A package another writer holds open.
  std::string held = Path("held.bin");
  ASSERT_TRUE(SaveNewFileWith(held, FilerClass<TDocFiler>, &doc, false, nullptr));
  TFileStream writer(held, FileMode::OpenReadWrite);
  TDocFiler filer;
  filer.Setup(&doc, 0, {});
  EXPECT_FALSE(filer.SaveToFile(held, nullptr, false));
  EXPECT_EQ(XError().GetCode(), errFileOpen);
  EXPECT_EQ(XError().GetExtra(), OpenFailure(held, FileMode::OpenReadWrite));
  EXPECT_NE(XError().GetExtra(), 0);
  EXPECT_FALSE(filer.AppendToFile(held, nullptr, false));
  EXPECT_EQ(XError().GetCode(), errFileOpen);
#ifdef _WIN32
  // Windows also denies reading a file opened for exclusive writing.
  EXPECT_FALSE(LoadFileWith(held, FilerClass<TDocFiler>, &doc, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errFileOpen);
  EXPECT_EQ(XError().GetExtra(), OpenFailure(held, FileMode::OpenRead));
#endif
}

TEST_F(FilerFileTest, APackageBehindAPrefixLoadsFromItsStartOffset) {
  std::string path = Path("setup.exe");
  const Bytes prefix = RandomBytes(1234, 3);
  WriteFile(path, prefix);
  TDocument a;
  FillDocument(a);
  {
    TFileStream file(path, FileMode::OpenReadWrite);
    TDocFiler filer;
    filer.Setup(&a, 0, {});
    filer.StartOffset = static_cast<int64_t>(prefix.size());
    ASSERT_TRUE(filer.SaveToStream(file, nullptr, false));
    file.Seek(0, SeekOrigin::End);
    file.WriteBuffer("signature", 9);  // never read
  }
  TDocument b;
  ASSERT_TRUE(LoadPackageWith(path, FilerClass<TDocFiler>, &b, false, nullptr, {}, 0,
                              static_cast<int64_t>(prefix.size())));
  EXPECT_EQ(Snapshot(b), Snapshot(a));
  Bytes bytes = ReadFile(path);
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin()));

  TDocument c;
  EXPECT_FALSE(LoadFileWith(path, FilerClass<TDocFiler>, &c, false, nullptr));
  EXPECT_NE(XError().GetCode(), 0);  // no file header at 0
}

uint32_t Crc(const Bytes& bytes) { return CRC32Update(0, bytes.data(), static_cast<int64_t>(bytes.size())); }

TEST_F(FilerFileTest, ALargeContentGoesFromThePackageToDiskWithoutBeingHeldInMemory) {
  std::string path = Path("big.bin");
  const Bytes big = RandomBytes(20 * 1024 * 1024, 77);
  {
    TDocument a;
    OneFile(a, "big", big);
    auto* small = static_cast<TDocFile*>(a.Files.Add());
    small->Name = "small";
    SetBytes(small->Content, RandomBytes(70000, 5));
    ASSERT_TRUE(SaveNewFileWith(path, FilerClass<TDocFiler>, &a, false, nullptr));
  }
  TDocument b;
  b.GroupNames = {"Data"};
  ASSERT_TRUE(LoadFileWith(path, FilerClass<TDocFiler>, &b, false, nullptr, {}, 1));
  ASSERT_EQ(b.Files.Count(), 2);
  TXStreamObject& content = b.Files.GetItem(0)->Content;
  ASSERT_FALSE(content.InMemory());
  EXPECT_FALSE(content.IsEmpty());
  auto* source = dynamic_cast<const TXPackageItemSource*>(content.Source());
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->Location().FileName, path);
  EXPECT_EQ(source->Location().Group, "Data");
  EXPECT_EQ(source->Location().HeaderIndex, 1);
  EXPECT_EQ(source->Location().ItemIndex, 3);
  EXPECT_EQ(dynamic_cast<TMemoryStream*>(source->Open().get()), nullptr);

  std::string out = Path("big.out");
  {
    TFileStream file(out, FileMode::Create);
    content.WriteTo(file);
  }
  EXPECT_TRUE(content.InMemory() == false);
  Bytes written = ReadFile(out);
  EXPECT_EQ(written.size(), big.size());
  EXPECT_EQ(Crc(written), Crc(big));

  // Asking for the bytes in memory reads them through the source.
  TXStreamObject& small = b.Files.GetItem(1)->Content;
  ASSERT_FALSE(small.InMemory());
  EXPECT_EQ(small.DataStream().Bytes(), RandomBytes(70000, 5));
  EXPECT_TRUE(small.InMemory());

  // From a stream there is no file to leave the bytes in.
  TDocument c;
  c.GroupNames = {"Data"};
  TFileStream file(path, FileMode::OpenRead);
  ASSERT_TRUE(LoadStreamWith(file, FilerClass<TDocFiler>, &c, false, nullptr, {}, 1));
  EXPECT_TRUE(c.Files.GetItem(1)->Content.InMemory());
}

TEST_F(FilerFileTest, ThePackageSourceReportsDamageAndAMissingPackage) {
  std::string path = Path("doc.bin");
  TDocument a;
  ASSERT_TRUE(SaveNewFileWith(path, FilerClass<TDocFiler>, &OneFile(a, "f", RandomBytes(50000, 2)), false, nullptr));
  TDocument b;
  b.GroupNames = {"Data"};
  ASSERT_TRUE(LoadFileWith(path, FilerClass<TDocFiler>, &b, false, nullptr, {}, 1));
  auto* source = dynamic_cast<const TXPackageItemSource*>(b.Files.GetItem(0)->Content.Source());
  ASSERT_NE(source, nullptr);

  auto read_all = [](const TXByteSource& s) -> std::optional<int> {
    XError().Clear();
    try {
      std::unique_ptr<TStream> stream = s.Open();
      TMemoryStream sink;
      uint8_t block[4096];
      for (int64_t n; (n = stream->Read(block, sizeof block)) > 0;) sink.WriteBuffer(block, n);
      return std::nullopt;
    } catch (const EXError& e) {
      EXPECT_EQ(e.Code(), XError().GetCode());
      return e.Code();
    }
  };
  EXPECT_EQ(read_all(*source), std::nullopt);
  std::unique_ptr<TXByteSource> clone = source->Clone();
  EXPECT_EQ(read_all(*clone), std::nullopt);

  TXItemSpan wrong_sum = source->Span();
  wrong_sum.Entry.Checksum ^= 1;
  EXPECT_EQ(read_all(TXPackageItemSource(source->Location(), wrong_sum, 50000)), errChecksum);
  TXItemSpan too_long = source->Span();
  too_long.Entry.Size = 1 << 30;
  EXPECT_EQ(read_all(TXPackageItemSource(source->Location(), too_long, 50000)), errLoad);
  // More bytes than the owner declares, or a zlib stream cut short.
  EXPECT_EQ(read_all(TXPackageItemSource(source->Location(), source->Span(), 50000)), std::nullopt);
  EXPECT_EQ(read_all(TXPackageItemSource(source->Location(), source->Span(), 49999)), errChecksum);
  TXItemSpan cut = source->Span();
  cut.Entry.Size /= 2;
  EXPECT_EQ(read_all(TXPackageItemSource(source->Location(), cut, 50000)), errChecksum);

  Bytes bytes = ReadFile(path);
  bytes[static_cast<size_t>(source->Span().Position + source->Span().Entry.Size / 2)] ^= 0x55;
  WriteFile(path, bytes);
  std::optional<int> damaged = read_all(*source);
  ASSERT_TRUE(damaged.has_value());
  EXPECT_TRUE(*damaged == errChecksum || *damaged == errLoad) << *damaged;

  std::filesystem::remove(path);
  EXPECT_EQ(read_all(*source), errFileOpen);
  EXPECT_EQ(XError().GetText(), path);
  EXPECT_EQ(XError().GetExtra(), OpenFailure(path, FileMode::OpenRead));
  EXPECT_THROW(b.Files.GetItem(0)->Content.WriteTo(*std::make_unique<TMemoryStream>()), EXError);
}

}  // namespace
}  // namespace xs::testing_classes
