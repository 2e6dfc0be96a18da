// Finding and loading the install package: "/file:", the program's own file
// at the start offset, the ".0" file beside it, "*", and the
// incomplete-installer message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "base/settings.h"
#include "engine_run_fixture.h"
#include "package/filer.h"
#include "platform/command_line.h"
#include "platform/file_stream.h"
#include "script/file_actions.h"
#include "script/path_macros.h"

namespace xs {
namespace {

class LoadingEngine : public TXInstallEngine {
 public:
  using TXInstallEngine::DoInit;
  using TXInstallEngine::DoLoad;
};

class PackageLoadTest : public EngineRunTest {
 protected:
  void SetUp() override {
    EngineRunTest::SetUp();
    package_ = Scratch("tool.pkg");
    TXPackageContents contents;
    contents.Script.Title = "Tool";
    contents.Script.DefaultFolderName = "<pf>Tool";
    contents.Script.DefaultGroupName = "<install>Tool";
    auto item = std::make_unique<TXUIFolderItem>();
    item->FolderName = "<install>";
    contents.Script.AddItem(std::move(item));
    ASSERT_TRUE(SaveNewFileWith(package_, FilerClass<TXInstallFiler>, &contents, false, nullptr));
    bytes_ = ReadTextFile(package_);
    engine_.DoInit();
  }

  // Runs DoLoad with the settings given; returns the code it raised (0: none).
  int Load(const std::string& file, int64_t start) {
    RunSettings().PackageFileName = file;
    RunSettings().StartOffset = start;
    RunSettings().InstallFolder = "unchanged";
    try {
      engine_.DoLoad();
    } catch (const EXError& e) {
      return e.Code();
    }
    return 0;
  }

  LoadingEngine engine_;
  std::string package_;  // in the scratch folder, made by SetUp
  std::string bytes_;
};

TEST_F(PackageLoadTest, APackageByNameOrBehindAPrefixGivesScriptFolderAndGroup) {
  for (int64_t start : {0, 1000}) {
    ASSERT_TRUE(WriteTextFile(package_, std::string(static_cast<size_t>(start), 'M') + bytes_));
    EXPECT_EQ(Load(package_, start), 0) << start;
    EXPECT_EQ(engine_.Package.Script.Title, "Tool");
    EXPECT_EQ(engine_.Package.Script.Items.Count(), 1);
    EXPECT_EQ(RunSettings().InstallFolder, ExpandPathMacros("<pf>Tool") + kPathDelim);
    EXPECT_EQ(RunSettings().GroupName, "<install>Tool");
  }
}

TEST_F(PackageLoadTest, StarLoadsNothing) {
  EXPECT_EQ(Load("*", 1169408), 0);
  EXPECT_EQ(engine_.Package.Script.Items.Count(), 0);
  EXPECT_EQ(RunSettings().InstallFolder, "unchanged");
}

TEST_F(PackageLoadTest, AMissingOrDamagedPackageShowsTheIncompleteInstallerMessage) {
  const std::string cut = Scratch("cut.pkg");
  ASSERT_TRUE(WriteTextFile(cut, bytes_.substr(0, bytes_.size() - 20)));
  const std::string program = ProgramFileName();
  struct Case {
    std::string file;
    int64_t start;
    std::string named;  // in the message
    int code;
  } cases[] = {
      {Scratch("missing.pkg"), 0, "missing.pkg", errFileMissing},
      {cut, 0, "cut.pkg", -1},
      // Without "/file:" the program's own file, where no package is.
      {"", 1169408, ExtractFileName(program), -1},
      // Start offset 0 and no ".0" file beside the program: no package.
      {"", 0, "", errGeneral},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " " + std::to_string(c.start));
    shown_.clear();
    AnswerMessages({mrOK});
    int code = Load(c.file, c.start);
    if (c.code >= 0) {
      EXPECT_EQ(code, c.code);
    }
    EXPECT_NE(code, 0);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].caption, "Error Starting Setup - Incomplete Installer File");
    EXPECT_EQ(shown_[0].text,
              "Error starting setup - Incomplete installer file: " + c.named +
                  "\r\nIf the problem persists you may have to download the file again.");
    EXPECT_EQ(shown_[0].icon, IconError);
  }
}

TEST_F(PackageLoadTest, StartOffsetZeroFindsTheSideFileBesideTheProgram) {
  const std::string side = ChangeFileExt(ProgramFileName(), ".0");
  ASSERT_FALSE(FileExists(side));
  ASSERT_TRUE(WriteTextFile(side, bytes_));
  int code = Load("", 0);
  DeleteFileEx(side);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(RunSettings().PackageFileName, side);
  EXPECT_EQ(engine_.Package.Script.Title, "Tool");
}

}  // namespace
}  // namespace xs
