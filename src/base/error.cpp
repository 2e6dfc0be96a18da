#include "base/error.h"

namespace xs {

EXError::EXError(int code) : Exception(std::to_string(code)), code_(code) {}

void TXError::Clear() { object_ = TXErrorObject{}; }

void TXError::SetError(int code, int extra, bool raise, const std::string& text) {
  object_.Code = code;
  object_.Extra = extra;
  object_.Text = text;
  if (raise) throw EXError(object_.Code);
}

void TXError::SetFirstError(int code, int extra, bool raise, const std::string& text) {
  if (object_.Code == errNone) {
    object_.Code = code;
    object_.Extra = extra;
    object_.Text = text;
  }
  if (raise) throw EXError(object_.Code);
}

void TXError::RaiseError() {
  if (object_.Code == errNone) object_.Code = errGeneral;
  throw EXError(object_.Code);
}

bool TXError::CheckError(bool ok, int code, bool raise, const std::string& text, int extra) {
  if (ok)
    Clear();
  else
    SetError(code, extra, raise, text);
  return ok;
}

bool TXError::CheckFirstError(bool ok, int code, bool raise, const std::string& text, int extra) {
  if (!ok) SetFirstError(code, extra, raise, text);
  return ok;
}

TXError& XError() {
  static TXError error;
  return error;
}

}  // namespace xs
