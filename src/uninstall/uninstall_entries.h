// The uninstall entries in the system's list of installed programs: one key
// per installation under kUninstallKey, named by the application's LogTitle
// or LogTitle_iN, whose "UninstallString" runs the uninstall program with
// "/file:" and the undo log in double quotes.
#pragma once

#include <cstdint>
#include <string>

#include "base/string_list.h"

namespace xs {

inline constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The names of the entries under root, sorted without regard to letter
// case; empty when the key cannot be read.
TStringList UninstallEntryNames(uint32_t root);
// The entries among names that may belong to log_title: log_title itself
// and the names that begin with log_title followed by "_i", both in any
// letter case; in the order of names.
TStringList EntryCandidates(const TStringList& names, const std::string& log_title);
// The entry's value read as a string; empty when the entry or the value is
// missing or cannot be read.
std::string EntryValue(uint32_t root, const std::string& entry, const std::string& value);
// The undo log an "UninstallString" names: the text after the first
// "/file:" and a double quote up to the next double quote (exact case);
// empty when either is missing.
std::string UninstallLogFile(const std::string& uninstall_string);

}  // namespace xs
