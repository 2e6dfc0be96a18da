// What the registry items do: keys and values written and deleted with full
// access, and the script's value texts turned into typed registry data.
//
// Key names that are empty once blanks are trimmed never reach the system:
// an empty name would stand for the root itself. None of these raise or
// record on the error object; a failure is a silent false.
#pragma once

#include "base/convert.h"

#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "script/item_types.h"

namespace xs {

// The root a registry item acts on in this run: without administrative
// rights HKEY_LOCAL_MACHINE cannot be written, so HKEY_CURRENT_USER stands
// in for it. Every other root is kept.
THKey RegRootForRun(THKey root);

// True when key exists afterwards under root, made with its missing parents.
bool WriteRegKey(THKey root, const std::string& key);
// True when key, its subkeys and its values were deleted. A missing key is
// a failure.
bool DeleteRegKey(THKey root, const std::string& key);

// Writes value_name under key (made when missing) as value_type converted
// by RegValueData. Returns false without writing when options is
// optrFailIfExists and the value exists, or when the key cannot be opened.
bool WriteRegValue(TXUIRegOptions options, THKey root, const std::string& key,
                   TXUIRegValues value_type, const std::string& value,
                   const std::string& value_name);
// True when the value was deleted, or when key does not exist; false when
// key exists but the value cannot be deleted (a missing value included).
bool DeleteRegValue(THKey root, const std::string& key, const std::string& name);

// The registry data a script value text stands for. Whole numbers are read
// by StrToIntDef with 0 for anything else; "the fraction of n" is n divided
// by ten until it is below 1 (DigitFraction).
//   optrBoolean   Dword 1 or 0: "T"/"t" first is 1, "F"/"f" first is 0,
//                 otherwise whether the text is a non-zero number
//   optrString    String, the text
//   optrFloat     8-byte Binary: a currency number (value x 10000, signed
//                 64-bit little-endian) of DecimalTextValue
//   optrInteger   Dword, the number
//   optrDate      8-byte Binary: a date-time (IEEE double of days since
//                 30 December 1899, little-endian), the number as days
//   optrTime      8-byte Binary date-time, the fraction of the number
//   optrDateTime  8-byte Binary date-time of DecimalTextValue
TRegValue RegValueData(TXUIRegValues value_type, const std::string& value);

// The whole number before the first "." plus the fraction of the digits
// after it, both read as numbers with 0 for anything else; 0 when the text
// has no ".". So "3.25" is 3.25, "3" is 0 and "1.05" is 1.5 (leading zeros
// of the digits count for nothing). Installed applications read back what
// earlier setups wrote by this rule, so it is kept as it stands.
double DecimalTextValue(const std::string& text);

}  // namespace xs
