// What the profile and message items do: profile (INI) entries written
// through the system's profile rules, and messages sent or posted to
// top-level windows. Neither records on the error object.
#pragma once

#include <cstdint>
#include <string>

#include "script/item_types.h"

namespace xs {

// Writes to the system profile (win.ini; the two plain kinds) or to
// file_name (the two private kinds). An empty key_name or value stands for
// none, which for the string kinds deletes the key (no key: the section).
//   optProfileSection          needs section, value; the section's lines
//                              become the lines of value
//   optProfileString           needs section; key_name = value
//   optPrivateProfileSection   needs section, value, file_name
//   optPrivateProfileString    needs section, file_name
// The section kinds take value as "key=value" lines, separated by line
// breaks or zero bytes. Returns false without writing when a needed text is
// empty; otherwise whether the system wrote the profile.
bool WriteProfile(TXUISysProfileType profile_type, const std::string& section,
                  const std::string& key_name, const std::string& file_name,
                  const std::string& value);

// Delivers message msg with wparam and lparam. With broadcast, to every
// top-level window at once. Otherwise to each top-level window, in the
// system's order, whose class name is wnd_class and whose caption is
// wnd_title (an empty one matches every window; the comparison is exact),
// passing over the program's own application window, with a pause of 100 ms
// after each send. optmSend sends and waits, optmSendTimeout waits at most
// timeout_ms, optmPost posts. Returns false only when msg is 0 (nothing is
// delivered); true also when no window matched or a window did not answer.
bool SendToWindows(const std::string& wnd_class, const std::string& wnd_title, uint32_t msg,
                   TXUIMessageOptions options, uint32_t timeout_ms, int32_t wparam,
                   int32_t lparam, bool broadcast);

}  // namespace xs
