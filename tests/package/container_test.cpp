#include "package/qstream.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "base/null_stream.h"
#include "container_support.h"
#include "platform/file_stream.h"

namespace xs {
namespace {

using test::Bytes;
using test::SamplePackage;

class ContainerTest : public ::testing::Test {
 protected:
  void SetUp() override { XError().Clear(); }

  // Every item of every header, as text, group by group.
  static std::vector<std::string> AllItems(TXQStream& c) {
    std::vector<std::string> out;
    for (const auto& g : c.Groups)
      for (const auto& h : g->Headers)
        for (int i = 0; i < h->Count; ++i) {
          std::string text;
          EXPECT_TRUE(c.ReadItem(*h, i, nullptr, text)) << g->Name << " item " << i;
          out.push_back(g->Name + ":" + std::to_string(h->Kind) + ":" + text);
        }
    return out;
  }
};

TEST_F(ContainerTest, RoundTripOfGroupsHeadersAndItems) {
  TMemoryStream s;
  TXQStream w;
  ASSERT_TRUE(w.Open(omCreate | omWrite, &s, false, nullptr, 0));
  ASSERT_TRUE(w.AddGroupByName("Data", "group data", false, nullptr));
  ASSERT_TRUE(w.AddGroupByName("Data", "ignored", false, nullptr));  // exists: nothing written
  ASSERT_EQ(w.Groups.Count(), 1u);
  std::string big(100000, 'b');
  TMemoryStream source(Bytes(big.begin(), big.end()));
  ASSERT_TRUE(w.BeginHeaderByName("Data", 9, false, nullptr, 6));
  ASSERT_TRUE(w.WriteItemFromStream(-2, source, nullptr, 99990, 10));
  ASSERT_TRUE(w.WriteItemFromStream(-2, source, nullptr, 0, 0));  // an empty stream item stores nothing
  ASSERT_TRUE(w.WriteItem(-5, "", nullptr, 0));                   // an empty buffer is still a zlib stream
  ASSERT_TRUE(w.WriteStringItem(3, "raw", false, nullptr));
  ASSERT_TRUE(w.WriteStringItem(-1, "", false, nullptr));
  ASSERT_TRUE(w.EndHeader(nullptr));
  const TXRHeaderObject& written = *w.Groups[0]->Headers[0];
  EXPECT_EQ(written.Items[1].Size, 0);
  EXPECT_GT(written.Items[2].Size, 0);
  EXPECT_EQ(written.Items[5].ID, 0);  // reserved, never written

  TMemoryStream copy(s.Bytes());
  TXQStream r;
  ASSERT_TRUE(r.Open(omRead, &copy, false, nullptr, 0));
  ASSERT_EQ(r.Groups.Count(), 1u);
  TXRGroupObject* g = r.Groups[0];
  EXPECT_EQ(std::string(g->Data.Bytes().begin(), g->Data.Bytes().end()), "group data");
  ASSERT_EQ(g->Headers.size(), 1u);
  EXPECT_EQ(g->Headers[0]->Kind, 9);
  std::vector<std::string> items = AllItems(r);
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0], "Data:9:" + big.substr(10));
  for (int i : {1, 2, 4, 5}) EXPECT_EQ(items[i], "Data:9:");
  EXPECT_EQ(items[3], "Data:9:raw");
  std::string text;
  EXPECT_FALSE(r.ReadItem(*g->Headers[0], 6, nullptr, text));
  EXPECT_EQ(XError().GetCode(), errLoad);
}

