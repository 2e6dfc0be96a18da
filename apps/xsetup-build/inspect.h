// The inspection commands of xsetup-build: dump and verify a package.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace xs {

// Where the package in file starts when no --start is given: at the end of
// the PE image when file is a Windows program (an installer, whose package
// is appended there), else at 0.
int64_t DefaultPackageStart(const std::string& file_name);

// Prints the identity, each group (id, name, stored data size) with its
// headers (kind, count) and their items (id, stored size, checksum), and the
// object texts of items -3 to -6. When the container is damaged, prints what
// could be read and then a last line "error N". Returns the exit code: 0, or
// 1 after "error N".
int DumpPackage(const std::string& file_name, int64_t start, std::ostream& out);

// Loads the package and reads every item of every header, checking every
// checksum. Prints "ok" and returns 0, or prints "error N" and returns 1;
// a damaged record (even one the load could step over) is error 14.
int VerifyPackage(const std::string& file_name, int64_t start, std::ostream& out);

}  // namespace xs
