// The journal beside an undo log: records on the disk as they are
// appended, and a tail that a kill cut short or damaged is dropped while the
// records before it are kept.
#include "engine/undo_journal.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/little_endian.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "script/item_factory.h"
#include "script/script_fixture.h"

namespace xs {
namespace {

using UndoJournalTest = ScriptMachineTest;

std::vector<std::string> Names(const TXUndo& log) {
  std::vector<std::string> names;
  for (int i = 0; i < log.Items.Count(); ++i) {
    const TXUICustomItem& r = *log.Items.GetItem(i);
    names.push_back(r.ClassName() + " " + r.GetDisplayText());
  }
  return names;
}

std::string Bytes(const std::string& file) { return ReadTextFile(file); }

void Write(const std::string& file, const std::string& bytes) { ASSERT_TRUE(WriteTextFile(file, bytes)); }

class JournalFile : public UndoJournalTest {
 protected:
  // A journal with a head, one carried record and three appended ones; ends_
  // holds the file's size after the head with the carried record and after
  // each appended record. (Windows lets no one read the journal while it is
  // open: the sizes come from the records' lengths.)
  void SetUp() override {
    UndoJournalTest::SetUp();
    file_ = Scratch("app.xui.journal");
    TXUndo log, carried;
    log.SetLgID(7);
    log.AppItems.First()->UILog = Scratch("app.xui");
    log.AppItems.First()->Title = "Tool";
    carried.AddItem(NewDelFileItem(eoIgnore, "C:\\carried.txt"));
    {
      TXUndoJournal journal(file_, log, carried);
      journal.Append(*NewDelEmptyFolderItem(eoIgnore, "C:\\app"));
      journal.Append(*NewDelRegValItem(eoIgnore, kHKeyCurrentUser, optrNone, "Software\\Tool", "Path"));
      auto last = NewDelFileItem(eoIgnore, "C:\\app\\tool.exe");
      SetUndoProps(*last, isTemp, 7, 3, true, TXUIConditions().set(cdAlways));
      journal.Append(*last);
    }
    const std::string bytes = Bytes(file_);
    int64_t at = 4;  // past "XSJ1"
    for (int record = 0; at + 8 <= static_cast<int64_t>(bytes.size()); ++record) {
      at += 8 + GetU32(reinterpret_cast<const uint8_t*>(bytes.data()) + at);
      if (record >= 1) ends_.push_back(at);  // the head and the carried record go together
    }
    ASSERT_EQ(ends_.size(), 4u);
  }

  std::string file_;
  std::vector<int64_t> ends_;
  const std::vector<std::string> all_ = {"TXUIDelFileItem C:\\carried.txt", "TXUIDelEmptyFolderItem C:\\app",
                                         "TXUIDelRegValItem Software\\Tool", "TXUIDelFileItem C:\\app\\tool.exe"};
};

TEST_F(JournalFile, ReadsBackTheHeadAndEveryRecordInOrder) {
  TXUndo read;
  ASSERT_TRUE(LoadUndoJournal(file_, read));
  EXPECT_EQ(read.LgID(), 7);
  EXPECT_EQ(read.AppItems.First()->UILog, Scratch("app.xui"));
  EXPECT_EQ(read.AppItems.First()->Title, "Tool");
  EXPECT_EQ(Names(read), all_);
  const TXUICustomItem& last = *read.Items.GetItem(3);
  EXPECT_TRUE(last.IsUndo);
  EXPECT_EQ(last.Section, isTemp);
  EXPECT_EQ(last.Component, 3);

  EXPECT_EQ(static_cast<int64_t>(Bytes(file_).size()), ends_.back()) << "nothing follows the last record";
}

// A kill mid-append leaves a prefix of the last record; a bad sector or a
// stray write changes bytes. Either way the records before stay.
TEST_F(JournalFile, ACutOrDamagedTailIsDroppedAndTheRecordsBeforeItKept) {
  const std::string whole = Bytes(file_);
  for (int64_t size = ends_[0]; size < ends_.back(); ++size) {
    Write(file_, whole.substr(0, static_cast<size_t>(size)));
    TXUndo read;
    ASSERT_TRUE(LoadUndoJournal(file_, read)) << size;
    int complete = 0;
    while (complete + 1 < static_cast<int>(ends_.size()) && ends_[complete + 1] <= size) ++complete;
    // The carried record sits inside the head's write, before ends_[0].
    EXPECT_EQ(read.Items.Count(), 1 + complete) << size;
  }
  // One byte changed in the second appended record: it and all after go.
  for (int64_t at : {ends_[1] + 2, ends_[1] + 6, ends_[2] - 1}) {
    std::string damaged = whole;
    damaged[static_cast<size_t>(at)] ^= 0x20;
    Write(file_, damaged);
    TXUndo read;
    ASSERT_TRUE(LoadUndoJournal(file_, read));
    EXPECT_EQ(Names(read), std::vector<std::string>(all_.begin(), all_.begin() + 2)) << at;
  }
}

TEST_F(JournalFile, HostileLengthsAndHeadsReadNothingAndDoNotCrash) {
  const std::string whole = Bytes(file_);
  struct Case {
    const char* what;
    std::string bytes;
    bool loads;
    int records;
  } cases[] = {
      {"no magic", "XSJ0" + whole.substr(4), false, 0},
      {"head cut", whole.substr(0, 10), false, 0},
      {"empty file", "", false, 0},
      // A length far beyond the limit after the second record: not read.
      {"huge length", whole.substr(0, static_cast<size_t>(ends_[1])) + std::string("\xff\xff\xff\x7f", 4) +
                          whole.substr(static_cast<size_t>(ends_[1]) + 4),
       true, 2},
      {"zero length", whole.substr(0, static_cast<size_t>(ends_[2])) + std::string(8, '\0'), true, 3},
  };
  for (const Case& c : cases) {
    Write(file_, c.bytes);
    TXUndo read;
    EXPECT_EQ(LoadUndoJournal(file_, read), c.loads) << c.what;
    EXPECT_EQ(read.Items.Count(), c.records) << c.what;
  }
  EXPECT_FALSE(LoadUndoJournal(Scratch("none.journal"), *std::make_unique<TXUndo>()));
}

TEST_F(JournalFile, ANewJournalReplacesTheOldInOneStepAndRemoveDeletesIt) {
  TXUndo log, carried;
  carried.AddItem(NewDelFileItem(eoIgnore, "C:\\only.txt"));
  { TXUndoJournal journal(file_, log, carried); }
  TXUndo read;
  ASSERT_TRUE(LoadUndoJournal(file_, read));
  EXPECT_EQ(Names(read), std::vector<std::string>{"TXUIDelFileItem C:\\only.txt"});
  {
    TXUndoJournal journal(file_, log, carried);
    EXPECT_TRUE(journal.Remove());
  }
  EXPECT_FALSE(FileExists(file_));
  std::vector<TSearchRec> left;
  FindFiles(Scratch(), "~xs*", left);
  EXPECT_TRUE(left.empty()) << "no temporary file of the replacement stays";
}

}  // namespace
}  // namespace xs
