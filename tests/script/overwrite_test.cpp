// The replacement rule: when an existing file may be overwritten, the
// questions asked, and the rename answer that changes the destination.
#include "script/overwrite.h"

#include <vector>

#include "file_items_fixture.h"
#include "platform/date_text.h"

namespace xs {
namespace {

constexpr double kOld = 45000.25, kNew = 45001.75;  // local date-times

class OverwriteTest : public FileItemsTest {};

TEST_F(OverwriteTest, ReplacementRules) {
  // existing: the version of the file in place ("" a file without one);
  // times of 0 leave the file's time as it is, respectively pass 0.
  const struct {
    const char* what;
    TXUIFileOptions options;
    const char* existing;
    double existing_time;
    const char *source_version, *protected_release;
    double source_time;
    std::vector<int> answers;
    bool allowed;
  } cases[] = {
      {"none: always", optfNone, "7.9.9.9", 0, "1.0.0.0", "", kOld, {}, true},
      {"fail if exists: never", optfFailIfExists, "1.0.0.0", kOld, "9.0.0.0", "", kNew, {}, false},
      {"confirm: yes", optfConfirmOverwrite, "1.0.0.0", 0, "9.0.0.0", "", kNew, {mrYes}, true},
      {"confirm: no, even for a newer file", optfConfirmOverwrite, "1.0.0.0", 0, "9.0.0.0", "", kNew, {mrNo}, false},
      {"7.1.9.170 over 7.1.10.100", optfIfNewer, "7.1.10.100", kNew, "7.1.9.170", "", kOld, {}, true},
      {"equal versions are kept", optfIfNewer, "7.1.9.170", kOld, "7.1.9.170", "", kNew, {}, false},
      {"same Release, lower Build", optfIfNewer, "7.1.9.170", 0, "7.1.9.169", "", kNew, {}, false},
      {"same Release, higher Build", optfIfNewer, "7.1.9.170", 0, "7.1.9.171", "", kOld, {}, true},
      {"higher Major.Minor", optfIfNewer, "7.1.9.170", 0, "7.2.0.0", "", kOld, {}, true},
      {"past the protected release, same Release, older", optfIfNewer, "7.1.9.200", 0, "7.1.9.199", "7.1.9.100",
       kNew, {}, false},
      {"past the protected release, same Release, not older", optfIfNewer, "7.1.9.200", 0, "7.1.9.200",
       "7.1.9.100", kNew, {}, true},
      {"past the protected release, higher Release", optfIfNewer, "7.1.9.200", 0, "7.1.10.1", "7.1.9.100", kOld,
       {}, true},
      {"past the protected release, lower Release", optfIfNewer, "7.1.9.200", 0, "7.2.8.999", "7.1.9.100", kNew,
       {}, false},
      {"not past the protected release: base rule", optfIfNewer, "7.1.9.100", 0, "7.1.10.1", "7.1.9.200", kNew, {},
       false},
      {"no versions: newer time", optfIfNewer, "", kOld, "", "", kNew, {}, true},
      {"no versions: same time", optfIfNewer, "", kOld, "", "", kOld, {}, true},
      {"no versions: older time", optfIfNewer, "", kNew, "", "", kOld, {}, false},
      {"no existing version: time decides", optfIfNewer, "", kNew, "9.0.0.0", "", kOld, {}, false},
      {"no new version: time decides", optfIfNewer, "1.0.0.0", kNew, "", "", kOld, {}, false},
      {"no new version, no new time", optfIfNewer, "1.0.0.0", kNew, "", "", 0, {}, true},
      {"confirm if older: newer, no question", optfConfirmIfOlder, "7.1.9.170", 0, "7.1.9.171", "", kOld, {}, true},
      {"confirm if older: older, yes", optfConfirmIfOlder, "7.1.9.170", 0, "7.1.9.100", "", kNew, {mrYes}, true},
      {"confirm if older: older, no", optfConfirmIfOlder, "", kNew, "", "", kOld, {mrNo}, false},
      {"rename: overwrite", optfRename, "1.0.0.0", 0, "1.0.0.0", "", kOld, {mrOverwrite}, true},
      {"rename: cancel", optfRename, "1.0.0.0", 0, "9.0.0.0", "", kNew, {mrCancel}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string dest = MakeFile("app.dll", c.existing, c.existing_time);
    const std::string before = dest;
    shown_.clear();
    AnswerMessages(c.answers);
    EXPECT_EQ(AllowOverwrite(c.options, dest, c.source_time, c.source_version, c.protected_release), c.allowed);
    EXPECT_EQ(shown_.size(), c.answers.size());
    EXPECT_EQ(dest, before);
    ASSERT_TRUE(SetFileAttr(dest, faNormal));
    ASSERT_TRUE(RemoveFile(dest));
  }
}

TEST_F(OverwriteTest, AMissingDestinationIsAllowedWithoutAQuestion) {
  for (TXUIFileOptions options :
       {optfNone, optfFailIfExists, optfConfirmOverwrite, optfIfNewer, optfConfirmIfOlder, optfRename}) {
    std::string dest = Scratch("new.dll");
    EXPECT_TRUE(AllowOverwrite(options, dest, kOld, "1.0.0.0", "")) << options;
    EXPECT_EQ(dest, Scratch("new.dll"));
  }
  // A folder of that name is no file either; writing will fail later.
  ASSERT_TRUE(ForceFolders(Scratch("folder.dll")));
  std::string dest = Scratch("folder.dll");
  EXPECT_TRUE(AllowOverwrite(optfFailIfExists, dest, 0, "", ""));
  EXPECT_TRUE(shown_.empty());
}

TEST_F(OverwriteTest, AnUnknownExistingTimeMeansReplace) {
  std::string dest = MakeFile("app.dll", "");
  if (!SetFileWriteTime(dest, LocalDateTimeToFileTime(0)) || LocalTime(dest) != 0)
    GTEST_SKIP() << "this file system cannot hold 30 December 1899: " << LocalTime(dest);
  EXPECT_TRUE(AllowOverwrite(optfIfNewer, dest, kOld, "", ""));
}

TEST_F(OverwriteTest, TheYesNoQuestionNamesBothFiles) {
  std::string dest = MakeFile("app.dll", "7.1.10.100", kOld);
  AnswerMessages({mrNo});
  EXPECT_FALSE(AllowOverwrite(optfConfirmOverwrite, dest, kNew, "7.1.9.170", ""));
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, "The file " + dest + " already exists. Do you want to replace it?\r\n\r\n"
                            "Existing file: version 7.1.10.100, dated " + DateTimeText(kOld) + "\r\n"
                            "New file: version 7.1.9.170, dated " + DateTimeText(kNew));
  EXPECT_EQ(shown_[0].caption, "Confirm File Replace");
  EXPECT_EQ(shown_[0].icon, IconQuestion);
  EXPECT_EQ(shown_[0].frame, TXButtonFrame::TXCmdYesNo);
  EXPECT_EQ(shown_[0].default_result, mrYes);

  // A text file has neither version nor time; an unknown time shows empty.
  AnswerMessages({mrYes});
  EXPECT_TRUE(AllowOverwrite(optfConfirmOverwrite, dest, 0, "", ""));
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_NE(shown_[1].text.find("\r\nNew file: version , dated "), std::string::npos) << shown_[1].text;
  EXPECT_EQ(shown_[1].text.substr(shown_[1].text.size() - 6), "dated ");

  // Nor has the file in place: its version shows empty, not as 0.0.0.0.
  std::string text = MakeFile("notes.txt", "", kOld);
  AnswerMessages({mrNo});
  EXPECT_FALSE(AllowOverwrite(optfConfirmOverwrite, text, kNew, "", ""));
  ASSERT_EQ(shown_.size(), 3u);
  EXPECT_NE(shown_[2].text.find("\r\n\r\nExisting file: version , dated " + DateTimeText(kOld) + "\r\n"),
            std::string::npos)
      << shown_[2].text;
}

TEST_F(OverwriteTest, RenameAsksForAFreeNameInTheSameFolder) {
  std::string dest = MakeFile("app.dll", "7.1.10.100", kOld);
  MakeFile("taken.dll", "");
  ASSERT_TRUE(ForceFolders(Scratch("folder")));
  AnswerMessages({mrOK});
  AnswerInputs({"taken.dll", "", "folder", "fresh.dll"});
  EXPECT_TRUE(AllowOverwrite(optfRename, dest, kNew, "7.1.9.170", ""));
  EXPECT_EQ(dest, Scratch("fresh.dll"));

  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, "The file " + Scratch("app.dll") +
                                " already exists. Do you want to rename the new file, overwrite the existing one, "
                                "or cancel?\r\n\r\nExisting file: version 7.1.10.100, dated " + DateTimeText(kOld) +
                                "\r\nNew file: version 7.1.9.170, dated " + DateTimeText(kNew));
  EXPECT_EQ(shown_[0].frame, TXButtonFrame::TXCmdRenameOverwriteCancel);
  EXPECT_EQ(shown_[0].default_result, mrOK) << "Rename is the default";
  EXPECT_EQ(shown_[0].icon, IconQuestion);

