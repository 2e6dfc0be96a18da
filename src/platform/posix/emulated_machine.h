// The emulation's view of the machine, shared by its services.
#pragma once

#include <optional>
#include <string>

#include "platform/emulation.h"

namespace xs {

// root + "/" + relative, created with its parents when create is set.
std::string MachinePath(const std::string& relative, bool create);
// The logged-on user's name (from the password database, else $USER).
std::string EmulatedUserName();
// The host name, upper-cased and cut to 15 characters like a NetBIOS name.
std::string EmulatedComputerName();
// The emulated environment variable (see emulation.h); nullopt when undefined.
std::optional<std::string> EmulatedVariable(const std::string& name);

void RecordShellChange(const TShellChange& change);
void RecordSystemParameterChange(const TSystemParameterChange& change);
void RecordRestartDelete(const std::string& name);

}  // namespace xs
