// Shell links of the emulation: small text files (format in shell_link.h),
// and file classes looked up in the emulated registry.
#include "platform/shell_link.h"

#include <cerrno>
#include <sstream>

#include "base/convert.h"
#include "platform/posix/atomic_file.h"
#include "platform/posix/escape.h"
#include "platform/posix/native_path.h"
#include "platform/registry.h"
#include "platform/system_error.h"

namespace xs {

namespace {
const char kHeader[] = "[XSetupShellLink]";

// "{8-4-4-4-12}" hex digits, upper-cased as the system writes class ids.
std::string NormalClassId(const std::string& text) {
  static const size_t kGroups[] = {8, 4, 4, 4, 12};
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return {};
  std::string out = "{";
  size_t pos = 1;
  for (size_t g = 0; g < 5; ++g) {
    for (size_t i = 0; i < kGroups[g]; ++i, ++pos) {
      char c = text[pos];
      if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
      if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return {};
      out += c;
    }
    if (g < 4) {
      if (text[pos++] != '-') return {};
      out += '-';
    }
  }
  return out + "}";
}
}  // namespace

bool WriteShellLink(const std::string& link_file, const TShellLink& link) {
  std::ostringstream out;
  out << kHeader << '\n'
      << "Target=" << EscapeField(link.Target) << '\n'
      << "Arguments=" << EscapeField(link.Arguments) << '\n'
      << "WorkingFolder=" << EscapeField(link.WorkingFolder) << '\n'
      << "Description=" << EscapeField(link.Description) << '\n'
      << "IconFile=" << EscapeField(link.IconFile) << '\n'
      << "IconIndex=" << link.IconIndex << '\n'
      << "ShowCommand=" << link.ShowCommand << '\n';
  return WriteFileAtomically(NativePath(link_file), out.str());
}

std::optional<TShellLink> ReadShellLink(const std::string& link_file) {
  std::optional<std::string> text = ReadWholeFile(NativePath(link_file));
  if (!text) return std::nullopt;
  std::istringstream in(*text);
  std::string line;
  TShellLink link;
  bool valid = std::getline(in, line) && line == kHeader;
  while (valid && std::getline(in, line)) {
    size_t eq = line.find('=');
    std::optional<std::string> value;
    if (eq != std::string::npos) value = UnescapeField(line.substr(eq + 1));
    std::string name = line.substr(0, eq);
    if (!value) {
      valid = false;
    } else if (name == "Target") {
      link.Target = *value;
    } else if (name == "Arguments") {
      link.Arguments = *value;
    } else if (name == "WorkingFolder") {
      link.WorkingFolder = *value;
    } else if (name == "Description") {
      link.Description = *value;
    } else if (name == "IconFile") {
      link.IconFile = *value;
    } else if (name == "IconIndex" || name == "ShowCommand") {
      std::optional<int32_t> number = TryStrToInt(*value);
      valid = number.has_value();
      (name == "IconIndex" ? link.IconIndex : link.ShowCommand) = number.value_or(0);
    }
  }
  if (!valid) {
    SetLastSystemError(EIO);
    return std::nullopt;
  }
  SetLastSystemError(0);
  return link;
}

std::string FileClassId(const std::string& file_name) {
  size_t dot = file_name.rfind('.');
  if (dot == std::string::npos || dot + 1 == file_name.size() ||
      file_name.find_first_of("\\/", dot) != std::string::npos) {
    SetLastSystemError(kErrInvalidParameter);
    return {};
  }
  TXRegistry classes(kHKeyClassesRoot);
  std::optional<std::string> class_name;
  if (classes.OpenKeyReadOnly(file_name.substr(dot))) class_name = classes.ReadString("");
  if (!class_name || class_name->empty()) {
    SetLastSystemError(kErrFileNotFound);
    return {};
  }
  std::optional<std::string> id;
  if (classes.OpenKeyReadOnly(*class_name + "\\CLSID")) id = classes.ReadString("");
  std::string normal = id ? NormalClassId(*id) : std::string();
  SetLastSystemError(normal.empty() ? kErrFileNotFound : 0);
  return normal;
}

}  // namespace xs