  ASSERT_EQ(inputs_.size(), 4u);
  EXPECT_EQ(inputs_[0].caption, "Rename File");
  EXPECT_EQ(inputs_[0].prompt, "New file name:");
  EXPECT_EQ(inputs_[0].preset, "app.dll");
  EXPECT_EQ(inputs_[1].preset, "taken.dll") << "asked again with the name that was taken";
  EXPECT_EQ(inputs_[2].preset, "") << "an empty name is asked again";
  EXPECT_EQ(inputs_[3].preset, "folder") << "a folder's name is taken too";
  EXPECT_TRUE(FileExists(Scratch("app.dll"))) << "the existing file stays";
}

TEST_F(OverwriteTest, CancellingTheNewNameRefuses) {
  std::string dest = MakeFile("app.dll", "");
  AnswerMessages({mrOK});
  AnswerInputs({kCancelInput});
  EXPECT_FALSE(AllowOverwrite(optfRename, dest, 0, "", ""));
  EXPECT_EQ(dest, Scratch("app.dll"));
}

TEST_F(OverwriteTest, AnAllowedReadOnlyFileLosesItsAttributes) {
  std::string dest = MakeFile("app.dll", "");
  ASSERT_TRUE(SetFileAttr(dest, faReadOnly));
  EXPECT_FALSE(AllowOverwrite(optfFailIfExists, dest, 0, "", ""));
  EXPECT_TRUE(GetFileAttr(dest) & faReadOnly) << "a refusal changes nothing";
  EXPECT_TRUE(AllowOverwrite(optfNone, dest, 0, "", ""));
  EXPECT_FALSE(GetFileAttr(dest) & faReadOnly);
}

}  // namespace
}  // namespace xs
