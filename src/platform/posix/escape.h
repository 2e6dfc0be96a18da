// One-token text fields in the emulation's state files.
#pragma once

#include <optional>
#include <string>

namespace xs {

// Writes every byte up to the blank, "%", and every byte from 0x7F as "%XX"
// (two upper-case hex digits), so the field holds no blank or line break.
std::string EscapeField(const std::string& text);
// The inverse. Nullopt when a "%" is not followed by two hex digits.
std::optional<std::string> UnescapeField(const std::string& field);

}  // namespace xs