TEST_F(ContainerTest, WritingNeedsAnOpenHeaderWithRoomAndWriteAccess) {
  TMemoryStream s;
  TXQStream c;
  ASSERT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 0));
  EXPECT_FALSE(c.WriteItem(1, "x", nullptr, 1));
  EXPECT_EQ(XError().GetCode(), errSave);
  EXPECT_FALSE(c.EndHeader(nullptr));
  EXPECT_FALSE(c.BeginHeaderByName("Nowhere", 3, false, nullptr, 1));
  EXPECT_EQ(XError().GetCode(), errSave);
  EXPECT_THROW(c.BeginHeaderByName("Nowhere", 3, true, nullptr, 1), EXError);
  ASSERT_TRUE(c.AddGroupByName("G", "", false, nullptr));
  EXPECT_FALSE(c.BeginHeaderByName("G", 3, false, nullptr, 70000));
  ASSERT_TRUE(c.BeginHeaderByName("G", 3, false, nullptr, 1));
  EXPECT_TRUE(c.WriteItem(1, "x", nullptr, 1));
  EXPECT_FALSE(c.WriteItem(2, "y", nullptr, 1));
  EXPECT_TRUE(c.EndHeaderChecked(nullptr, false));

  TXQStream reader;
  TMemoryStream copy(s.Bytes());
  ASSERT_TRUE(reader.Open(omRead, &copy, false, nullptr, 0));
  EXPECT_FALSE(reader.AddGroup(5, "X", nullptr, nullptr));
  EXPECT_EQ(XError().GetCode(), errSave);
  EXPECT_FALSE(reader.CanWrite());
}

TEST_F(ContainerTest, BetweenBeginAndEndHeaderTheChainEndsAtThePreviousEndRecord) {
  TMemoryStream s;
  TXQStream c;
  ASSERT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 0));
  ASSERT_TRUE(c.AddGroupByName("G", "", false, nullptr));
  ASSERT_TRUE(c.BeginHeaderByName("G", 3, false, nullptr, 2));
  ASSERT_TRUE(c.WriteStringItem(1, "half", false, nullptr));
  {
    TMemoryStream snapshot(s.Bytes());
    TXQStream r;
    ASSERT_TRUE(r.Open(omRead, &snapshot, false, nullptr, 0));
    EXPECT_TRUE(r.Groups[0]->Headers.empty());
  }
  // A new header abandons the open one: it never joined the chain.
  ASSERT_TRUE(c.BeginHeaderByName("G", 4, false, nullptr, 1));
  ASSERT_TRUE(c.WriteStringItem(2, "whole", false, nullptr));
  ASSERT_TRUE(c.EndHeader(nullptr));
  TXQStream r;
  ASSERT_TRUE(r.Open(omRead, &s, false, nullptr, 0));
  ASSERT_EQ(r.Groups[0]->Headers.size(), 1u);
  EXPECT_EQ(r.Groups[0]->Headers[0]->Kind, 4);
}

TEST_F(ContainerTest, GroupLookupIsExactAndNamesAreCutToFifty) {
  TMemoryStream s;
  TXQStream c;
  ASSERT_TRUE(c.Open(omCreate | omWrite, &s, false, nullptr, 0));
  std::string long_name(60, 'n');
  ASSERT_TRUE(c.AddGroupByName("Data", "", false, nullptr));
  ASSERT_TRUE(c.AddGroupByName(long_name, "", false, nullptr));
  ASSERT_TRUE(c.AddGroupByName(long_name, "", false, nullptr));  // found again by its first 50
  EXPECT_EQ(c.Groups.Count(), 2u);
  EXPECT_EQ(c.Groups[1]->Name, long_name.substr(0, 50));
  EXPECT_EQ(c.Groups[1]->ID, 2);
  EXPECT_EQ(c.NextGroupID(), 3);
  EXPECT_EQ(c.FindGroup("data"), nullptr);
  EXPECT_EQ(c.Groups.CurrentGroup, nullptr);
  EXPECT_EQ(c.FindGroup("Data"), c.Groups[0]);
  EXPECT_EQ(c.Groups.CurrentGroup, c.Groups[0]);
}

