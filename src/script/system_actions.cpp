#include "script/system_actions.h"

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "platform/profile.h"
#include "platform/window_messages.h"
#include "ui/application.h"

namespace xs {
namespace {

std::optional<std::string> NoneWhenEmpty(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

std::vector<std::string> SectionLines(const std::string& value) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : value) {
    if (c == '\r' || c == '\n' || c == '\0') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void Deliver(WindowHandle wnd, uint32_t msg, TXUIMessageOptions options, uint32_t timeout_ms,
             int32_t wparam, int32_t lparam) {
  // The script's parameters are signed 32-bit; wParam widens as the system
  // widens a signed value passed for it.
  auto w = static_cast<uintptr_t>(static_cast<intptr_t>(wparam));
  switch (options) {
    case optmSend: SendWindowMessage(wnd, msg, w, lparam); break;
    case optmSendTimeout: SendWindowMessageTimeout(wnd, msg, w, lparam, timeout_ms, nullptr); break;
    case optmPost: PostWindowMessage(wnd, msg, w, lparam); break;
  }
}

}  // namespace

bool WriteProfile(TXUISysProfileType profile_type, const std::string& section,
                  const std::string& key_name, const std::string& file_name,
                  const std::string& value) {
  bool is_private = profile_type == optPrivateProfileSection || profile_type == optPrivateProfileString;
  bool is_section = profile_type == optProfileSection || profile_type == optPrivateProfileSection;
  if (section.empty() || (is_section && value.empty()) || (is_private && file_name.empty()))
    return false;
  // The system profile is the file with the empty name.
  std::string file = is_private ? file_name : std::string();
  if (is_section) return WriteIniSection(file, section, SectionLines(value));
  return WriteIniString(file, section, NoneWhenEmpty(key_name), NoneWhenEmpty(value));
}

bool SendToWindows(const std::string& wnd_class, const std::string& wnd_title, uint32_t msg,
                   TXUIMessageOptions options, uint32_t timeout_ms, int32_t wparam,
                   int32_t lparam, bool broadcast) {
  if (msg == 0) return false;
  if (broadcast) {
    Deliver(kBroadcastWindow, msg, options, timeout_ms, wparam, lparam);
    return true;
  }
  for (const TTopLevelWindow& window : EnumTopLevelWindows()) {
    if (window.Handle == Application().Handle) continue;
    if (!wnd_class.empty() && wnd_class != window.ClassName) continue;
    if (!wnd_title.empty() && wnd_title != window.Caption) continue;
    Deliver(window.Handle, msg, options, timeout_ms, wparam, lparam);
    // Gives the receiver time to act before the next window is asked.
    if (options != optmPost) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

}  // namespace xs
