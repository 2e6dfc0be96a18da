// The run log and the questions that pass through it.
#include "engine/run_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "base/text.h"
#include "engine/questions.h"
#include "platform/platform_fixture.h"

namespace xs {
namespace {

TEST(RunLogTime, WritesUtcToTheMillisecond) {
  struct Case {
    int64_t ms;
    const char* text;
  } cases[] = {
      {0, "1970-01-01 00:00:00.000Z"},
      {-1, "1969-12-31 23:59:59.999Z"},
      {951868799999, "2000-02-29 23:59:59.999Z"},
      {1796929501123, "2026-12-10 19:05:01.123Z"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RunLogTime(std::chrono::system_clock::time_point(std::chrono::milliseconds(c.ms))), c.text);
}

// The lines of the file without their times.
std::vector<std::string> Events(const std::string& file) {
  std::vector<std::string> events;
  std::string text = ReadTextFile(file);
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.size() > 24 && line[23] == 'Z' && line[24] == ' ', true) << line;
    events.push_back(line.substr(25));
  }
  EXPECT_EQ(start, text.size()) << "every line ends with its break";
  return events;
}

class RunLogTest : public PlatformTest {
 protected:
  void TearDown() override {
    RunLog().Close();
    SetMessageBoxFunc({});
    PlatformTest::TearDown();
  }
};

TEST_F(RunLogTest, EveryEventIsOneLineAndARestartAppends) {
  const std::string file = Scratch("run.log");
  RunLog().Write("before the log is open: nowhere");
  ASSERT_TRUE(RunLog().Open(file));
  RunLog().Write("first\r\nsecond\nthird");
  // A restarted copy opens the same log; the first lines stay.
  ASSERT_TRUE(RunLog().Open(file));
  RunLog().Write("after the restart");
  RunLog().Close();
  RunLog().Write("after closing: nowhere");
  EXPECT_EQ(Events(file), (std::vector<std::string>{"first | second | third", "after the restart"}));
  EXPECT_FALSE(RunLog().Open(Scratch("missing") + "/sub/run.log"));
  EXPECT_FALSE(RunLog().IsOpen());
}

TEST_F(RunLogTest, SilentQuestionsAnswerThemselvesAndAreLogged) {
  struct Case {
    TXButtonFrame frame;
    int default_result;
    int answer;
    const char* logged;
  } cases[] = {
      {TXButtonFrame::TXCmdYesNo, mrNo, mrYes, "question: C: T -> Yes"},
      {TXButtonFrame::TXCmdRenameOverwriteCancel, mrCancel, mrOverwrite, "question: C: T -> Overwrite"},
      {TXButtonFrame::TXCmdOKCancel, mrCancel, mrCancel, "question: C: T -> Cancel"},
      {TXButtonFrame::TXCmdOK, mrOK, mrOK, "message: C: T -> OK"},
  };
  const std::string file = Scratch("run.log");
  ASSERT_TRUE(RunLog().Open(file));
  int shown = 0;
  SetMessageBoxFunc([&](const std::string&, const std::string&, int, TXButtonFrame, int) { return ++shown; });
  RouteQuestions(true);
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    EXPECT_EQ(ShowMessageBox("T", "C", IconQuestion, c.frame, c.default_result), c.answer);
    expected.push_back(c.logged);
  }
  EXPECT_EQ(shown, 0) << "a silent run shows nothing";
  // Not silent: the window in use answers, and the log still hears it.
  SetMessageBoxFunc([&](const std::string&, const std::string&, int, TXButtonFrame, int) { return mrNo; });
  RouteQuestions(false);
  EXPECT_EQ(ShowMessageBox("T", "C", IconQuestion, TXButtonFrame::TXCmdYesNo, mrYes), mrNo);
  expected.push_back("question: C: T -> No");
  // Windows lets no one read the log while the run holds it.
  RunLog().Close();
  EXPECT_EQ(Events(file), expected);
}

}  // namespace
}  // namespace xs
