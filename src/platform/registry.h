// The system registry: keys under predefined roots, holding typed values.
//
// Key paths are relative to the root, with "\" between names; a leading "\"
// is ignored. Key and value names compare without regard to letter case and
// keep the case they were created with. The empty value name is the key's
// default value. Every member sets the error number (system_error.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xs {

// The predefined roots, as the numbers scripts store in RootID.
enum : uint32_t {
  kHKeyClassesRoot = 0x80000000,
  kHKeyCurrentUser = 0x80000001,
  kHKeyLocalMachine = 0x80000002,
  kHKeyUsers = 0x80000003,
  kHKeyPerformanceData = 0x80000004,
  kHKeyCurrentConfig = 0x80000005,
  kHKeyDynData = 0x80000006,
};

// Value types, with the system's numbers.
enum class RegType : uint32_t {
  None = 0,
  String = 1,        // REG_SZ: text and a terminating zero
  ExpandString = 2,  // REG_EXPAND_SZ: the same, holding %VARIABLES%
  Binary = 3,
  Dword = 4,         // 32 bits, little-endian
  DwordBigEndian = 5,
  Link = 6,
  MultiString = 7,   // texts, each with a zero, and a final zero
  Qword = 11,        // 64 bits, little-endian
};

struct TRegValue {
  RegType Type = RegType::None;
  std::string Data;  // the stored bytes, exactly
};

// One open key at a time under a chosen root, with full access unless opened
// read-only. The POSIX emulation keeps the keys in a file of the emulated
// machine (emulation.h): every change is written through at once, so other
// processes see it, and a write that fails leaves the file as it was.
// HKEY_CLASSES_ROOT is emulated as HKEY_LOCAL_MACHINE\Software\Classes.
class TXRegistry {
 public:
  explicit TXRegistry(uint32_t root = kHKeyCurrentUser);
  ~TXRegistry();
  TXRegistry(const TXRegistry&) = delete;
  TXRegistry& operator=(const TXRegistry&) = delete;

  uint32_t RootKey() const { return root_; }
  // Closes the open key and selects another root.
  void SetRootKey(uint32_t root);

  // On success the key is the open key (made with its missing parents when
  // create is set) and true is returned. On failure the open key is closed
  // and false is returned: a missing key without create, an unknown root,
  // no right to write.
  bool OpenKey(const std::string& key, bool create);
  // As OpenKey without create, for reading only: changes through the key
  // fail with kErrAccessDenied.
  bool OpenKeyReadOnly(const std::string& key);
  // Closes the open key, if any.
  void CloseKey();
  bool HasOpenKey() const { return open_; }

  // Operations on keys below the root; they leave the open key alone.
  // True when the key exists and can be read.
  bool KeyExists(const std::string& key);
  // On success the key exists (made with its missing parents). On failure
  // returns false.
  bool CreateKey(const std::string& key);
  // On success the key, its subkeys and its values are gone. On failure
  // (a missing key, an empty name, which would be the root) returns false;
  // subkeys deleted before the failure stay deleted.
  bool DeleteKey(const std::string& key);

  // Operations on the open key; with no open key they fail with
  // kErrInvalidHandle.
  // On success returns the names of the subkeys / values, in the system's
  // order. On failure returns false and an empty list.
  bool GetKeyNames(std::vector<std::string>& names);
  bool GetValueNames(std::vector<std::string>& names);
  bool ValueExists(const std::string& name);
  // On success returns the value's type and bytes. On failure (a missing
  // value: kErrFileNotFound) returns nullopt.
  std::optional<TRegValue> ReadValue(const std::string& name);
  // On success the value holds exactly these bytes and this type, replacing
  // an earlier value of that name. On failure returns false.
  bool WriteValue(const std::string& name, RegType type, const std::string& data);
  // On success the value is gone. On failure (a missing value) returns false.
  bool DeleteValue(const std::string& name);

  // Typed writes: the encodings documented at RegType.
  bool WriteString(const std::string& name, const std::string& value);
  bool WriteExpandString(const std::string& name, const std::string& value);
  // Fails with kErrInvalidParameter when an entry is empty or holds a zero
  // byte: the stored form could not give it back.
  bool WriteMultiString(const std::string& name, const std::vector<std::string>& values);
  bool WriteInteger(const std::string& name, uint32_t value);
  bool WriteQword(const std::string& name, uint64_t value);
  bool WriteBinary(const std::string& name, const std::string& bytes);

  // Typed reads: nullopt when the value is missing or of another type
  // (kErrInvalidParameter then).
  // A String or ExpandString value up to its first zero byte, unexpanded.
  std::optional<std::string> ReadString(const std::string& name);
  std::optional<std::vector<std::string>> ReadMultiString(const std::string& name);
  // A Dword value (exactly 4 bytes).
  std::optional<uint32_t> ReadInteger(const std::string& name);
  // A Qword value (exactly 8 bytes).
  std::optional<uint64_t> ReadQword(const std::string& name);
  // The bytes of a Binary value.
  std::optional<std::string> ReadBinary(const std::string& name);

 private:
  std::optional<TRegValue> ReadTyped(const std::string& name, RegType a, RegType b);

  uint32_t root_;
  bool open_ = false;
  bool read_only_ = false;
  intptr_t handle_ = 0;   // Windows: the open key's handle
  std::string path_;      // the emulation: the open key's path below the root
};

}  // namespace xs
