// The process-wide error object.
//
// Every fallible operation clears the error object when it starts, records a
// code (with an optional number and text) when it fails and returns false.
// It raises EXError only when its caller passed a raise flag. Callers look at
// the recorded code to choose a message; SetFirstError keeps the first, most
// precise cause when an outer operation adds its own code.
#pragma once

#include <string>

#include "base/exception.h"

namespace xs {

// Error codes recorded on the error object.
enum : int {
  errNone = 0,
  errCancelled = 1,        // start dialog cancelled, language not confirmed
  errGeneral = 2,          // no more precise code known
  errFileOpen = 3,         // Extra = system error code, Text = file name
  errItemException = 4,    // Text = the item's description
  errChecksumRead = 10,    // stream failed while its checksum was computed
  errChecksum = 11,
  errIdentity = 12,
  errLoad = 14,
  errSave = 15,
  errPastEnd = 16,
  errNoEndMarker = 17,
  errCreateFolder = 20,    // Text = the folder
  errWriteFile = 23,       // Text = the file
  errFileMissing = 25,
};

// The in-house exception; its message is the error code in decimal.
class EXError : public Exception {
 public:
  explicit EXError(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

struct TXErrorObject {
  int Code = 0;
  int Extra = 0;
  std::string Text;

  void Assign(const TXErrorObject& source) { *this = source; }
};

class TXError {
 public:
  TXError() = default;
  virtual ~TXError() = default;
  TXError(const TXError&) = delete;
  TXError& operator=(const TXError&) = delete;

  virtual int GetCode() const { return object_.Code; }
  virtual int GetExtra() const { return object_.Extra; }
  virtual const std::string& GetText() const { return object_.Text; }
  const TXErrorObject& Object() const { return object_; }

  // Code, Extra and Text become 0, 0 and empty.
  virtual void Clear();
  // Stores the three values; raises EXError(code) when raise is set.
  virtual void SetError(int code, int extra = 0, bool raise = false,
                        const std::string& text = {});
  // Stores the values only when no code is set yet; when raise is set, raises
  // EXError with the code now held (the earlier one if there was one).
  virtual void SetFirstError(int code, int extra = 0, bool raise = false,
                             const std::string& text = {});
  // Raises EXError with the code held; a missing code becomes errGeneral.
  [[noreturn]] virtual void RaiseError();
  // ok: Clear. Otherwise SetError. Returns ok.
  virtual bool CheckError(bool ok, int code, bool raise = false,
                          const std::string& text = {}, int extra = 0);
  // Not ok: SetFirstError. Ok: nothing changes. Returns ok.
  virtual bool CheckFirstError(bool ok, int code, bool raise = false,
                               const std::string& text = {}, int extra = 0);

 private:
  TXErrorObject object_;
};

// The error object shared by the whole process (user-interface thread only).
TXError& XError();

}  // namespace xs
