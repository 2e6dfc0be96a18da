// Four-part file versions and the order the file-replacement rule uses.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

struct xVersion {
  uint32_t Major = 0, Minor = 0, Release = 0, Build = 0;

  // The version in the file's version resource (Major and Minor from the
  // high and low 16 bits of its most significant half, Release and Build
  // from the least significant half); all zero when the file has none or
  // cannot be read.
  static xVersion FromFile(const std::string& file_name);
  // The text split at ".": the first four fields, each a decimal number
  // (blanks around it allowed), give Major, Minor, Release, Build; a field
  // that is missing, is not a number or does not fit 32 bits gives 0.
  static xVersion Parse(const std::string& text);
  // "Major.Minor.Release.Build", for example "7.1.9.170".
  std::string ToText() const;
  bool IsEmpty() const { return Major == 0 && Minor == 0 && Release == 0 && Build == 0; }

  // < 0, 0 or > 0 as a is older, the same or newer. Build decides first,
  // then Major, Minor, Release; all unsigned.
  static int Compare(const xVersion& a, const xVersion& b);
  // Major, then Minor.
  static int CompareMajorMinor(const xVersion& a, const xVersion& b);
  static bool SameMajorMinor(const xVersion& a, const xVersion& b) { return CompareMajorMinor(a, b) == 0; }

  bool operator==(const xVersion&) const = default;
};

// Whether a new file of version s may replace an existing one of version d,
// with p the protected release (empty: none). Within the same Major.Minor a
// higher Release needs a Build at least as high and otherwise the Build must
// be higher; across Major.Minor the higher one wins. Once the existing file
// is past a protected release, a new file of the same Release must not be
// older (Compare) and one of another Release must have a higher Release.
bool IsNewerVersion(const xVersion& d, const xVersion& p, const xVersion& s);

}  // namespace xs
