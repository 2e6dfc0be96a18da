// Folders, names and facts of the machine the program runs on.
#pragma once

#include <optional>
#include <string>

namespace xs {

// The user's temporary folder, ending with a delimiter (the system looks at
// TMP, TEMP, USERPROFILE, then the Windows folder). Empty on failure.
std::string TempFolder();
// The Windows folder, without a trailing delimiter. Empty on failure.
std::string WindowsFolder();
// The system folder, without a trailing delimiter. Empty on failure.
std::string SystemFolder();
// The logged-on user's name (at most 255 characters). Empty on failure.
std::string LogonUserName();
// The computer's name (at most 15 characters). Empty on failure.
std::string ComputerName();

// On success returns the short (8.3) form of an existing path; systems
// without short names return the path itself. On failure (the path does not
// exist) returns an empty text and sets the error number.
std::string ShortPathName(const std::string& path);

// Replaces every "%NAME%" whose variable is defined (names in any case) by
// its value. An undefined "%NAME%" and a lone "%" stay as they are.
std::string ExpandEnvironment(const std::string& text);
// The variable's value; nullopt when it is not defined.
std::optional<std::string> EnvironmentVariable(const std::string& name);

// True on the NT platform from version 5.1 (Windows XP) on.
bool IsWinXPOrLater();

}  // namespace xs
