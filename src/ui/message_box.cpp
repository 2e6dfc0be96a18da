#include "ui/message_box.h"

namespace xs {

namespace {
TXMessageBoxFunc& MessageBoxFunc() {
  static TXMessageBoxFunc func;
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

bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
  if (InputBoxFunc()) return InputBoxFunc()(caption, prompt, value);
  return false;
}

void SetMessageBoxFunc(TXMessageBoxFunc func) { MessageBoxFunc() = std::move(func); }
TXMessageBoxFunc MessageBoxFuncInUse() { return MessageBoxFunc(); }
void SetInputBoxFunc(TXInputBoxFunc func) { InputBoxFunc() = std::move(func); }

}  // namespace xs
