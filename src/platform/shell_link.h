// Shell links (shortcut files) and the file classes the shell knows.
#pragma once

#include <optional>
#include <string>

namespace xs {

// Show commands a link may ask for (the system's values).
enum : int { swShowNormal = 1, swShowMaximized = 3, swShowMinNoActive = 7 };

struct TShellLink {
  std::string Target;
  std::string Arguments;
  std::string WorkingFolder;  // empty: none set
  std::string Description;
  std::string IconFile;       // empty: no icon set
  int IconIndex = 0;
  int ShowCommand = swShowNormal;
};

// On success the file link_file holds a shell link with every field of link
// (Windows: through the shell's link object, saved as remembered). The
// folder must exist. On failure returns false with the error number set
// (for a failing shell call, its result's Win32 code, or the result itself).
// The POSIX emulation writes a small text file of "Name=value" lines under
// the header "[XSetupShellLink]", values escaped as in posix/escape.h.
bool WriteShellLink(const std::string& link_file, const TShellLink& link);

// On success returns the link's fields as the shell reads them back (the
// target as the shell resolves it). On failure returns nullopt.
std::optional<TShellLink> ReadShellLink(const std::string& link_file);

// The class id of a file, in braces ("{...}"), as the system derives it:
// from a compound file's own record, else from the extension's class under
// HKEY_CLASSES_ROOT (".ext" default value, then that class's "CLSID" key).
// Empty when the system knows none; the error number tells why.
std::string FileClassId(const std::string& file_name);

}  // namespace xs
