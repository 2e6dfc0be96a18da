// A single-threaded stand-in for the message loop of the user-interface
// thread: posted messages run first, then the loop sleeps until the next
// timer is due and runs it.
#include "platform/message_loop.h"

#include <chrono>
#include <deque>
#include <map>
#include <thread>

#include "platform/posix/window_table.h"

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
  std::deque<std::function<void()>> posted;
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

// Runs the posted tasks queued before the call; false when there were none.
bool RunPosted() {
  auto& posted = State().posted;
  size_t count = posted.size();
  for (size_t i = 0; i < count && !State().quit; ++i) {
    std::function<void()> task = std::move(posted.front());
    posted.pop_front();
    task();
  }
  return count > 0;
}
}  // namespace

void PostToMessageLoop(std::function<void()> task) { State().posted.push_back(std::move(task)); }

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
    if (RunPosted()) continue;
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
  RunPosted();
  Clock::time_point now = Clock::now();
  while (!State().quit && FireDue(now)) {
  }
  return !State().quit;
}

}  // namespace xs
