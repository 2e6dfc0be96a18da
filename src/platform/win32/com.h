// What the COM-based services share: a COM scope for one call, a holder of
// one interface reference and the mapping of HRESULTs to error numbers.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "platform/system_error.h"

namespace xs {

// COM for the duration of one call; balanced only when it was started here
// (or was already started the same way).
class ComScope {
 public:
  ComScope() : result_(CoInitialize(nullptr)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

// Holds one interface reference.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  void** Out() { return reinterpret_cast<void**>(&p_); }

 private:
  T* p_ = nullptr;
};

// Records hr as the error number (its Win32 code when it carries one) and
// returns whether it is a success.
inline bool Check(HRESULT hr) {
  int code = 0;
  if (FAILED(hr)) code = HRESULT_FACILITY(hr) == FACILITY_WIN32 ? HRESULT_CODE(hr) : static_cast<int>(hr);
  SetLastSystemError(code);
  return SUCCEEDED(hr);
}

}  // namespace xs
