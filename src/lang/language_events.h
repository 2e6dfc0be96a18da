// The language-change notification: open windows subscribe their
// text-applying operation and are called whenever the active language
// changes. While the language update lock is set (a language is being
// switched), notifications are deferred.
//
// Everything here belongs to the user-interface thread; nothing is locked.
#pragma once

#include "base/component.h"

namespace xs {

// A subscriber: a plain function called with the component it subscribed
// with (typically a window whose texts it re-applies).
using TXLanguageProc = void (*)(TComponent* component);

// Appends a subscriber and, unless the update lock is set, calls it at once,
// so that a window gets its texts as it subscribes. An exception from that
// call is swallowed, as in NotifyLanguageChanged: the subscription stays and
// the window gets its texts with the next change.
void AddLanguageListener(TXLanguageProc proc, TComponent* component);
// Removes the first subscriber with this procedure and this component.
void RemoveLanguageListener(TXLanguageProc proc, TComponent* component);

// Unless the update lock is set, calls every subscriber once, in order, over
// a copy of the list: a subscriber removed by an earlier one is skipped, one
// added meanwhile waits for the next notification. An exception from a
// subscriber is swallowed and the next one is called.
void NotifyLanguageChanged();

// Sets the update lock (a flag: it does not count nested calls).
void BeginLanguageUpdate();
// Clears the update lock and, when fire is set, notifies.
void EndLanguageUpdate(bool fire);
bool LanguageUpdateLocked();

}  // namespace xs
