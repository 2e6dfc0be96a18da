#include "script/registry_actions.h"

#include <cmath>
#include <cstring>

#include "base/convert.h"
#include "base/little_endian.h"
#include "base/settings.h"

namespace xs {
namespace {

bool IsBlankName(const std::string& name) {
  for (char c : name)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

int32_t NumberOrZero(const std::string& text) { return StrToIntDef(text, 0); }

std::string U64Bytes(uint64_t v) {
  std::string bytes(8, '\0');
  PutU64(reinterpret_cast<uint8_t*>(bytes.data()), v);
  return bytes;
}

std::string DwordBytes(uint32_t v) {
  std::string bytes(4, '\0');
  PutU32(reinterpret_cast<uint8_t*>(bytes.data()), v);
  return bytes;
}

std::string DateTimeBytes(double days) {
  uint64_t bits;
  static_assert(sizeof bits == sizeof days);
  std::memcpy(&bits, &days, sizeof bits);
  return U64Bytes(bits);
}

bool BooleanText(const std::string& value) {
  if (value.empty()) return false;
  switch (value[0]) {
    case 'T': case 't': return true;
    case 'F': case 'f': return false;
    default: return NumberOrZero(value) != 0;
  }
}

}  // namespace

THKey RegRootForRun(THKey root) {
  if (root == hkey::LocalMachine && !RunSettings().HasAdminRights) return hkey::CurrentUser;
  return root;
}

bool WriteRegKey(THKey root, const std::string& key) {
  if (IsBlankName(key)) return false;
  TXRegistry registry(root);
  return registry.CreateKey(key);
}

bool DeleteRegKey(THKey root, const std::string& key) {
  if (IsBlankName(key)) return false;
  TXRegistry registry(root);
  return registry.DeleteKey(key);
}

bool WriteRegValue(TXUIRegOptions options, THKey root, const std::string& key,
                   TXUIRegValues value_type, const std::string& value,
                   const std::string& value_name) {
  if (IsBlankName(key)) return false;
  TXRegistry registry(root);
  if (!registry.OpenKey(key, true)) return false;
  if (options == optrFailIfExists && registry.ValueExists(value_name)) return false;
  TRegValue data = RegValueData(value_type, value);
  return registry.WriteValue(value_name, data.Type, data.Data);
}

bool DeleteRegValue(THKey root, const std::string& key, const std::string& name) {
  if (IsBlankName(key)) return false;
  TXRegistry registry(root);
  if (!registry.KeyExists(key)) return true;
  return registry.OpenKey(key, false) && registry.DeleteValue(name);
}

TRegValue RegValueData(TXUIRegValues value_type, const std::string& value) {
  switch (value_type) {
    case optrBoolean: return {RegType::Dword, DwordBytes(BooleanText(value) ? 1 : 0)};
    case optrString: return {RegType::String, value + '\0'};
    case optrFloat: {
      // A currency number: four decimals in a signed 64-bit integer,
      // rounded half to even as the currency type rounds.
      double scaled = std::nearbyint(DecimalTextValue(value) * 10000.0);
      return {RegType::Binary, U64Bytes(static_cast<uint64_t>(static_cast<int64_t>(scaled)))};
    }
    case optrInteger:
      return {RegType::Dword, DwordBytes(static_cast<uint32_t>(NumberOrZero(value)))};
    case optrDate: return {RegType::Binary, DateTimeBytes(NumberOrZero(value))};
    case optrTime: return {RegType::Binary, DateTimeBytes(DigitFraction(NumberOrZero(value)))};
    case optrDateTime: return {RegType::Binary, DateTimeBytes(DecimalTextValue(value))};
  }
  return {RegType::String, value + '\0'};
}

double DecimalTextValue(const std::string& text) {
  size_t dot = text.find('.');
  if (dot == std::string::npos) return 0;
  return NumberOrZero(text.substr(0, dot)) + DigitFraction(NumberOrZero(text.substr(dot + 1)));
}

}  // namespace xs
