#include "ui/message_box.h"

namespace xs {

namespace {
TXMessageBoxFunc& MessageBoxFunc() {
  static TXMessageBoxFunc func;
  return func;
}
TXMessageBoxCheckFunc& MessageBoxCheckFunc() {
  static TXMessageBoxCheckFunc func;
  return func;
}
TXInputBoxFunc& InputBoxFunc() {
  static TXInputBoxFunc func;
  return func;
}
}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, int icon, TXButtonFrame frame,
                   int default_result) {
  if (MessageBoxFunc()) return MessageBoxFunc()(text, caption, icon, frame, default_result);
  return default_result;
}

int ShowMessageBoxCheck(const std::string& text, const std::string& caption, const std::string& check_text,
                        bool& checked, TXButtonFrame frame, int enabling_result, int default_result, int icon) {
  if (MessageBoxCheckFunc())
    return MessageBoxCheckFunc()(text, caption, check_text, checked, frame, enabling_result, default_result, icon);
  return default_result;
}

bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
  if (InputBoxFunc()) return InputBoxFunc()(caption, prompt, value);
  return false;
}

void SetMessageBoxFunc(TXMessageBoxFunc func) { MessageBoxFunc() = std::move(func); }
TXMessageBoxFunc MessageBoxFuncInUse() { return MessageBoxFunc(); }
void SetMessageBoxCheckFunc(TXMessageBoxCheckFunc func) { MessageBoxCheckFunc() = std::move(func); }
void SetInputBoxFunc(TXInputBoxFunc func) { InputBoxFunc() = std::move(func); }

}  // namespace xs
