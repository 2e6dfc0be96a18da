#include "platform/codepage.h"

#include <windows.h>

namespace xs {

size_t CharLength(const std::string& text, size_t pos) {
  if (pos + 1 < text.size() && IsDBCSLeadByte(static_cast<BYTE>(text[pos]))) return 2;
  return 1;
}

std::string AnsiUpperCase(const std::string& text) {
  std::string out = text;
  if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

}  // namespace xs
