#include "platform/registry.h"

#include <windows.h>

#include "platform/system_error.h"

namespace xs {

namespace {
// The predefined handles are the root numbers sign-extended to pointer size.
HKEY RootHandle(uint32_t root) {
  return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(root)));
}

bool KnownRoot(uint32_t root) { return root >= kHKeyClassesRoot && root <= kHKeyDynData; }

std::string Relative(const std::string& key) { return !key.empty() && key[0] == '\\' ? key.substr(1) : key; }

bool Check(LONG code) {
  SetLastSystemError(static_cast<int>(code));
  return code == ERROR_SUCCESS;
}

// Deletes key below parent with everything under it.
LONG DeleteTree(HKEY parent, const std::string& key) {
  HKEY h;
  LONG code = RegOpenKeyExA(parent, key.c_str(), 0, KEY_ALL_ACCESS, &h);
  if (code != ERROR_SUCCESS) return code;
  char name[256];
  for (;;) {
    // Always the first one: the list shrinks as we go.
    DWORD size = sizeof name;
    code = RegEnumKeyExA(h, 0, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (code == ERROR_NO_MORE_ITEMS) break;
    if (code == ERROR_SUCCESS) code = DeleteTree(h, name);
    if (code != ERROR_SUCCESS) {
      RegCloseKey(h);
      return code;
    }
  }
  RegCloseKey(h);
  return RegDeleteKeyA(parent, key.c_str());
}

template <typename Enum>
bool Enumerate(HKEY h, std::vector<std::string>& names, Enum call) {
  names.clear();
  std::string name(16384, '\0');  // the longest key or value name, and its zero
  for (DWORD i = 0;; ++i) {
    DWORD size = static_cast<DWORD>(name.size());
    LONG code = call(h, i, name.data(), &size);
    if (code == ERROR_NO_MORE_ITEMS) return Check(ERROR_SUCCESS);
    if (code != ERROR_SUCCESS) {
      names.clear();
      return Check(code);
    }
    names.emplace_back(name.data(), size);
  }
}
}  // namespace

bool TXRegistry::OpenKey(const std::string& key, bool create) {
  CloseKey();
  if (!KnownRoot(root_)) return Check(ERROR_INVALID_HANDLE);
  HKEY h;
  LONG code = create ? RegCreateKeyExA(RootHandle(root_), Relative(key).c_str(), 0, nullptr,
                                       REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &h, nullptr)
                     : RegOpenKeyExA(RootHandle(root_), Relative(key).c_str(), 0, KEY_ALL_ACCESS, &h);
  if (!Check(code)) return false;
  handle_ = reinterpret_cast<intptr_t>(h);
  open_ = true;
  read_only_ = false;
  return true;
}

bool TXRegistry::OpenKeyReadOnly(const std::string& key) {
  CloseKey();
  if (!KnownRoot(root_)) return Check(ERROR_INVALID_HANDLE);
  HKEY h;
  if (!Check(RegOpenKeyExA(RootHandle(root_), Relative(key).c_str(), 0, KEY_READ, &h))) return false;
  handle_ = reinterpret_cast<intptr_t>(h);
  open_ = true;
  read_only_ = true;
  return true;
}

void TXRegistry::CloseKey() {
  if (open_) RegCloseKey(reinterpret_cast<HKEY>(handle_));
  open_ = false;
  handle_ = 0;
}

bool TXRegistry::KeyExists(const std::string& key) {
  if (!KnownRoot(root_)) return Check(ERROR_INVALID_HANDLE);
  HKEY h;
  if (!Check(RegOpenKeyExA(RootHandle(root_), Relative(key).c_str(), 0, KEY_READ, &h))) return false;
  RegCloseKey(h);
  return true;
}

bool TXRegistry::CreateKey(const std::string& key) {
  if (!KnownRoot(root_)) return Check(ERROR_INVALID_HANDLE);
  HKEY h;
  if (!Check(RegCreateKeyExA(RootHandle(root_), Relative(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &h, nullptr)))
    return false;
  RegCloseKey(h);
  return true;
}

bool TXRegistry::DeleteKey(const std::string& key) {
  if (!KnownRoot(root_)) return Check(ERROR_INVALID_HANDLE);
  std::string relative = Relative(key);
  while (!relative.empty() && relative.back() == '\\') relative.pop_back();
  if (relative.empty()) return Check(ERROR_INVALID_PARAMETER);
  return Check(DeleteTree(RootHandle(root_), relative));
}

bool TXRegistry::GetKeyNames(std::vector<std::string>& names) {
  names.clear();
  if (!open_) return Check(ERROR_INVALID_HANDLE);
  return Enumerate(reinterpret_cast<HKEY>(handle_), names, [](HKEY h, DWORD i, char* name, DWORD* size) {
    return RegEnumKeyExA(h, i, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

bool TXRegistry::GetValueNames(std::vector<std::string>& names) {
  names.clear();
  if (!open_) return Check(ERROR_INVALID_HANDLE);
  return Enumerate(reinterpret_cast<HKEY>(handle_), names, [](HKEY h, DWORD i, char* name, DWORD* size) {
    return RegEnumValueA(h, i, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

bool TXRegistry::ValueExists(const std::string& name) {
  if (!open_) return Check(ERROR_INVALID_HANDLE);
  return Check(RegQueryValueExA(reinterpret_cast<HKEY>(handle_), name.c_str(), nullptr, nullptr, nullptr, nullptr));
}

std::optional<TRegValue> TXRegistry::ReadValue(const std::string& name) {
  if (!open_) {
    Check(ERROR_INVALID_HANDLE);
    return std::nullopt;
  }
  HKEY h = reinterpret_cast<HKEY>(handle_);
  // The value may grow between the size query and the read: try again.
  for (int tries = 0; tries < 8; ++tries) {
    DWORD type = 0, size = 0;
    LONG code = RegQueryValueExA(h, name.c_str(), nullptr, &type, nullptr, &size);
    if (!Check(code)) return std::nullopt;
    std::string data(size, '\0');
    code = RegQueryValueExA(h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (code == ERROR_MORE_DATA) continue;
    if (!Check(code)) return std::nullopt;
    data.resize(size);
    return TRegValue{static_cast<RegType>(type), std::move(data)};
  }
  Check(ERROR_MORE_DATA);
  return std::nullopt;
}

bool TXRegistry::WriteValue(const std::string& name, RegType type, const std::string& data) {
  if (!open_) return Check(ERROR_INVALID_HANDLE);
  if (read_only_) return Check(ERROR_ACCESS_DENIED);
  return Check(RegSetValueExA(reinterpret_cast<HKEY>(handle_), name.c_str(), 0, static_cast<DWORD>(type),
                              reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size())));
}

bool TXRegistry::DeleteValue(const std::string& name) {
  if (!open_) return Check(ERROR_INVALID_HANDLE);
  if (read_only_) return Check(ERROR_ACCESS_DENIED);
  return Check(RegDeleteValueA(reinterpret_cast<HKEY>(handle_), name.c_str()));
}

}  // namespace xs
