#include "platform/posix/registry_store.h"

#include <cerrno>
#include <sstream>

#include "platform/codepage.h"
#include "platform/posix/atomic_file.h"
#include "platform/posix/escape.h"
#include "platform/registry.h"
#include "platform/system_error.h"

namespace xs {

namespace {
const char kHeader[] = "XSetupRegistry 1";

// The stored root name and the path prefix a root number stands for.
bool MapRoot(uint32_t root, std::string& name, std::string& prefix) {
  prefix.clear();
  switch (root) {
    case kHKeyClassesRoot: name = "HKLM", prefix = "Software\\Classes"; return true;
    case kHKeyCurrentUser: name = "HKCU"; return true;
    case kHKeyLocalMachine: name = "HKLM"; return true;
    case kHKeyUsers: name = "HKU"; return true;
    case kHKeyCurrentConfig: name = "HKCC"; return true;
    default: return false;
  }
}

bool KnownRootName(const std::string& name) {
  return name == "HKCU" || name == "HKLM" || name == "HKU" || name == "HKCC";
}

// Splits a key path into its names; false for an empty name inside it.
bool SplitPath(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  size_t begin = 0, end = path.size();
  if (begin < end && path[begin] == '\\') ++begin;
  if (end > begin && path[end - 1] == '\\') --end;
  if (begin == end) return true;
  for (size_t pos = begin; pos <= end;) {
    size_t cut = path.find('\\', pos);
    if (cut == std::string::npos || cut > end) cut = end;
    if (cut == pos) return false;
    names.push_back(path.substr(pos, cut - pos));
    pos = cut + 1;
  }
  return true;
}

std::string Hex(const std::string& data) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (char c : data) {
    auto b = static_cast<unsigned char>(c);
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

std::optional<std::string> FromHex(const std::string& hex) {
  if (hex.size() % 2) return std::nullopt;
  std::string out;
  for (size_t i = 0; i < hex.size(); i += 2) {
    int value = 0;
    for (size_t j = i; j < i + 2; ++j) {
      char c = hex[j];
      int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
      if (d < 0) return std::nullopt;
      value = value << 4 | d;
    }
    out += static_cast<char>(value);
  }
  return out;
}

// ":text" to text; nullopt without the colon or with a broken escape.
std::optional<std::string> Field(const std::string& token) {
  if (token.empty() || token[0] != ':') return std::nullopt;
  return UnescapeField(token.substr(1));
}

void SaveKey(std::ostringstream& out, const std::string& root, const std::string& path, const TRegStoreKey& key) {
  out << "K " << root << " :" << EscapeField(path) << '\n';
  for (const TRegStoreValue& v : key.Values)
    out << "V " << v.Type << " :" << EscapeField(v.Name) << " :" << Hex(v.Data) << '\n';
  for (const auto& [upper, sub] : key.Subkeys)
    SaveKey(out, root, path.empty() ? sub.Name : path + '\\' + sub.Name, sub);
}

bool Malformed() {
  SetLastSystemError(EIO);
  return false;
}
}  // namespace

TRegStoreValue* TRegStoreKey::FindValue(const std::string& name) {
  std::string upper = AnsiUpperCase(name);
  for (TRegStoreValue& v : Values)
    if (AnsiUpperCase(v.Name) == upper) return &v;
  return nullptr;
}

bool TRegStore::Load(const std::string& file) {
  roots_.clear();
  std::optional<std::string> text = ReadWholeFile(file);
  if (!text) {
    if (LastSystemError() != ENOENT) return false;
    SetLastSystemError(0);
    return true;
  }
  std::istringstream in(*text);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return Malformed();
  TRegStoreKey* current = nullptr;
  std::vector<std::string> names;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string kind, a, b, c, extra;
    fields >> kind >> a >> b >> c >> extra;
    if (kind == "K" && KnownRootName(a) && c.empty()) {
      std::optional<std::string> path = Field(b);
      if (!path || !SplitPath(*path, names)) return Malformed();
      current = &roots_[a];
      for (const std::string& name : names) {
        TRegStoreKey& sub = current->Subkeys[AnsiUpperCase(name)];
        if (sub.Name.empty()) sub.Name = name;
        current = &sub;
      }
    } else if (kind == "V" && current && extra.empty()) {
      std::optional<std::string> name = Field(b), data;
      if (c.size() >= 1 && c[0] == ':') data = FromHex(c.substr(1));
      if (!name || !data || a.empty() || a.find_first_not_of("0123456789") != std::string::npos || a.size() > 10)
        return Malformed();
      uint64_t type = std::stoull(a);
      if (type > 0xFFFFFFFF) return Malformed();
      if (TRegStoreValue* old = current->FindValue(*name))
        *old = TRegStoreValue{*name, static_cast<uint32_t>(type), *data};
      else
        current->Values.push_back(TRegStoreValue{*name, static_cast<uint32_t>(type), *data});
    } else {
      return Malformed();
    }
  }
  SetLastSystemError(0);
  return true;
}

bool TRegStore::Save(const std::string& file) const {
  std::ostringstream out;
  out << kHeader << '\n';
  for (const auto& [root, key] : roots_) SaveKey(out, root, "", key);
  return WriteFileAtomically(file, out.str());
}

TRegStoreKey* TRegStore::Find(uint32_t root, const std::string& path, bool create) {
  std::string root_name, prefix;
  std::vector<std::string> names, prefix_names;
  if (!MapRoot(root, root_name, prefix)) {
    SetLastSystemError(EBADF);
    return nullptr;
  }
  if (!SplitPath(path, names)) {
    SetLastSystemError(EINVAL);
    return nullptr;
  }
  SplitPath(prefix, prefix_names);
  names.insert(names.begin(), prefix_names.begin(), prefix_names.end());
  TRegStoreKey* key = &roots_[root_name];
  for (const std::string& name : names) {
    auto it = key->Subkeys.find(AnsiUpperCase(name));
    if (it == key->Subkeys.end()) {
      if (!create) {
        SetLastSystemError(ENOENT);
        return nullptr;
      }
      it = key->Subkeys.emplace(AnsiUpperCase(name), TRegStoreKey{name, {}, {}}).first;
    }
    key = &it->second;
  }
  SetLastSystemError(0);
  return key;
}

bool TRegStore::Delete(uint32_t root, const std::string& path) {
  std::vector<std::string> names;
  if (!SplitPath(path, names) || names.empty()) {
    SetLastSystemError(EINVAL);
    return false;
  }
  std::string last = names.back();
  std::string parent_path;
  for (size_t i = 0; i + 1 < names.size(); ++i) parent_path += names[i] + '\\';
  TRegStoreKey* parent = Find(root, parent_path, false);
  if (!parent) return false;
  if (parent->Subkeys.erase(AnsiUpperCase(last)) == 0) {
    SetLastSystemError(ENOENT);
    return false;
  }
  SetLastSystemError(0);
  return true;
}

}  // namespace xs
