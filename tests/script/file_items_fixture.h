// The fixture of the file-system item tests: a fresh machine, the built-in
// English texts, scripted answers for the questions the items ask, and
// files of chosen versions and times.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "lang/language.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "script_fixture.h"
#include "ui/message_box.h"

namespace xs {

// One message box the code showed.
struct TShownMessage {
  std::string text, caption;
  int icon = 0;
  TXButtonFrame frame = TXButtonFrame::TXCmdOK;
  int default_result = 0;
};

// One input box the code showed, with the text it was preset with.
struct TShownInput {
  std::string caption, prompt, preset;
};

class FileItemsTest : public ScriptMachineTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The answers the next questions get, in order; a question beyond them
  // fails the test and is answered Cancel.
  void AnswerMessages(std::vector<int> answers) { message_answers_.assign(answers.begin(), answers.end()); }
  // Each string is a confirmed name; "\x18" (CAN) cancels the input box.
  void AnswerInputs(std::vector<std::string> answers) { input_answers_.assign(answers.begin(), answers.end()); }

  // A file in the scratch folder: a PE image with the version ("7.1.9.170")
  // or, for an empty version, a text file without one; then, unless
  // date_time is 0, its last-write time set to that local date-time.
  std::string MakeFile(const std::string& name, const std::string& version, double date_time = 0,
                       const std::string& text = "old content");
  // The file's last-write time as a local date-time; 0 when unreadable.
  static double LocalTime(const std::string& name);

  std::vector<TShownMessage> shown_;
  std::vector<TShownInput> inputs_;

 private:
  std::deque<int> message_answers_;
  std::deque<std::string> input_answers_;
  TXLg saved_words_;
};

inline constexpr char kCancelInput[] = "\x18";

}  // namespace xs