TEST_F(ContainerTest, IdentityIsStoredAndChecked) {
  TXIdentity id;
  id.Values[0] = 100;
  id.Values[1] = 111;
  id.Values[2] = 400;
  id.Values[4] = -9;
  id.Name = std::string(55, 'L');
  TMemoryStream s;
  TXQStream w;
  w.SetIdentity(id);
  ASSERT_TRUE(w.Open(omCreate | omWrite, &s, false, nullptr, 0));
  ASSERT_TRUE(w.AddGroupByName("G", "", false, nullptr));

  TXQStream r;
  EXPECT_FALSE(r.CheckIdentity3(100, 111, 400, false));  // not open
  EXPECT_EQ(XError().GetCode(), errIdentity);
  ASSERT_TRUE(r.Open(omRead, &s, false, nullptr, 0));
  EXPECT_EQ(r.Identity().Name, std::string(50, 'L'));
  EXPECT_TRUE(r.CheckIdentity3(100, 111, 400, false));
  EXPECT_FALSE(r.CheckIdentity3(100, 111, 401, false));
  EXPECT_EQ(XError().GetCode(), errIdentity);
  EXPECT_TRUE(r.CheckIdentity5({100, 111, 400, 0, -9}, false));
  EXPECT_THROW(r.CheckIdentity5({100, 111, 400, 0, 0}, true), EXError);
  EXPECT_TRUE(r.CheckIdentity(id, false));
  TXIdentity other = id;
  other.Name = std::string(50, 'l');
  EXPECT_FALSE(r.CheckIdentity(other, false));

  // The identity can be given after the header was written.
  TXIdentity later;
  later.Values[3] = 77;
  w.SetIdentity(later);
  ASSERT_TRUE(w.RewriteFileHeader(false));
  ASSERT_TRUE(w.AddGroupByName("H", "", false, nullptr));
  test::TOpened rewritten(s.Bytes());
  ASSERT_TRUE(rewritten.ok);
  EXPECT_EQ(rewritten.c.Identity(), later);
  EXPECT_EQ(rewritten.c.Groups.Count(), 2u);
  EXPECT_FALSE(r.RewriteFileHeader(false));  // read-only
  EXPECT_EQ(XError().GetCode(), errSave);

  // A header check that refuses closes the container with 11.
  TXQStream refusing;
  refusing.OnCheckHeader = [](TXRStream& c, bool& accept) { accept = c.CheckIdentity3(1, 2, 3, false); };
  EXPECT_FALSE(refusing.Open(omRead, &s, false, nullptr, 0));
  EXPECT_EQ(XError().GetCode(), errChecksum);
  EXPECT_FALSE(refusing.Opened());
  EXPECT_THROW(refusing.Open(omRead, &s, true, nullptr, 0), EXError);
}

TEST_F(ContainerTest, AHeaderBeforeItsGroupJoinsAPlaceholderThatTheGroupCompletes) {
  TMemoryStream s;
  TXQStream w;
  ASSERT_TRUE(w.Open(omCreate | omWrite, &s, false, nullptr, 0));
  ASSERT_TRUE(w.BeginHeader(7, 3, nullptr, 1));
  ASSERT_TRUE(w.WriteStringItem(1, "early", false, nullptr));
  ASSERT_TRUE(w.EndHeader(nullptr));
  ASSERT_EQ(w.Groups.Count(), 1u);
  EXPECT_TRUE(w.Groups[0]->IsPlaceholder());
  ASSERT_TRUE(w.AddGroup(7, "Late", nullptr, nullptr));
  ASSERT_EQ(w.Groups.Count(), 1u);  // the record completes the placeholder
  EXPECT_EQ(w.Groups[0]->Name, "Late");

  TXQStream r;
  ASSERT_TRUE(r.Open(omRead, &s, false, nullptr, 0));
  ASSERT_EQ(r.Groups.Count(), 1u);
  TXRGroupObject* g = r.Groups[0];
  EXPECT_EQ(g->Name, "Late");
  EXPECT_FALSE(g->IsPlaceholder());
  EXPECT_TRUE(g->Loaded);
  std::string text;
  ASSERT_TRUE(r.ReadStringItem("Late", 0, false, nullptr, text, 0));
  EXPECT_EQ(text, "early");
}

TEST_F(ContainerTest, TheFirstGroupOfAnIdWinsAndGathersItsHeaders) {
  TMemoryStream s;
  TXQStream w;
  ASSERT_TRUE(w.Open(omCreate | omWrite, &s, false, nullptr, 0));
  ASSERT_TRUE(w.AddGroup(1, "First", nullptr, nullptr));
  ASSERT_TRUE(w.AddGroup(1, "Second", nullptr, nullptr));
  ASSERT_TRUE(w.BeginHeaderByName("Second", 3, false, nullptr, 1));
  ASSERT_TRUE(w.WriteStringItem(1, "mine", false, nullptr));
  ASSERT_TRUE(w.EndHeader(nullptr));

  TXQStream r;
  ASSERT_TRUE(r.Open(omRead, &s, false, nullptr, 0));
  ASSERT_EQ(r.Groups.Count(), 1u);
  EXPECT_EQ(r.Groups[0]->Name, "First");
  EXPECT_EQ(r.Groups[0]->Headers.size(), 1u);
  EXPECT_EQ(r.FindGroup("Second"), nullptr);
}

