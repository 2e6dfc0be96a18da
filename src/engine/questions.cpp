#include "engine/questions.h"

#include "engine/parameters.h"
#include "engine/run_log.h"
#include "platform/command_line.h"

namespace xs {

int SilentAnswer(TXButtonFrame frame, int default_result) {
  switch (frame) {
    case TXButtonFrame::TXCmdYesNo:
      return mrYes;
    case TXButtonFrame::TXCmdRenameOverwriteCancel:
      return mrOverwrite;
    default:
      return default_result;
  }
}

std::string AnswerName(int result) {
  switch (result) {
    case mrOK:
      return "OK";
    case mrCancel:
      return "Cancel";
    case mrOverwrite:
      return "Overwrite";
    case mrYes:
      return "Yes";
    case mrNo:
      return "No";
    default:
      return "button " + std::to_string(result);
  }
}

void LogQuestion(const std::string& caption, const std::string& text, int answer, bool question) {
  RunLog().Write((question ? "question: " : "message: ") + caption + ": " + text + " -> " + AnswerName(answer));
}

bool SilentRunRequested() {
  TXParameters params;
  params.ParseCommandLine(ProcessCommandLine());
  return params.HasSwitch("/silent");
}

void StartProgramRun(const std::string& program) {
  TXParameters& params = Parameters();
  params.ParseCommandLine(ProcessCommandLine());
  if (params.HasSwitch("/log:")) RunLog().Open(params.SwitchValue("/log:"));
  RunLog().Write("start: " + program + " " XSETUP_VERSION ", arguments: " + ProcessCommandLine());
  RouteQuestions(params.HasSwitch("/silent"));
}

int EndProgramRun(int exit_code) {
  RunLog().Write("end: exit code " + std::to_string(exit_code));
  RunLog().Close();
  return exit_code;
}

void RouteQuestions(bool silent) {
  TXMessageBoxFunc shown = silent ? TXMessageBoxFunc() : MessageBoxFuncInUse();
  SetMessageBoxFunc([silent, shown](const std::string& text, const std::string& caption, int icon,
                                    TXButtonFrame frame, int default_result) {
    int answer = default_result;
    if (silent) answer = SilentAnswer(frame, default_result);
    else if (shown) answer = shown(text, caption, icon, frame, default_result);
    LogQuestion(caption, text, answer, frame != TXButtonFrame::TXCmdOK);
    return answer;
  });
}

}  // namespace xs
