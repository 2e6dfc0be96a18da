// What the registry object does the same on every platform: its root, and
// the typed values, built on the raw reads and writes each platform provides.
#include "platform/registry.h"

#include "platform/system_error.h"

namespace xs {

namespace {
std::string LittleEndian(uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

uint64_t FromLittleEndian(const std::string& data) {
  uint64_t value = 0;
  for (size_t i = data.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(data[i]);
  return value;
}

template <typename T>
std::optional<T> Mismatch() {
  SetLastSystemError(kErrInvalidParameter);
  return std::nullopt;
}
}  // namespace

TXRegistry::TXRegistry(uint32_t root) : root_(root) {}

TXRegistry::~TXRegistry() { CloseKey(); }

void TXRegistry::SetRootKey(uint32_t root) {
  CloseKey();
  root_ = root;
}

std::optional<TRegValue> TXRegistry::ReadTyped(const std::string& name, RegType a, RegType b) {
  std::optional<TRegValue> value = ReadValue(name);
  if (value && value->Type != a && value->Type != b) return Mismatch<TRegValue>();
  return value;
}

bool TXRegistry::WriteString(const std::string& name, const std::string& value) {
  return WriteValue(name, RegType::String, value + '\0');
}

bool TXRegistry::WriteExpandString(const std::string& name, const std::string& value) {
  return WriteValue(name, RegType::ExpandString, value + '\0');
}

bool TXRegistry::WriteMultiString(const std::string& name, const std::vector<std::string>& values) {
  std::string data;
  for (const std::string& v : values) {
    if (v.empty() || v.find('\0') != std::string::npos) {
      SetLastSystemError(kErrInvalidParameter);
      return false;
    }
    data += v + '\0';
  }
  data += '\0';
  return WriteValue(name, RegType::MultiString, data);
}

bool TXRegistry::WriteInteger(const std::string& name, uint32_t value) {
  return WriteValue(name, RegType::Dword, LittleEndian(value, 4));
}

bool TXRegistry::WriteQword(const std::string& name, uint64_t value) {
  return WriteValue(name, RegType::Qword, LittleEndian(value, 8));
}

bool TXRegistry::WriteBinary(const std::string& name, const std::string& bytes) {
  return WriteValue(name, RegType::Binary, bytes);
}

std::optional<std::string> TXRegistry::ReadString(const std::string& name) {
  std::optional<TRegValue> value = ReadTyped(name, RegType::String, RegType::ExpandString);
  if (!value) return std::nullopt;
  return value->Data.substr(0, value->Data.find('\0'));
}

std::optional<std::vector<std::string>> TXRegistry::ReadMultiString(const std::string& name) {
  std::optional<TRegValue> value = ReadTyped(name, RegType::MultiString, RegType::MultiString);
  if (!value) return std::nullopt;
  std::vector<std::string> out;
  const std::string& data = value->Data;
  for (size_t pos = 0; pos < data.size();) {
    size_t end = data.find('\0', pos);
    if (end == std::string::npos) end = data.size();
    if (end == pos) break;  // the empty entry ends the list
    out.push_back(data.substr(pos, end - pos));
    pos = end + 1;
  }
  return out;
}

std::optional<uint32_t> TXRegistry::ReadInteger(const std::string& name) {
  std::optional<TRegValue> value = ReadTyped(name, RegType::Dword, RegType::Dword);
  if (!value) return std::nullopt;
  if (value->Data.size() != 4) return Mismatch<uint32_t>();
  return static_cast<uint32_t>(FromLittleEndian(value->Data));
}

std::optional<uint64_t> TXRegistry::ReadQword(const std::string& name) {
  std::optional<TRegValue> value = ReadTyped(name, RegType::Qword, RegType::Qword);
  if (!value) return std::nullopt;
  if (value->Data.size() != 8) return Mismatch<uint64_t>();
  return FromLittleEndian(value->Data);
}

std::optional<std::string> TXRegistry::ReadBinary(const std::string& name) {
  std::optional<TRegValue> value = ReadTyped(name, RegType::Binary, RegType::Binary);
  if (!value) return std::nullopt;
  return value->Data;
}

}  // namespace xs
