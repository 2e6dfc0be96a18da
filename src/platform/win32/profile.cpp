#include "platform/profile.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

namespace {
const char* OrNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

bool Check(BOOL ok) {
  SetLastSystemError(ok ? 0 : static_cast<int>(GetLastError()));
  return ok != FALSE;
}
}  // namespace

bool WriteIniString(const std::string& file_name, const std::string& section,
                    const std::optional<std::string>& key, const std::optional<std::string>& value) {
  const char* v = key ? OrNull(value) : nullptr;
  if (file_name.empty()) return Check(WriteProfileStringA(section.c_str(), OrNull(key), v));
  return Check(WritePrivateProfileStringA(section.c_str(), OrNull(key), v, file_name.c_str()));
}

bool WriteIniSection(const std::string& file_name, const std::string& section,
                     const std::vector<std::string>& lines) {
  std::string block;
  for (const std::string& line : lines)
    if (!line.empty()) block += line + '\0';
  block += '\0';
  if (file_name.empty()) return Check(WriteProfileSectionA(section.c_str(), block.data()));
  return Check(WritePrivateProfileSectionA(section.c_str(), block.data(), file_name.c_str()));
}

std::string ReadIniString(const std::string& file_name, const std::string& section, const std::string& key,
                          const std::string& default_value) {
  std::string buffer(32768, '\0');
  DWORD n = file_name.empty()
                ? GetProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer.data(),
                                    static_cast<DWORD>(buffer.size()))
                : GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), file_name.c_str());
  SetLastSystemError(0);
  buffer.resize(n);
  return buffer;
}

}  // namespace xs
