#include "lang/language_events.h"

#include <cstdint>
#include <vector>

namespace xs {
namespace {

struct TXMethodObject {
  uint64_t serial;  // identifies this subscription, even after a re-subscribe
  TXLanguageProc proc;
  TComponent* component;
};

struct Subscribers {
  std::vector<TXMethodObject> list;
  uint64_t next_serial = 1;
  bool update_lock = false;
};

Subscribers& State() {
  static Subscribers state;
  return state;
}

bool IsSubscribed(uint64_t serial) {
  for (const auto& entry : State().list)
    if (entry.serial == serial) return true;
  return false;
}

void CallSwallowing(const TXMethodObject& entry) {
  try {
    entry.proc(entry.component);
  } catch (...) {
    // A window that cannot apply its texts must not keep the others from it.
  }
}

}  // namespace

void AddLanguageListener(TXLanguageProc proc, TComponent* component) {
  Subscribers& state = State();
  TXMethodObject entry{state.next_serial++, proc, component};
  state.list.push_back(entry);
  if (!state.update_lock) CallSwallowing(entry);
}

void RemoveLanguageListener(TXLanguageProc proc, TComponent* component) {
  auto& list = State().list;
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->proc == proc && it->component == component) {
      list.erase(it);
      return;
    }
  }
}

void NotifyLanguageChanged() {
  if (State().update_lock) return;
  const std::vector<TXMethodObject> snapshot = State().list;
  for (const auto& entry : snapshot)
    if (IsSubscribed(entry.serial)) CallSwallowing(entry);
}

void BeginLanguageUpdate() { State().update_lock = true; }

void EndLanguageUpdate(bool fire) {
  State().update_lock = false;
  if (fire) NotifyLanguageChanged();
}

bool LanguageUpdateLocked() { return State().update_lock; }

}  // namespace xs
