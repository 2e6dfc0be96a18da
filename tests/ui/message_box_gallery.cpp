// Shows one question window for looking at it and for driving it from
// outside:  message_box_gallery BOX [KEY DELAY_MS]
//   BOX 0..5  a message box with each button frame, in the order of
//             TXButtonFrame; 6 a check box that enables OK; 7 a long text
//             that wraps; 8 the input box; 9 the rename question; 10
//             Resume / Exit Setup in the language of the plain words file
//             named by XS_WORDS_FILE, whose button texts may be long;
//             11 a check box with Yes / No that switches to the language
//             of XS_WORDS_FILE while it is open, once the file named by
//             XS_SWITCH_FILE exists
//   KEYS      the program itself presses these keys, one every DELAY_MS,
//             on the control that has the focus: "esc", "enter", "tab",
//             "space", or "close" the window; comma-separated
// The exit code is the box's result (the input box: 1 confirmed, 2 not).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/stream.h"
#include "lang/data_module.h"
#include "lang/keys.h"
#include "lang/language.h"
#include "lang/language_events.h"
#include "lang/words_text.h"
#include "ui/application.h"
#include "ui/dialog_windows.h"
#include "ui/message_box.h"

namespace {

// The keys still to press, first first.
std::vector<std::string> keys_to_press;

// Presses one key a tick on the control that has the focus then.
void CALLBACK PressKey(HWND, UINT, UINT_PTR timer, DWORD) {
  if (keys_to_press.empty()) {
    KillTimer(nullptr, timer);
    return;
  }
  HWND box = FindWindowA("TXMessageForm", nullptr);
  if (!box || !IsWindowVisible(box)) return;  // not shown yet
  const std::string key = keys_to_press.front();
  keys_to_press.erase(keys_to_press.begin());
  if (key == "close") {
    PostMessageA(box, WM_CLOSE, 0, 0);
    return;
  }
  const WPARAM code = key == "esc" ? VK_ESCAPE : key == "tab" ? VK_TAB : key == "space" ? VK_SPACE : VK_RETURN;
  HWND focus = GetFocus();
  PostMessageA(focus ? focus : box, WM_KEYDOWN, code, 1);
  PostMessageA(focus ? focus : box, WM_KEYUP, code, 0xC0000001);
}

// Makes the plain words file named the active language.
void LoadWordsFile(const char* name) {
  std::ifstream file(name ? name : "", std::ios::binary);
  const std::string plain{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::string words = xs::EncodeWordsText(plain);
  xs::TMemoryStream stream(std::vector<uint8_t>(words.begin(), words.end()));
  xs::ActiveLg().Clear();
  xs::ActiveLg().LoadWords(stream, true);
}

// Switches the language once the test has made the switch file.
void CALLBACK SwitchWhenAsked(HWND, UINT, UINT_PTR timer, DWORD) {
  const char* name = std::getenv("XS_SWITCH_FILE");
  if (!name || GetFileAttributesA(name) == INVALID_FILE_ATTRIBUTES) return;
  KillTimer(nullptr, timer);
  LoadWordsFile(std::getenv("XS_WORDS_FILE"));
  xs::NotifyLanguageChanged();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace xs;
  if (argc < 2) return 100;
  Application().Title = "Setup";
  auto* data = new TData(&Application());
  StartLanguages(*data);
  InstallDialogWindows();
  if (argc >= 4) {
    std::string keys = argv[2];
    for (size_t start = 0, end; start <= keys.size(); start = end + 1) {
      end = std::min(keys.find(',', start), keys.size());
      keys_to_press.push_back(keys.substr(start, end - start));
    }
    SetTimer(nullptr, 0, static_cast<UINT>(std::stoi(argv[3])), PressKey);
  }

  const int box = std::stoi(argv[1]);
  int result = 0;
  if (box >= 0 && box <= 5) {
    const auto frame = static_cast<TXButtonFrame>(box);
    result = ShowMessageBox("The folder C:\\Program Files\\Hello already holds an installation. Continue?",
                            box == 0 ? "" : "Hello Setup", IconQuestion, frame, box == 5 ? mrOverwrite : mrOK);
  } else if (box == 6) {
    bool checked = false;
    result = ShowMessageBoxCheck("Please read the licence agreement before you go on.", "Licence", "", checked,
                                 TXButtonFrame::TXCmdOKCancel, mrOK, mrCancel, IconInformation);
    std::printf("checked: %d\n", checked ? 1 : 0);
  } else if (box == 7) {
    std::string text;
    for (int i = 0; i < 12; ++i) text += "The file cannot be written because another program is using it. ";
    result = ShowMessageBox(text, "Error", IconError, TXButtonFrame::TXCmdResumeExitSetup, mrOK);
  } else if (box == 8) {
    std::string name = "readme.txt";
    result = InputBox("Rename file", "New name of the file:", name) ? mrOK : mrCancel;
    std::printf("name: %s\n", name.c_str());
  } else if (box == 9) {
    result = ShowMessageBox("Replace the existing file?", "Replace file", IconWarning,
                            TXButtonFrame::TXCmdRenameOverwriteCancel, mrCancel);
  } else if (box == 10) {
    LoadWordsFile(std::getenv("XS_WORDS_FILE"));
    result = ShowMessageBox("The installation was interrupted.", "Hello Setup", IconWarning,
                            TXButtonFrame::TXCmdResumeExitSetup, mrOK);
  } else if (box == 11) {
    SetTimer(nullptr, 0, 100, SwitchWhenAsked);
    bool checked = false;
    result = ShowMessageBoxCheck("The folder already holds an installation. Continue?", "", "", checked,
                                 TXButtonFrame::TXCmdYesNo, mrYes, mrNo, IconQuestion);
  }
  std::printf("result: %d\n", result);
  Application().DestroyComponents();
  return result;
}
