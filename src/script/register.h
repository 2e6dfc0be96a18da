// Making the script classes findable by the class names that object texts
// carry: every item class, TXInstall and TXUndo.
#pragma once

namespace xs {

// Called at start-up by the programs (and by the tests that read scripts).
void RegisterScriptClasses();
// Called when the program ends.
void UnregisterScriptClasses();

}  // namespace xs
