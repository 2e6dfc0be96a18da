// Stored stream objects: loading, copying, byte sources read on demand, the
// Data and CData blocks, and their holders.
#include "package/stream_object.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "object_text_fixture.h"
#include "base/error.h"
#include "package/block_io.h"
#include "package/object_component.h"
#include "package/stored_stream.h"
#include "package/zstream.h"
#include "platform/file_stream.h"

namespace xs::testing_classes {
namespace {

// n bytes rising slowly (byte i is i * 7 / 3): they compress less than
// Pattern, so the zlib stream of 100000 of them is long enough to damage in
// the middle.
std::vector<uint8_t> Ramp(size_t n) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * 7 / 3);
  return bytes;
}

// Bytes that stay outside the object until asked for; counts the opens.
class CountingSource : public TXByteSource {
 public:
  CountingSource(std::vector<uint8_t> bytes, int* opens, bool broken = false)
      : bytes_(std::move(bytes)), opens_(opens), broken_(broken) {}
  bool IsEmpty() const override { return bytes_.empty(); }
  std::unique_ptr<TStream> Open() const override {
    ++*opens_;
    if (broken_) throw EStreamError("package item unreadable");
    return std::make_unique<TMemoryStream>(bytes_);
  }
  std::unique_ptr<TXByteSource> Clone() const override {
    return std::make_unique<CountingSource>(bytes_, opens_, broken_);
  }

 private:
  std::vector<uint8_t> bytes_;
  int* opens_;
  bool broken_;
};

// A stream whose reads fail.
class UnreadableStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  int64_t Read(void*, int64_t) override { throw EStreamError("read error"); }
};

class StreamObjectTest : public ObjectTextFixture {
 protected:
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    ObjectTextFixture::TearDown();
  }
  std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(dir_);
    std::string path = (dir_ / name).string();
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return path;
  }
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() / "xs_stream_object_test";
};

TEST_F(StreamObjectTest, LoadFromFileTakesTheLowerCaseExtension) {
  std::string path = WriteFile("Setup.EXE", Pattern(100));
  TXStreamObject o;
  o.FileName = "kept?";
  ASSERT_TRUE(o.LoadFromFile(path, true));
  EXPECT_EQ(o.DataClass, ".exe");
  EXPECT_EQ(o.DataStream().Bytes(), Pattern(100));
  EXPECT_EQ(o.FileName, "");  // cleared first
  EXPECT_EQ(o.Size, 100);
  EXPECT_EQ(o.Version, "");   // no version resource

  EXPECT_FALSE(o.LoadFromFile((dir_ / "missing.dat").string(), false));
  EXPECT_TRUE(o.IsEmpty());
  EXPECT_EQ(o.DataClass, "");
}

TEST_F(StreamObjectTest, ReadFileInfoFormatsTheVersionAndKeepsUnknownsAsTheirMarks) {
  auto saved = FileFactsReader();
  FileFactsReader() = [](const std::string& name) {
    TXFileFacts facts;
    if (name == "app.exe") {
      facts.Version[0] = 7;
      facts.Version[1] = 1;
      facts.Version[2] = 9;
      facts.Version[3] = 170;
      facts.Size = 1080488;
      facts.TimeStamp = 41575.5;
    }
    return facts;
  };
  TXStreamObject o;
  o.ReadFileInfo("app.exe");
  EXPECT_EQ(o.Version, "7.1.9.170");
  EXPECT_EQ(o.Size, 1080488);
  EXPECT_EQ(o.TimeStamp, 41575.5);
  o.ReadFileInfo("other.dll");
  EXPECT_EQ(o.Version, "");
  EXPECT_EQ(o.Size, -1);
  EXPECT_EQ(o.TimeStamp, 0);
  FileFactsReader() = saved;

  o.ReadFileInfo((dir_ / "missing.dat").string());
  EXPECT_EQ(o.Size, -1);
}

