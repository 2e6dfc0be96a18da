// What the command line decides for an install run beyond the Parts every
// run has: the folders, the selection, and whether the run must start
// itself again with administrator rights.
#pragma once

#include <optional>
#include <string>

#include "base/settings.h"
#include "script/install.h"

namespace xs {

// The selection the wizard starts with: every application's AppIdx and
// every component (of any application) whose language is 0 or lg_id.
TXComponentSet DefaultSelection(const TXInstall& script, int32_t lg_id);

// A "/components:" list: decimal indexes 0 to 255 separated by commas
// (blanks around them allowed). nullopt for anything else, an empty list
// included.
std::optional<TXComponentSet> ParseComponentList(const std::string& text);

// Whether the run needs administrator rights it lacks: the script asks for
// them (optAdminRequired) or the run installs for all users (cdAllUsers).
// A copy already restarted for them ("/elevated") never asks again, so that
// a system that grants no rights cannot make the restarts go round.
bool NeedsElevation(const TXInstall& script, const TXRunSettings& settings, bool restarted);

// The parameters the elevated copy starts with: those of command_line (the
// program's own path, quoted or not, taken off) as they stand, then
// "/elevated".
std::string ElevatedParameters(const std::string& command_line);

}  // namespace xs
