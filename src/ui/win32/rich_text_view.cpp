#include "ui/win32/rich_text_view.h"

#include <richedit.h>

#include "platform/win32/system_library.h"
#include "ui/rich_text.h"
#include "ui/win32/window_class.h"

namespace xs {

namespace {

// The control's class, from the newest library the system has. Neither
// library is a KnownDLL: both are loaded from System32 by full path.
const char* RichEditClass() {
  static const char* const name = []() -> const char* {
    if (LoadSystemLibrary("msftedit.dll")) return "RICHEDIT50W";
    if (LoadSystemLibrary("riched20.dll")) return RICHEDIT_CLASSA;
    return nullptr;
  }();
  return name;
}

struct StreamSource {
  const std::string* text;
  size_t done;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const size_t left = source->text->size() - source->done;
  const size_t count = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
  memcpy(buffer, source->text->data() + source->done, count);
  source->done += count;
  *given = static_cast<LONG>(count);
  return 0;
}

}  // namespace

bool TXRichTextView::Create(HWND parent, const TXRect& rect, int id, HFONT font) {
  const char* class_name = RichEditClass();
  if (!class_name) return false;
  wnd_ = CreateChild(parent, WS_EX_CLIENTEDGE, class_name, "",
                     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, rect, id, font);
  if (!wnd_) return false;
  SendMessageA(wnd_, EM_AUTOURLDETECT, TRUE, 0);
  SendMessageA(wnd_, EM_SETEVENTMASK, 0, ENM_LINK);
  return true;
}

void TXRichTextView::SetText(const std::string& text) {
  if (text.empty()) {
    SetWindowTextA(wnd_, "");
    return;
  }
  StreamSource source{&text, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadSource;
  SendMessageA(wnd_, EM_STREAMIN, IsRichText(text) ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  SendMessageA(wnd_, EM_SETSEL, 0, 0);
  SendMessageA(wnd_, EM_SCROLLCARET, 0, 0);
}

bool TXRichTextView::Notify(const NMHDR& header) {
  if (header.hwndFrom != wnd_ || !wnd_) return false;
  if (header.code != EN_LINK) return true;
  const auto& link = reinterpret_cast<const ENLINK&>(header);
  if (link.msg != WM_LBUTTONUP || !OnLink) return true;
  std::string text(static_cast<size_t>(link.chrg.cpMax - link.chrg.cpMin) + 1, '\0');
  TEXTRANGEA range{link.chrg, text.data()};
  text.resize(static_cast<size_t>(SendMessageA(wnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
  OnLink(text);
  return true;
}

}  // namespace xs
