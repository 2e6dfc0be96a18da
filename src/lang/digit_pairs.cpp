#include "lang/digit_pairs.h"

namespace xs {
namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTVUWXYZ";
constexpr int kBase = 36;

int DigitValue(char c) {
  size_t pos = kDigits.find(c);
  return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

}  // namespace

std::string DecodeDigitPairs(std::string_view value) {
  std::string out;
  out.reserve(value.size() / 2);
  for (size_t i = 0; i + 1 < value.size(); i += 2) {
    int number = DigitValue(value[i]) * kBase + DigitValue(value[i + 1]);
    out.push_back(static_cast<char>(number & 0xFF));
  }
  return out;
}

std::string EncodeDigitPairs(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    unsigned byte = static_cast<unsigned char>(c);
    out.push_back(kDigits[byte / kBase]);
    out.push_back(kDigits[byte % kBase]);
  }
  return out;
}

}  // namespace xs