TEST_F(ContainerTest, ReadItemCheckedWantsTheSameIdMagnitude) {
  Bytes bytes = SamplePackage();
  TMemoryStream s(bytes);
  TXQStream c;
  ASSERT_TRUE(c.Open(omRead, &s, false, nullptr, 0));
  TMemoryStream out;
  EXPECT_TRUE(c.ReadItemChecked("Data", 3, false, nullptr, out, 0, 0));
  EXPECT_EQ(c.LastReadCount(), 3);
  out.Clear();
  EXPECT_FALSE(c.ReadItemChecked("Data", -4, false, nullptr, out, 0, 0));
  EXPECT_EQ(XError().GetCode(), errLoad);
  EXPECT_FALSE(c.ReadItemChecked("Data", -3, false, nullptr, out, 3, 0));
  EXPECT_FALSE(c.ReadItemByName("Data", 2, false, nullptr, out, 0));
  EXPECT_THROW(c.ReadItemByName("Nope", 0, true, nullptr, out, 0), EXError);
  EXPECT_TRUE(c.ReadItemChecked("Data", 2, false, nullptr, out, 2, 1));
  EXPECT_EQ(out.Size(), 300);
}

TEST_F(ContainerTest, AContainerBehindAPrefixLoadsFromItsStartAndNeverReadsPastItsEnd) {
  Bytes prefix(4321, 'M');
  Bytes bytes = SamplePackage(4321, prefix);
  int64_t end = static_cast<int64_t>(bytes.size());
  for (int i = 0; i < 5000; ++i) bytes.push_back(static_cast<uint8_t>(i));  // a signature, say
  test::TGuardStream s(bytes, end);
  TXQStream c;
  ASSERT_TRUE(c.Open(omRead, &s, false, nullptr, 4321));
  EXPECT_TRUE(c.Complete());
  EXPECT_EQ(c.EndOffset(), end - 16 - 4321);
  EXPECT_EQ(AllItems(c).size(), 7u);
  TMemoryStream copy;
  EXPECT_TRUE(c.CopyTo(copy, nullptr, false));
}

TEST_F(ContainerTest, ItemsAreReadThroughABoundedWindow) {
  TMemoryStream s;
  TXQStream w;
  ASSERT_TRUE(w.Open(omCreate | omWrite, &s, false, nullptr, 0));
  ASSERT_TRUE(w.AddGroupByName("G", "", false, nullptr));
  Bytes zeros(8 << 20);
  TMemoryStream source(zeros);
  ASSERT_TRUE(w.BeginHeaderByName("G", 3, false, nullptr, 1));
  ASSERT_TRUE(w.WriteStreamItem(-2, source, false, nullptr));
  ASSERT_TRUE(w.EndHeader(nullptr));

  test::TGuardStream guarded(s.Bytes(), s.Size());
  TXQStream r;
  ASSERT_TRUE(r.Open(omRead, &guarded, false, nullptr, 0));
  struct Sink : TNullStream {
    int64_t largest = 0;
    int64_t Write(const void* buffer, int64_t n) override {
      largest = std::max(largest, n);
      return TNullStream::Write(buffer, n);
    }
  } sink;
  ASSERT_TRUE(r.ReadItemToStream(*r.Groups[0]->Headers[0], 0, nullptr, sink));
  EXPECT_EQ(sink.Size(), 8 << 20);
  EXPECT_LE(sink.largest, 32768);
  EXPECT_LE(guarded.largest_read, 65536);
}

