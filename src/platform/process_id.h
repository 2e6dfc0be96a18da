// Processes known by their id: this one's, and the end of another one.
#pragma once

#include <cstdint>

namespace xs {

// The system's id of the running process.
uint32_t CurrentProcessId();

// Waits until the process with the id pid has ended, at most timeout_ms
// milliseconds. Returns true once it has ended, also when no process has
// that id (it ended before, or never was). Returns false when it still runs
// after timeout_ms, or when it cannot be watched (Windows: no right to
// open it), with the error number set. The POSIX emulation looks every
// 10 ms; a process that has ended but was not reaped by its parent counts
// as ended.
bool WaitForProcessEnd(uint32_t pid, uint32_t timeout_ms);

}  // namespace xs
