// Base of the system's exceptions.
#pragma once

#include <stdexcept>
#include <string>

namespace xs {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace xs
