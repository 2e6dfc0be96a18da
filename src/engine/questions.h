// Questions in the run log, and the answers a silent run gives.
#pragma once

#include <string>

#include "ui/message_box.h"

namespace xs {

// The answer a run under "/silent" gives without showing a window: Yes to a
// yes/no question, Overwrite to the rename question, the default button to
// every other message.
int SilentAnswer(TXButtonFrame frame, int default_result);

// The name of a dialog result as the run log writes it ("Yes", "Cancel").
std::string AnswerName(int result);

// Writes a question and its answer into the run log; a message with only an
// OK button is written as a message.
void LogQuestion(const std::string& caption, const std::string& text, int answer, bool question = true);

// Whether the process's command line asks for a run without windows
// ("/silent"); the programs install the question windows only otherwise.
bool SilentRunRequested();

// Opens the run log that "/log:" names and writes its start line (the
// program's name and version, and the arguments), then routes the
// questions as RouteQuestions does, silently under "/silent".
void StartProgramRun(const std::string& program);
// Writes the end line with exit_code and closes the log; returns exit_code.
int EndProgramRun(int exit_code);

// From now on every message box goes through the run log. Silent: none is
// shown, each answers with SilentAnswer. Otherwise the implementation in
// use at this call shows it, as before.
void RouteQuestions(bool silent);

}  // namespace xs
