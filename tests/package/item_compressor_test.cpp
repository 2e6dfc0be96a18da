// File contents written from disk: compressed ahead on worker threads or
// streamed by the writer, always giving the same container whatever the
// number of threads, and always read back by zlib as the files were.
#include "package/item_compressor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "filer_support.h"
#include "package/crc32.h"
#include "platform/file_stream.h"

namespace xs::testing_classes {
namespace {

using Bytes = std::vector<uint8_t>;

// Text-like bytes that deflate well.
Bytes Words(size_t n) {
  static const char kText[] = "setup copies the files, writes the log and registers the uninstaller; ";
  Bytes bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(kText[(i * 7 + i / 97) % (sizeof kText - 1)]);
  return bytes;
}

class ItemCompressorTest : public FilerFixture {
 protected:
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    FilerFixture::TearDown();
  }
  std::string WriteFile(const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(dir_);
    std::string path = (dir_ / name).string();
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return path;
  }
  // A document whose files' contents are linked to files holding contents.
  void Link(TDocument& doc, const std::vector<Bytes>& contents) {
    for (size_t i = 0; i < contents.size(); ++i) {
      auto* file = static_cast<TDocFile*>(doc.Files.Add());
      file->Name = "f" + std::to_string(i);
      ASSERT_TRUE(file->Content.LinkToFile(WriteFile(file->Name + ".bin", contents[i]), false));
      ASSERT_FALSE(file->Content.InMemory());
    }
  }
  static std::vector<const TXStreamObject*> Contents(const TDocument& doc) {
    std::vector<const TXStreamObject*> objects;
    for (int i = 0; i < doc.Files.Count(); ++i) objects.push_back(&doc.Files.GetItem(i)->Content);
    return objects;
  }
  // The container; empty when the save failed.
  static Bytes Save(TDocument& doc, TXStoredItemProvider* stored_items) {
    TMemoryStream stream;
    TDocFiler filer;
    filer.Setup(&doc, 0, {});
    filer.StoredItems = stored_items;
    return filer.SaveToStream(stream, nullptr, false) ? stream.Bytes() : Bytes{};
  }
  static std::vector<Bytes> LoadContents(const Bytes& container) {
    TDocument doc;
    TMemoryStream stream(container);
    EXPECT_TRUE(LoadStreamWith(stream, FilerClass<TDocFiler>, &doc, false, nullptr));
    std::vector<Bytes> contents;
    for (int i = 0; i < doc.Files.Count(); ++i) contents.push_back(doc.Files.GetItem(i)->Content.DataStream().Bytes());
    return contents;
  }

  // One folder a test: the tests may run at the same time.
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                               (std::string("xs_item_compressor_") +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(ItemCompressorTest, TheContainerIsTheSameForEveryNumberOfThreadsAndReadsBackAsTheFiles) {
  // Empty, tiny, compressible, random, and one past the whole-item limit,
  // which the writer streams between items compressed ahead.
  const std::vector<Bytes> contents = {{},          RandomBytes(1, 2),    Words(300000),
                                       RandomBytes(70000, 3), RandomBytes(kWholeItemLimit + 1, 4), Words(5000)};
  TDocument doc;
  Link(doc, contents);
  Bytes first;
  for (int threads : {0, 1, 3}) {
    SCOPED_TRACE(threads);
    TXItemCompressor items(Contents(doc), 9, threads);
    Bytes container = Save(doc, &items);
    ASSERT_FALSE(container.empty());
    if (first.empty()) first = container;
    EXPECT_TRUE(container == first);
  }
  EXPECT_EQ(LoadContents(first), contents);

  // Another level stores the same bytes otherwise; the Windows build has
  // zlib alone, which stops at level 9.
  TXItemCompressor best(Contents(doc), 12, 2);
  Bytes other = Save(doc, &best);
#ifndef _WIN32
  EXPECT_FALSE(other == first);
#endif
  EXPECT_EQ(LoadContents(other), contents);
}

TEST_F(ItemCompressorTest, StreamingFromDiskStoresWhatContentsInMemoryStore) {
  const std::vector<Bytes> contents = {{}, Words(100000), RandomBytes(300000, 5)};
  TDocument linked, loaded;
  Link(linked, contents);
  for (int i = 0; i < linked.Files.Count(); ++i) {
    auto* file = static_cast<TDocFile*>(loaded.Files.Add());
    file->Name = linked.Files.GetItem(i)->Name;
    file->Content.AssignFrom(linked.Files.GetItem(i)->Content);
    file->Content.DataStream();  // now in memory
    ASSERT_TRUE(file->Content.InMemory());
  }
  Bytes streamed = Save(linked, nullptr);
  ASSERT_FALSE(streamed.empty());
  EXPECT_TRUE(streamed == Save(loaded, nullptr));
  EXPECT_FALSE(linked.Files.GetItem(1)->Content.InMemory());
}

TEST_F(ItemCompressorTest, AFileThatChangedSizeSinceItWasLinkedFailsTheSave) {
  struct Case {
    const char* name;
    Bytes now;
  } cases[] = {{"grown", RandomBytes(4001, 6)}, {"shrunk", RandomBytes(3999, 6)}, {"emptied", {}}};
  for (const Case& c : cases) {
    for (int threads : {0, 2}) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(threads));
      TDocument doc;
      Link(doc, {Words(100), RandomBytes(4000, 6)});
      WriteFile("f1.bin", c.now);
      TXItemCompressor items(Contents(doc), 9, threads);
      EXPECT_TRUE(Save(doc, &items).empty());
      EXPECT_NE(XError().GetCode(), 0);
      EXPECT_TRUE(Save(doc, nullptr).empty());
    }
  }
}

TEST_F(ItemCompressorTest, ItemsAskedForOutOfOrderAreLeftToTheWriter) {
  TDocument doc;
  Link(doc, {Words(1000), Words(2000), Words(3000), RandomBytes(kWholeItemLimit + 1, 7)});
  TXStreamObject other;
  std::vector<const TXStreamObject*> objects = Contents(doc);
  for (int threads : {0, 2}) {
    SCOPED_TRACE(threads);
    TXItemCompressor items(objects, 9, threads);
    EXPECT_FALSE(items.Take(*objects[3]));  // too large: streamed
    EXPECT_FALSE(items.Take(other));        // never given
    std::optional<TXStoredItem> third = items.Take(*objects[2]);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->Checksum, CRC32Update(0, Words(3000).data(), 3000));
    EXPECT_FALSE(items.Take(*objects[0]));  // skipped over
    EXPECT_FALSE(items.Take(*objects[2]));  // taken before
  }
}

}  // namespace
}  // namespace xs::testing_classes
