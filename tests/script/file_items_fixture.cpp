#include "file_items_fixture.h"

#include <optional>

#include "base/stream.h"
#include "lang/builtin_words.h"
#include "platform/pe_builder.h"
#include "platform/platform_fixture.h"
#include "script/version.h"

namespace xs {

void FileItemsTest::SetUp() {
  ScriptMachineTest::SetUp();
  saved_words_.NotifyOnLoad = false;
  saved_words_.Assign(ActiveLg());
  const std::string& words = BuiltInWordsText();
  TMemoryStream stream(std::vector<uint8_t>(words.begin(), words.end()));
  ActiveLg().Clear();
  ActiveLg().LoadWords(stream, true);
  SetMessageBoxFunc([this](const std::string& text, const std::string& caption, int icon, TXButtonFrame frame,
                           int default_result) {
    shown_.push_back({text, caption, icon, frame, default_result});
    if (message_answers_.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return int{mrCancel};
    }
    int answer = message_answers_.front();
    message_answers_.pop_front();
    return answer;
  });
  SetInputBoxFunc([this](const std::string& caption, const std::string& prompt, std::string& value) {
    inputs_.push_back({caption, prompt, value});
    if (input_answers_.empty()) {
      ADD_FAILURE() << "unexpected input box: " << prompt;
      return false;
    }
    std::string answer = input_answers_.front();
    input_answers_.pop_front();
    if (answer == kCancelInput) return false;
    value = answer;
    return true;
  });
}

void FileItemsTest::TearDown() {
  SetMessageBoxFunc(nullptr);
  SetInputBoxFunc(nullptr);
  EXPECT_TRUE(message_answers_.empty()) << "questions expected but not asked: " << message_answers_.size();
  EXPECT_TRUE(input_answers_.empty()) << "input boxes expected but not shown: " << input_answers_.size();
  ActiveLg().Assign(saved_words_);
  ScriptMachineTest::TearDown();
}

std::string FileItemsTest::MakeFile(const std::string& name, const std::string& version, double date_time,
                                    const std::string& text) {
  std::string file = Scratch(name);
  ForceFolders(ExtractFilePath(file));
  if (version.empty()) {
    EXPECT_TRUE(WriteTextFile(file, text)) << file;
  } else {
    xVersion v = xVersion::Parse(version);
    EXPECT_TRUE(WriteVersionedFile(file, v.Major, v.Minor, v.Release, v.Build)) << file;
  }
  if (date_time != 0) {
    EXPECT_TRUE(SetFileWriteTime(file, LocalDateTimeToFileTime(date_time))) << file;
  }
  return file;
}

double FileItemsTest::LocalTime(const std::string& name) {
  std::optional<int64_t> time = GetFileWriteTime(name);
  return time ? FileTimeToLocalDateTime(*time) : 0;
}

}  // namespace xs
