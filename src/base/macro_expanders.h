// The ordered list of macro expanders that path-macro expansion runs a text
// through. The list lives in the base so that the engine can add its own
// expander for the length of a run without knowing the script's macros.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace xs {

// Replaces the macros it knows in a text and returns the result.
using TXMacroExpander = std::function<std::string(const std::string& text)>;
// Names one registration; 0 is never handed out.
using TXMacroExpanderHandle = uint32_t;

// Appends expander to the list and returns its handle.
TXMacroExpanderHandle RegisterMacroExpander(TXMacroExpander expander);
// Takes the expander out of the list wherever it stands; an unknown handle
// (or one removed already) is ignored.
void UnregisterMacroExpander(TXMacroExpanderHandle handle);
// The text passed through every registered expander, first registered
// first, so later expanders also see what earlier ones brought in.
std::string RunMacroExpanders(const std::string& text);

// Keeps an expander registered for the lifetime of the object.
class TXMacroExpanderRegistration {
 public:
  explicit TXMacroExpanderRegistration(TXMacroExpander expander)
      : handle_(RegisterMacroExpander(std::move(expander))) {}
  ~TXMacroExpanderRegistration() { UnregisterMacroExpander(handle_); }
  TXMacroExpanderRegistration(const TXMacroExpanderRegistration&) = delete;
  TXMacroExpanderRegistration& operator=(const TXMacroExpanderRegistration&) = delete;

 private:
  TXMacroExpanderHandle handle_;
};

}  // namespace xs
