// A single-threaded stand-in for the window timers of the user-interface
// thread: the loop sleeps until the next timer is due and runs it.
#include "platform/message_loop.h"

#include <chrono>
#include <map>
#include <thread>

namespace xs {

namespace {
using Clock = std::chrono::steady_clock;

struct Timer {
  std::chrono::milliseconds interval;
  Clock::time_point due;
  std::function<void()> callback;
};

struct LoopState {
  std::map<TimerId, Timer> timers;
  TimerId next_id = 1;
  bool quit = false;
};

LoopState& State() {
  static LoopState& state = *new LoopState;  // outlives every timer owner
  return state;
}

// Runs the earliest timer that is due by `now`; false when none is.
bool FireDue(Clock::time_point now) {
  auto& timers = State().timers;
  auto earliest = timers.end();
  for (auto it = timers.begin(); it != timers.end(); ++it)
    if (it->second.due <= now && (earliest == timers.end() || it->second.due < earliest->second.due))
      earliest = it;
  if (earliest == timers.end()) return false;
  earliest->second.due = now + earliest->second.interval;
  // The callback may kill its own timer; run a copy.
  std::function<void()> callback = earliest->second.callback;
  callback();
  return true;
}
}  // namespace

TimerId StartWindowTimer(uint32_t interval_ms, std::function<void()> callback) {
  if (!callback) return 0;
  LoopState& s = State();
  TimerId id = s.next_id++;
  auto interval = std::chrono::milliseconds(interval_ms ? interval_ms : 1);
  s.timers[id] = Timer{interval, Clock::now() + interval, std::move(callback)};
  return id;
}

void KillWindowTimer(TimerId id) { State().timers.erase(id); }

void RunMessageLoop() {
  LoopState& s = State();
  while (!s.quit) {
    if (s.timers.empty()) break;  // nothing could ever wake us
    Clock::time_point next = Clock::time_point::max();
    for (auto& [id, t] : s.timers) next = std::min(next, t.due);
    std::this_thread::sleep_until(next);
    FireDue(Clock::now());
  }
  s.quit = false;
}

void QuitMessageLoop() { State().quit = true; }

bool ProcessMessages() {
  Clock::time_point now = Clock::now();
  while (!State().quit && FireDue(now)) {
  }
  return !State().quit;
}

}  // namespace xs
