// Configuration and system items: object entries of an INI-like file,
// system parameters, profile entries and window messages.
#pragma once

#include <cstdint>
#include <string>

#include "script/items.h"

namespace xs {

// Published: FileName, ObjectName, ObjectClass, ValueName.
class TXUICustomXIniItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUICustomXIniItem)
 public:
  std::string FileName;
  std::string ObjectName;
  std::string ObjectClass;
  std::string ValueName;
};

// Published: Value, Options.
class TXUIXIniItem : public TXUICustomXIniItem {
  XS_DECLARE_CLASS(TXUIXIniItem)
 public:
  std::string Value;
  TXUIXIniOptions Options = optxNone;
};

class TXUIDelXIniItem : public TXUICustomXIniItem {
  XS_DECLARE_CLASS(TXUIDelXIniItem)
};

// Published: Options, Action, uiParam.
class TXUISysParametersItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUISysParametersItem)
 public:
  TXUISysParametersOptions Options = optsNone;
  uint32_t Action = 0;
  uint32_t uiParam = 0;
};

// Published: ProfileType, SectionName, KeyName, Value, FileName.
class TXUISysProfilesItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUISysProfilesItem)
 public:
  TXUISysProfileType ProfileType = optProfileString;
  std::string SectionName;
  std::string KeyName;
  std::string Value;
  std::string FileName;
};

// Published: WndClass, WndTitle, MsgName, WndMsg, Timeout, wParam, lParam,
// Options, Broadcast.
class TXUIMessageItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUIMessageItem)
 public:
  std::string WndClass;
  std::string WndTitle;
  std::string MsgName;  // a registered message name; WndMsg when empty
  uint32_t WndMsg = 0;
  uint32_t Timeout = 0;
  int32_t wParam = 0;
  int32_t lParam = 0;
  TXUIMessageOptions Options = optmPost;
  bool Broadcast = false;
};

}  // namespace xs
