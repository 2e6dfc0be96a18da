// The user-interface thread's message loop and its window timers.
//
// Timers are periodic, like window timers: a callback runs every interval
// until the timer is killed. Callbacks run only from inside RunMessageLoop
// or ProcessMessages, on the calling thread. A callback may kill its own
// timer, or any other, and may start new ones.
#pragma once

#include <cstdint>
#include <functional>

namespace xs {

using TimerId = uintptr_t;

// On success returns a non-zero id. On failure returns 0.
TimerId StartWindowTimer(uint32_t interval_ms, std::function<void()> callback);
// Stops the timer; unknown ids are ignored.
void KillWindowTimer(TimerId id);

// Dispatches messages and timers until QuitMessageLoop is called.
void RunMessageLoop();
// Makes RunMessageLoop return after the current message.
void QuitMessageLoop();
// Dispatches what is pending now, without waiting; returns false when a quit
// was asked for.
bool ProcessMessages();

}  // namespace xs