TEST_F(ContainerTest, CopyToCompactsAndDropsDeletedRecords) {
  Bytes bytes = SamplePackage();
  // Mark the "Data" group's item header deleted, and keep its checksum right.
  std::vector<test::ChainLink> links = test::WalkLinks(bytes);
  ASSERT_EQ(links.size(), 6u);  // group, header, group, header, header, end
  size_t header = links[4].offset + 16;
  bytes[header + 21] = 1;
  test::Reseal(bytes, header, 28);

  TMemoryStream s(bytes);
  TXQStream c;
  ASSERT_TRUE(c.Open(omRead, &s, false, nullptr, 0));
  EXPECT_TRUE(c.Groups[1]->Headers[1]->Deleted);
  TXProgressTarget target;
  TXProgressItem progress(nullptr, &target);
  progress.Range = 1000;
  TMemoryStream copy;
  copy.WriteBuffer("junk", 4);
  ASSERT_TRUE(c.CopyTo(copy, &progress, false));
  EXPECT_EQ(target.Position(), 1000);

  TXQStream r;
  ASSERT_TRUE(r.Open(omRead, &copy, false, nullptr, 0));
  ASSERT_EQ(r.Groups.Count(), 2u);
  EXPECT_EQ(r.Groups[0]->Headers.size(), 1u);
  EXPECT_EQ(r.Groups[1]->Headers.size(), 1u);
  EXPECT_EQ(AllItems(r), (std::vector<std::string>{
                             "Languages:3:", "Data:3:object TXObjectComponent\r\n  ObjClassName = 'TXInstall'\r\nend\r\n",
                             "Data:3:object TXObjectComponent\r\nend\r\n", "Data:3:" + std::string(40, 'r')}));

  // A group marked deleted takes its headers with it.
  bytes[links[2].offset + 16 + 68] = 1;
  test::Reseal(bytes, links[2].offset + 16, 85);
  TMemoryStream s2(bytes);
  TXQStream c2;
  ASSERT_TRUE(c2.Open(omRead, &s2, false, nullptr, 0));
  TMemoryStream copy2;
  ASSERT_TRUE(c2.CopyTo(copy2, nullptr, false));
  TXQStream r2;
  ASSERT_TRUE(r2.Open(omRead, &copy2, false, nullptr, 0));
  ASSERT_EQ(r2.Groups.Count(), 1u);
  EXPECT_EQ(r2.Groups[0]->Name, "Languages");

  TXQStream closed;
  EXPECT_FALSE(closed.CopyTo(copy2, nullptr, false));
  EXPECT_EQ(XError().GetCode(), errLoad);
}

TEST_F(ContainerTest, CopyOfAPlaceholderGroupKeepsItsHeadersWithoutARecord) {
  TMemoryStream s;
  TXQStream w;
  ASSERT_TRUE(w.Open(omCreate | omWrite | omRead, &s, false, nullptr, 0));
  ASSERT_TRUE(w.BeginHeader(4, 3, nullptr, 1));
  ASSERT_TRUE(w.WriteStringItem(1, "orphan", false, nullptr));
  ASSERT_TRUE(w.EndHeader(nullptr));
  TMemoryStream copy;
  ASSERT_TRUE(w.CopyTo(copy, nullptr, false));
  EXPECT_EQ(copy.Bytes(), s.Bytes());
}

class ContainerFileTest : public ContainerTest {
 protected:
  void TearDown() override { std::remove(name_.c_str()); }
  // One file per test: ctest runs the tests of this fixture in parallel.
  std::string name_ = testing::TempDir() + "xs_container_" +
                      testing::UnitTest::GetInstance()->current_test_info()->name() + ".bin";

  void WriteFile(const Bytes& bytes) {
    TFileStream f(name_, FileMode::Create);
    f.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  }
  Bytes ReadFile() {
    TFileStream f(name_, FileMode::OpenRead);
    TMemoryStream m;
    m.LoadFromStream(f);
    return m.Bytes();
  }
};

