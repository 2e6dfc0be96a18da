// The emulated registry: every call reads the store file again, and every
// change is written through under the store's lock, so that the processes
// sharing an emulated machine see one registry.
#include "platform/registry.h"

#include <cerrno>

#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/posix/atomic_file.h"
#include "platform/posix/emulated_machine.h"
#include "platform/posix/registry_store.h"
#include "platform/system_error.h"

namespace xs {

namespace {
std::string StoreFile() {
  ForceFolders(EmulationRoot());
  return MachinePath("registry.txt", false);
}

bool Fail(int code) {
  SetLastSystemError(code);
  return false;
}

// Loads the store and finds the open key in it; nullptr with the error
// number set when no key is open, the store is unreadable or the key gone.
TRegStoreKey* LoadOpenKey(bool open, uint32_t root, const std::string& path, TRegStore& store) {
  if (!open) {
    SetLastSystemError(kErrInvalidHandle);
    return nullptr;
  }
  if (!store.Load(StoreFile())) return nullptr;
  return store.Find(root, path, false);
}

// Runs change on the loaded store and saves it when change reports true.
template <typename Change>
bool Modify(Change change) {
  std::string file = StoreFile();
  TFileLock lock(MachinePath("registry.lock", false));
  if (!lock.Locked()) return false;
  TRegStore store;
  if (!store.Load(file) || !change(store)) return false;
  return store.Save(file);
}
}  // namespace

bool TXRegistry::OpenKey(const std::string& key, bool create) {
  CloseKey();
  if (create && !CreateKey(key)) return false;
  if (!create && !KeyExists(key)) return false;
  path_ = key;
  open_ = true;
  read_only_ = false;
  return true;
}

bool TXRegistry::OpenKeyReadOnly(const std::string& key) {
  if (!OpenKey(key, false)) return false;
  read_only_ = true;
  return true;
}

void TXRegistry::CloseKey() {
  open_ = false;
  path_.clear();
}

bool TXRegistry::KeyExists(const std::string& key) {
  TRegStore store;
  return store.Load(StoreFile()) && store.Find(root_, key, false) != nullptr;
}

bool TXRegistry::CreateKey(const std::string& key) {
  return Modify([&](TRegStore& store) { return store.Find(root_, key, true) != nullptr; });
}

bool TXRegistry::DeleteKey(const std::string& key) {
  return Modify([&](TRegStore& store) { return store.Delete(root_, key); });
}

bool TXRegistry::GetKeyNames(std::vector<std::string>& names) {
  names.clear();
  TRegStore store;
  const TRegStoreKey* key = LoadOpenKey(open_, root_, path_, store);
  if (!key) return false;
  for (const auto& [upper, sub] : key->Subkeys) names.push_back(sub.Name);
  SetLastSystemError(0);
  return true;
}

bool TXRegistry::GetValueNames(std::vector<std::string>& names) {
  names.clear();
  TRegStore store;
  const TRegStoreKey* key = LoadOpenKey(open_, root_, path_, store);
  if (!key) return false;
  for (const TRegStoreValue& v : key->Values) names.push_back(v.Name);
  SetLastSystemError(0);
  return true;
}

bool TXRegistry::ValueExists(const std::string& name) { return ReadValue(name).has_value(); }

std::optional<TRegValue> TXRegistry::ReadValue(const std::string& name) {
  TRegStore store;
  TRegStoreKey* key = LoadOpenKey(open_, root_, path_, store);
  if (!key) return std::nullopt;
  const TRegStoreValue* value = key->FindValue(name);
  if (!value) {
    Fail(kErrFileNotFound);
    return std::nullopt;
  }
  SetLastSystemError(0);
  return TRegValue{static_cast<RegType>(value->Type), value->Data};
}

bool TXRegistry::WriteValue(const std::string& name, RegType type, const std::string& data) {
  if (!open_) return Fail(kErrInvalidHandle);
  if (read_only_) return Fail(kErrAccessDenied);
  return Modify([&](TRegStore& store) {
    // A key deleted meanwhile by someone else is not brought back.
    TRegStoreKey* key = store.Find(root_, path_, false);
    if (!key) return false;
    TRegStoreValue value{name, static_cast<uint32_t>(type), data};
    if (TRegStoreValue* old = key->FindValue(name))
      *old = TRegStoreValue{old->Name, value.Type, value.Data};
    else
      key->Values.push_back(value);
    return true;
  });
}

bool TXRegistry::DeleteValue(const std::string& name) {
  if (!open_) return Fail(kErrInvalidHandle);
  if (read_only_) return Fail(kErrAccessDenied);
  return Modify([&](TRegStore& store) {
    TRegStoreKey* key = store.Find(root_, path_, false);
    if (!key) return false;
    for (auto it = key->Values.begin(); it != key->Values.end(); ++it)
      if (AnsiUpperCase(it->Name) == AnsiUpperCase(name)) {
        key->Values.erase(it);
        return true;
      }
    return Fail(kErrFileNotFound);
  });
}

}  // namespace xs
