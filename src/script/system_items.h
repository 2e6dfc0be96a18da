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

  // Expands FileName and ValueName.
  void ExpandMacros() override;
  std::string GetDisplayText() const override { return FileName; }
};

// Object entries are carried, expanded and copied, but nothing is written
// for them: Execute always fails, silently (no code), with no record.
// Published: Value, Options.
class TXUIXIniItem : public TXUICustomXIniItem {
  XS_DECLARE_CLASS(TXUIXIniItem)
 public:
  std::string Value;
  TXUIXIniOptions Options = optxNone;

  // Also expands Value.
  void ExpandMacros() override;
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

// Nothing to delete, as nothing was written: Execute always succeeds.
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

  // Asks the system to apply Action with uiParam (ChangeSystemParameter),
  // with the update-profile flag for optsUpdateIniFile or the send-change
  // flag for optsSendChange. Always returns true, whatever the system
  // answers; no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
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

  // Expands SectionName, KeyName, Value and FileName.
  void ExpandMacros() override;
  // WriteProfile: true when the profile was written; no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
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

  // The message number: MsgName registered with the system when given,
  // else WndMsg.
  uint32_t MessageNumber() const;
  // SendToWindows with MessageNumber(). False, silently, only when the
  // number is 0; no record.
  bool Execute(std::unique_ptr<TXUICustomItem>& undo) override;
};

}  // namespace xs
