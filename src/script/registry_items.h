// Registry keys and values.
#pragma once

#include <string>

#include "script/items.h"

namespace xs {

// Published: RootID, Options, KeyName.
class TXUICustomRegItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomRegItem)
 public:
  THKey RootID = 0;
  TXUIRegOptions Options = optrNone;
  std::string KeyName;
};

class TXUIRegKeyItem : public TXUICustomRegItem {
  XS_DECLARE_CLASS(TXUIRegKeyItem)
 public:
  TXUIRegKeyItem() { RootID = hkey::CurrentUser; }
};

class TXUIDelRegKeyItem : public TXUICustomRegItem {
  XS_DECLARE_CLASS(TXUIDelRegKeyItem)
 public:
  TXUIDelRegKeyItem() { RootID = hkey::CurrentUser; }
};

// Published: ValueName.
class TXUICustomRegValItem : public TXUICustomRegItem {
  XS_DECLARE_CLASS(TXUICustomRegValItem)
 public:
  std::string ValueName;
};

// Published: Value, ValueType.
class TXUIRegValItem : public TXUICustomRegValItem {
  XS_DECLARE_CLASS(TXUIRegValItem)
 public:
  TXUIRegValItem() { RootID = hkey::CurrentUser; }
  std::string Value;
  TXUIRegValues ValueType = optrBoolean;
};

class TXUIDelRegValItem : public TXUICustomRegValItem {
  XS_DECLARE_CLASS(TXUIDelRegValItem)
 public:
  TXUIDelRegValItem() { RootID = hkey::CurrentUser; }
};

}  // namespace xs
