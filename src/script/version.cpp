#include "script/version.h"

#include <optional>

#include "base/text.h"
#include "platform/file_version.h"

namespace xs {

namespace {
uint32_t FieldValue(const std::string& field) {
  std::string digits = Trim(field);
  if (digits.empty()) return 0;
  uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > UINT32_MAX) return 0;
  }
  return static_cast<uint32_t>(value);
}

template <typename T>
int Order(T a, T b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

// The base rule of IsNewerVersion.
bool NewerByReleaseAndBuild(const xVersion& d, const xVersion& s) {
  if (!xVersion::SameMajorMinor(s, d)) return xVersion::CompareMajorMinor(s, d) > 0;
  return s.Release > d.Release ? s.Build >= d.Build : s.Build > d.Build;
}
}  // namespace

xVersion xVersion::FromFile(const std::string& file_name) {
  std::optional<TPeFileVersion> v = ReadFileVersion(file_name);
  if (!v) return {};
  return {v->Major, v->Minor, v->Release, v->Build};
}

xVersion xVersion::Parse(const std::string& text) {
  uint32_t fields[4] = {};
  size_t start = 0;
  for (uint32_t& field : fields) {
    if (start > text.size()) break;
    size_t dot = text.find('.', start);
    if (dot == std::string::npos) dot = text.size();
    field = FieldValue(text.substr(start, dot - start));
    start = dot + 1;
  }
  return {fields[0], fields[1], fields[2], fields[3]};
}

std::string xVersion::ToText() const {
  return std::to_string(Major) + "." + std::to_string(Minor) + "." + std::to_string(Release) + "." +
         std::to_string(Build);
}

int xVersion::Compare(const xVersion& a, const xVersion& b) {
  if (int o = Order(a.Build, b.Build)) return o;
  if (int o = CompareMajorMinor(a, b)) return o;
  return Order(a.Release, b.Release);
}

int xVersion::CompareMajorMinor(const xVersion& a, const xVersion& b) {
  if (int o = Order(a.Major, b.Major)) return o;
  return Order(a.Minor, b.Minor);
}

bool IsNewerVersion(const xVersion& d, const xVersion& p, const xVersion& s) {
  if (p.IsEmpty() || xVersion::Compare(d, p) <= 0) return NewerByReleaseAndBuild(d, s);
  if (d.Release == s.Release) return xVersion::Compare(s, d) >= 0;
  return s.Release > d.Release;
}

}  // namespace xs