TEST_F(StreamObjectTest, AFailedLoadLeavesTheObjectCleared) {
  TXStreamObject o;
  TMemoryStream good(Pattern(10));
  ASSERT_TRUE(o.LoadFromStream(".txt", good));
  EXPECT_EQ(o.DataClass, ".txt");
  UnreadableStream bad(Pattern(10));
  EXPECT_FALSE(o.LoadFromStream(".bin", bad));
  EXPECT_TRUE(o.IsEmpty());
  EXPECT_EQ(o.DataClass, "");
}

TEST_F(StreamObjectTest, BytesInASourceAreReadOnlyWhenNeeded) {
  int opens = 0;
  TXStreamObject o;
  o.SetSource(std::make_unique<CountingSource>(Pattern(100000), &opens));
  EXPECT_FALSE(o.IsEmpty());
  EXPECT_FALSE(o.InMemory());

  TXStreamObject copy;
  copy.Assign(o);  // the copy refers to the same bytes
  EXPECT_FALSE(copy.InMemory());
  EXPECT_EQ(opens, 0);

  TMemoryStream out;
  out.WriteBuffer("head", 4);
  o.WriteTo(out);
  EXPECT_EQ(opens, 1);
  ASSERT_EQ(out.Size(), 100004);
  EXPECT_TRUE(std::equal(out.Bytes().begin() + 4, out.Bytes().end(), Pattern(100000).begin()));
  EXPECT_FALSE(o.InMemory());

  EXPECT_EQ(copy.DataStream().Bytes(), Pattern(100000));
  EXPECT_TRUE(copy.InMemory());
  EXPECT_EQ(opens, 2);

  TXStreamObject empty;
  empty.SetSource(std::make_unique<CountingSource>(std::vector<uint8_t>{}, &opens));
  EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(StreamObjectTest, BytesFromASourceAreWrittenIntoTheText) {
  for (bool compressed : {false, true}) {
    int opens = 0;
    TTestObject o;
    o.Data.Compressed = compressed;
    o.Data.SetSource(std::make_unique<CountingSource>(Pattern(3000), &opens));
    std::string text = TextOf(o);
    EXPECT_EQ(opens, 1);
    std::unique_ptr<TPersistent> read = ObjectOf(text);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(static_cast<TTestObject&>(*read).Data.DataStream().Bytes(), Pattern(3000));
  }
}

TEST_F(StreamObjectTest, ASourceThatCannotBeReadFailsTheWrite) {
  int opens = 0;
  TTestObject o;
  o.Data.SetSource(std::make_unique<CountingSource>(Pattern(10), &opens, true));
  TMemoryStream text;
  EXPECT_FALSE(WriteObjectToStream(o, text, true, false, nullptr));
  EXPECT_EQ(XError().GetCode(), errSave);
  o.Data.SetStoreData(false);  // metadata only: the bytes are not needed
  EXPECT_TRUE(WriteObjectToStream(o, text, true, false, nullptr));
}

// Compressed data that end early, are corrupt, or inflate to more than the
// stream object declares (Size) or than any object may hold in memory fail
// the read with errChecksum; nothing half-read is handed out.
TEST_F(StreamObjectTest, CompressedDataUnlikeTheirDeclarationFailTheRead) {
  TTestObject o;
  o.Data.Compressed = true;
  TMemoryStream bytes(Ramp(100000));
  o.Data.ReadFrom(bytes);
  std::string text = TextOf(o);
  size_t open = text.find("CData = {");
  size_t close = text.find('}', open);
  ASSERT_NE(open, std::string::npos);
  std::string head = text.substr(0, open + 9);
  std::string hex = text.substr(open + 9, close - open - 9);
  std::string tail = text.substr(close);
  auto with_size = [&](int64_t size) {
    std::string declared = text;
    declared.insert(text.find("  Obj.Data.CData"), "  Obj.Data.Size = " + std::to_string(size) + "\r\n");
    return declared;
  };
  // A few kilobytes of zeros' deflate data that would inflate far beyond
  // the memory bound.
  TMemoryStream bomb;
  {
    TZCompressionStream z(bomb, 9);
    std::vector<uint8_t> zeros(1 << 20);
    for (int64_t i = 0; i < (kMaxBlockBytes >> 20) + 1; ++i) z.Write(zeros.data(), static_cast<int64_t>(zeros.size()));
    z.Finish();
  }
  std::string bomb_hex;
  for (uint8_t b : bomb.Bytes()) {
    static const char kDigits[] = "0123456789ABCDEF";
    bomb_hex += kDigits[b >> 4];
    bomb_hex += kDigits[b & 15];
  }
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"cut short", head + hex.substr(0, hex.size() / 2 & ~size_t{1}) + tail},
      {"corrupt", head + hex.substr(0, 200) + std::string(40, 'F') + tail},
      {"larger than its Size", with_size(99999)},
      {"beyond the memory bound", head + bomb_hex + tail},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    XError().Clear();
    EXPECT_EQ(ObjectOf(c.text), nullptr);
    EXPECT_EQ(XError().GetCode(), errChecksum);
  }
  for (int64_t size : {int64_t{0}, int64_t{100000}, int64_t{1080488}}) {
    std::unique_ptr<TPersistent> read = ObjectOf(with_size(size));
    ASSERT_NE(read, nullptr) << size;
    EXPECT_EQ(static_cast<TTestObject&>(*read).Data.DataStream().Bytes(), Ramp(100000));
  }
}