TEST_F(ContainerFileTest, AppendingReplacesTheEndRecordAndStartsWithNoGroups) {
  WriteFile(SamplePackage());
  size_t old_size = ReadFile().size();
  {
    TXQStream c;
    ASSERT_TRUE(c.OpenFileEx(omAppend | omRead | omWrite, name_, false, nullptr, 0));
    EXPECT_TRUE(c.Appending());
    EXPECT_EQ(c.Groups.Count(), 0u);
    EXPECT_EQ(c.EndOffset(), static_cast<int64_t>(old_size) - 16);
    ASSERT_TRUE(c.AddGroupByName("Languages", "", false, nullptr));
    EXPECT_EQ(c.Groups[0]->ID, 1);
    TMemoryStream item(Bytes{'n', 'e', 'w'});
    ASSERT_TRUE(c.WriteSingleItemHeader("Languages", 3, false, nullptr, item, 1));
  }
  TXQStream r;
  ASSERT_TRUE(r.OpenFile(omRead, name_, false, nullptr, 0));
  ASSERT_EQ(r.Groups.Count(), 2u);
  // The appended headers join the first group of id 1.
  ASSERT_EQ(r.Groups[0]->Headers.size(), 2u);
  std::string text;
  ASSERT_TRUE(r.ReadStringItem("Languages", 1, false, nullptr, text, 0));
  EXPECT_EQ(text, "new");
}

TEST_F(ContainerFileTest, AppendingOverwritesADanglingLinkAndCreatesAMissingFile) {
  Bytes bytes = SamplePackage();
  bytes.resize(bytes.size() - 16);
  std::vector<test::ChainLink> links = test::WalkLinks(SamplePackage());
  Bytes dangling(bytes.begin() + static_cast<long>(links[4].offset), bytes.begin() + static_cast<long>(links[4].offset) + 16);
  bytes.insert(bytes.end(), dangling.begin(), dangling.end());  // a link as the last 16 bytes
  WriteFile(bytes);
  {
    TXQStream c;
    ASSERT_TRUE(c.OpenFileEx(omAppend | omRead | omWrite, name_, false, nullptr, 0));
    EXPECT_EQ(c.EndOffset(), static_cast<int64_t>(bytes.size()) - 16);
    ASSERT_TRUE(c.AddGroup(3, "More", nullptr, nullptr));
  }
  TXQStream r;
  ASSERT_TRUE(r.OpenFile(omRead, name_, false, nullptr, 0));
  EXPECT_EQ(r.Groups.Count(), 3u);
  r.Close();

  std::remove(name_.c_str());
  TXQStream fresh;
  ASSERT_TRUE(fresh.OpenFileEx(omAppend | omRead | omWrite, name_, false, nullptr, 0));
  EXPECT_FALSE(fresh.Appending());
  ASSERT_TRUE(fresh.AddGroupByName("G", "", false, nullptr));
  fresh.Close();
  EXPECT_EQ(test::LoadCode(ReadFile()), errNone);
}

TEST_F(ContainerFileTest, ReadAndAddModeLoadsThenWritesBehindTheChain) {
  WriteFile(SamplePackage());
  {
    TXQStream c;
    ASSERT_TRUE(c.OpenFile(omRead | omWrite, name_, false, nullptr, 0));
    ASSERT_EQ(c.Groups.Count(), 2u);
    TMemoryStream item(Bytes{'+'});
    ASSERT_TRUE(c.WriteSingleItemHeader("Data", 4, false, nullptr, item, 9));
    EXPECT_EQ(c.Groups[1]->Headers.size(), 3u);
  }
  TXQStream r;
  ASSERT_TRUE(r.OpenFile(omRead, name_, false, nullptr, 0));
  EXPECT_EQ(r.Groups[1]->Headers.size(), 3u);
  EXPECT_FALSE(r.OpenFile(omRead, name_ + ".missing", false, nullptr, 0));
  EXPECT_EQ(XError().GetCode(), errLoad);
  EXPECT_FALSE(r.Opened());
}

TEST_F(ContainerFileTest, CreatingAtAnOffsetKeepsTheFileInFrontOfIt) {
  WriteFile(Bytes(50, 'E'));
  TXQStream c;
  ASSERT_TRUE(c.OpenFile(omCreate | omWrite, name_, false, nullptr, 50));
  ASSERT_TRUE(c.AddGroupByName("G", "", false, nullptr));
  c.Close();
  Bytes bytes = ReadFile();
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 50), Bytes(50, 'E'));
  EXPECT_EQ(test::LoadCode(bytes, 50), errNone);
}

}  // namespace
}  // namespace xs
