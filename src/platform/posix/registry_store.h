// The emulated registry's content and the file that holds it.
//
// File format: text, "\n" after every line.
//   XSetupRegistry 1                 the first line
//   K <root> :<path>                 a key; <root> is HKCU, HKLM, HKU or HKCC;
//                                    <path> its names joined by "\" (empty
//                                    for the root itself)
//   V <type> :<name> :<data>         a value of the key of the last K line;
//                                    <type> in decimal, <data> in hex digits
// Text after ":" is escaped (escape.h), so fields hold no blanks. Parents
// come before their subkeys. Any other line makes the file unreadable, and
// an unreadable file is reported, never rewritten.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace xs {

struct TRegStoreValue {
  std::string Name;
  uint32_t Type = 0;
  std::string Data;
};

struct TRegStoreKey {
  std::string Name;                              // as created
  std::vector<TRegStoreValue> Values;            // in creation order
  std::map<std::string, TRegStoreKey> Subkeys;   // by AnsiUpperCase of the name

  // The value of that name in any case, or nullptr.
  TRegStoreValue* FindValue(const std::string& name);
};

class TRegStore {
 public:
  // On success the store holds the file's keys (none when the file does not
  // exist). On failure (unreadable or malformed file) returns false with the
  // error number set (EIO for a malformed file).
  bool Load(const std::string& file);
  // On success the file holds the store, replaced atomically. On failure
  // returns false and the file is unchanged.
  bool Save(const std::string& file) const;

  // The key at path below root (HKEY_CLASSES_ROOT standing for
  // HKEY_LOCAL_MACHINE\Software\Classes), made with its parents when create
  // is set. On failure returns nullptr with the error number: EBADF for an
  // unknown root, EINVAL for an empty name inside the path, ENOENT for a
  // missing key.
  TRegStoreKey* Find(uint32_t root, const std::string& path, bool create);
  // On success the key below root and everything under it is gone. On
  // failure (a missing key, the root itself) returns false.
  bool Delete(uint32_t root, const std::string& path);

 private:
  std::map<std::string, TRegStoreKey> roots_;  // by root name
};

}  // namespace xs
