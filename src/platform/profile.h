// Profile (INI) files, written with the system's rules.
//
// An empty file name stands for the system profile (win.ini); a name
// without a folder is a file in the Windows folder. Section and key names
// compare without regard to letter case and to surrounding blanks; lines
// the writes do not touch stay as they were. Every function sets the error
// number (system_error.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace xs {

// On success returns true and:
// - with key and value: the key of that section holds value (the section is
//   added at the end of the file and the key at the end of the section when
//   missing; an existing key keeps its place and spelling);
// - with value nullopt: the key is gone;
// - with key nullopt: the whole section is gone.
// Removing what does not exist succeeds. On failure (a missing folder, a
// read-only file) returns false; the file is unchanged.
bool WriteIniString(const std::string& file_name, const std::string& section,
                    const std::optional<std::string>& key, const std::optional<std::string>& value);

// On success the section holds exactly lines (each "key=value"; empty lines
// are left out, the system's format cannot hold them), replacing what it
// held; a missing section is added at the end. On failure returns false; the
// file is unchanged.
bool WriteIniSection(const std::string& file_name, const std::string& section,
                     const std::vector<std::string>& lines);

// The value of key in section without surrounding blanks and one pair of
// enclosing quotes; default_value when the file, section or key is missing.
std::string ReadIniString(const std::string& file_name, const std::string& section, const std::string& key,
                          const std::string& default_value);

}  // namespace xs
