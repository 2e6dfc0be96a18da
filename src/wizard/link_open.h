// Opening the links of the readme and licence texts: through the shell,
// else through the program registered for the link's protocol.
#pragma once

#include <string>

#include "wizard/wizard_engine.h"

namespace xs {

// Opens a web link. When neither way opens it and report is set, the user
// is told. Returns whether it was opened.
bool OpenWebLink(TXWizardEngine& engine, const std::string& link, bool report);
// Opens a mail link, with "mailto:" put in front when it lacks it (in any
// case); otherwise as OpenWebLink.
bool OpenMailLink(TXWizardEngine& engine, const std::string& link, bool report);

}  // namespace xs
