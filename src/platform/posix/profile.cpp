// Profile files of the emulation: real INI files, edited line by line so
// that lines a write does not touch keep their bytes (a line's CR stays
// part of its text). New lines end with CR LF, as the system writes them;
// rewrites are atomic.
#include "platform/profile.h"

#include <cerrno>

#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/posix/atomic_file.h"
#include "platform/posix/emulated_machine.h"
#include "platform/posix/native_path.h"
#include "platform/system_error.h"

namespace xs {

namespace {
std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return {};
  size_t end = text.find_last_not_of(" \t\r");
  return text.substr(begin, end - begin + 1);
}

std::string FilePath(const std::string& file_name) {
  if (file_name.empty()) return MachinePath("Windows", true) + "/win.ini";
  if (file_name.find_first_of("\\/") == std::string::npos) return MachinePath("Windows", true) + "/" + file_name;
  return NativePath(file_name);
}

// A new line's text: it ends with CR LF once written.
std::string NewLine(const std::string& text) { return text + "\r"; }

// The lines of one file, each without its "\n".
struct IniLines {
  std::vector<std::string> lines;

  static IniLines Parse(const std::string& text) {
    IniLines ini;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string::npos) end = text.size();
      ini.lines.push_back(text.substr(pos, end - pos));
      pos = end + 1;
    }
    return ini;
  }

  std::string Text() const {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
  }

  // The upper-cased name of a "[name]" line; nullopt for other lines.
  static std::optional<std::string> SectionName(const std::string& line) {
    std::string t = Trim(line);
    size_t close = t.rfind(']');
    if (t.empty() || t[0] != '[' || close == std::string::npos) return std::nullopt;
    return AnsiUpperCase(Trim(t.substr(1, close - 1)));
  }

  // The upper-cased key of a "key=value" line; empty for comments and blanks.
  static std::string KeyName(const std::string& line) {
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';') return {};
    return AnsiUpperCase(Trim(t.substr(0, t.find('='))));
  }

  // [header, end) of the first section of that name; header npos if none.
  std::pair<size_t, size_t> Find(const std::string& section) const {
    std::string wanted = AnsiUpperCase(Trim(section));
    size_t header = std::string::npos;
    for (size_t i = 0; i < lines.size(); ++i) {
      std::optional<std::string> name = SectionName(lines[i]);
      if (!name) continue;
      if (header != std::string::npos) return {header, i};
      if (*name == wanted) header = i;
    }
    return {header, lines.size()};
  }

  // The line of key in [begin, end); npos if none.
  size_t FindKey(size_t begin, size_t end, const std::string& key) const {
    std::string wanted = AnsiUpperCase(Trim(key));
    for (size_t i = begin; i < end; ++i)
      if (!wanted.empty() && KeyName(lines[i]) == wanted) return i;
    return std::string::npos;
  }

  // Where a new line of a section goes: after its last non-blank line.
  size_t AppendPosition(size_t header, size_t end) const {
    size_t at = end;
    while (at > header + 1 && Trim(lines[at - 1]).empty()) --at;
    return at;
  }
};

// Loads the file (a missing file is empty), applies change and writes the
// result back when it differs.
template <typename Change>
bool Edit(const std::string& file_name, Change change) {
  std::string path = FilePath(file_name);
  // One lock for every profile: a lock file beside the profile would be a
  // trace of its own.
  ForceFolders(EmulationRoot());
  TFileLock lock(MachinePath("profiles.lock", false));
  if (!lock.Locked()) return false;
  std::optional<std::string> text = ReadWholeFile(path);
  if (!text && LastSystemError() != ENOENT) return false;
  IniLines ini = IniLines::Parse(text.value_or(""));
  const std::vector<std::string> before = ini.lines;
  change(ini);
  if (ini.lines == before) {
    SetLastSystemError(0);
    return true;
  }
  return WriteFileAtomically(path, ini.Text());
}
}  // namespace

bool WriteIniString(const std::string& file_name, const std::string& section,
                    const std::optional<std::string>& key, const std::optional<std::string>& value) {
  return Edit(file_name, [&](IniLines& ini) {
    auto [header, end] = ini.Find(section);
    if (!key) {
      if (header != std::string::npos)
        ini.lines.erase(ini.lines.begin() + static_cast<ptrdiff_t>(header), ini.lines.begin() + static_cast<ptrdiff_t>(end));
      return;
    }
    size_t line = header == std::string::npos ? std::string::npos : ini.FindKey(header + 1, end, *key);
    if (!value) {
      if (line != std::string::npos) ini.lines.erase(ini.lines.begin() + static_cast<ptrdiff_t>(line));
      return;
    }
    if (line != std::string::npos) {
      std::string& old = ini.lines[line];
      size_t eq = old.find('=');
      std::string updated = (eq == std::string::npos ? Trim(old) : old.substr(0, eq)) + "=" + *value;
      old = !old.empty() && old.back() == '\r' ? NewLine(updated) : updated;
    } else if (header == std::string::npos) {
      ini.lines.push_back(NewLine("[" + section + "]"));
      ini.lines.push_back(NewLine(*key + "=" + *value));
    } else {
      auto at = ini.lines.begin() + static_cast<ptrdiff_t>(ini.AppendPosition(header, end));
      ini.lines.insert(at, NewLine(*key + "=" + *value));
    }
  });
}

bool WriteIniSection(const std::string& file_name, const std::string& section,
                     const std::vector<std::string>& lines) {
  return Edit(file_name, [&](IniLines& ini) {
    std::vector<std::string> body;
    for (const std::string& line : lines)
      if (!line.empty()) body.push_back(NewLine(line));
    auto [header, end] = ini.Find(section);
    if (header == std::string::npos) {
      ini.lines.push_back(NewLine("[" + section + "]"));
      ini.lines.insert(ini.lines.end(), body.begin(), body.end());
      return;
    }
    size_t keep = ini.AppendPosition(header, end);  // blank lines before the next section stay
    ini.lines.erase(ini.lines.begin() + static_cast<ptrdiff_t>(header + 1), ini.lines.begin() + static_cast<ptrdiff_t>(keep));
    ini.lines.insert(ini.lines.begin() + static_cast<ptrdiff_t>(header + 1), body.begin(), body.end());
  });
}

std::string ReadIniString(const std::string& file_name, const std::string& section, const std::string& key,
                          const std::string& default_value) {
  std::optional<std::string> text = ReadWholeFile(FilePath(file_name));
  SetLastSystemError(0);
  if (!text) return default_value;
  IniLines ini = IniLines::Parse(*text);
  auto [header, end] = ini.Find(section);
  size_t line = header == std::string::npos ? std::string::npos : ini.FindKey(header + 1, end, key);
  if (line == std::string::npos) return default_value;
  size_t eq = ini.lines[line].find('=');
  std::string value = eq == std::string::npos ? std::string() : Trim(ini.lines[line].substr(eq + 1));
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    value = value.substr(1, value.size() - 1 - 1);
  return value;
}

}  // namespace xs