TEST_F(StreamObjectTest, SizeStreamObjectsScaleToTheScreenAndClearTheirSize) {
  TXSizeStreamObject image;
  image.Width = 473;
  image.Height = 60;
  image.ScaleToScreen(144);
  EXPECT_EQ(image.Width, 710);  // 709.5, to even
  EXPECT_EQ(image.Height, 90);
  image.ScaleToScreen(72);
  EXPECT_EQ(image.Width, 532);  // 532.5, to even
  TXSizeStreamObject copy;
  copy.Assign(image);
  EXPECT_EQ(copy.Width, 532);
  EXPECT_EQ(copy.Height, 68);
  copy.Clear();
  EXPECT_EQ(copy.Width, 0);
  EXPECT_EQ(copy.Height, 0);
}

TEST_F(StreamObjectTest, HoldersPassTheStoreFlagOnAndCopyTheirData) {
  TXStreamItem item;
  item.SetStoreData(false);
  EXPECT_FALSE(item.Data.StoreData());
  EXPECT_TRUE(item.IsEmpty());
  TMemoryStream bytes(Pattern(5));
  item.Data.ReadFrom(bytes);
  EXPECT_FALSE(item.IsEmpty());
  TXStreamItem copy;
  copy.Assign(item);
  EXPECT_EQ(copy.Data.DataStream().Bytes(), Pattern(5));
  copy.Clear();
  EXPECT_TRUE(copy.IsEmpty());

  TXStoredStream stored;
  stored.SetStoreData(false);
  EXPECT_FALSE(stored.Data.StoreData());
  TXStoredStream other;
  other.Data.DataClass = ".xlg";
  stored.Assign(other);
  EXPECT_EQ(stored.Data.DataClass, ".xlg");
}

TEST_F(StreamObjectTest, AddStreamKeepsTheCollectionUnchangedWhenTheSourceFails) {
  TXStreamCollection streams;
  streams.StreamListObj().IndexFileName = "index";
  TMemoryStream good(Pattern(8));
  EXPECT_EQ(streams.AddStream(".xlg", good, "English"), 0);
  UnreadableStream bad(Pattern(8));
  EXPECT_EQ(streams.AddStream(".xlg", bad, "German"), -1);
  ASSERT_EQ(streams.Count(), 1);
  EXPECT_EQ(streams.GetItem(0)->Name, "English");
  EXPECT_EQ(streams.GetItem(0)->Data.DataClass, ".xlg");

  TXStreamCollection copy;
  copy.Assign(streams);
  EXPECT_EQ(copy.StreamListObj().IndexFileName, "index");
  EXPECT_EQ(copy.GetItem(0)->Data.DataStream().Bytes(), Pattern(8));
}

}  // namespace
}  // namespace xs::testing_classes
