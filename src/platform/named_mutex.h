// Named mutexes: how running programs announce themselves.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

// True when a mutex of that name exists in the session: it can be opened
// for waiting (the handle is closed at once). Names are case-sensitive.
bool NamedMutexExists(const std::string& name);

// Owns one named mutex for its lifetime, so that NamedMutexExists (in this
// process and in others) finds the name. The POSIX emulation holds a lock
// on a file of the emulated machine (emulation.h).
class TNamedMutex {
 public:
  TNamedMutex() = default;
  ~TNamedMutex();
  TNamedMutex(const TNamedMutex&) = delete;
  TNamedMutex& operator=(const TNamedMutex&) = delete;

  // On success the named mutex exists (made here, or opened when another
  // process had made it) and true is returned. On failure (an invalid name,
  // a second Create on one object) returns false with the error number set.
  bool Create(const std::string& name);

 private:
  intptr_t handle_ = -1;  // Windows: the mutex handle; POSIX: the lock file
};

}  // namespace xs
