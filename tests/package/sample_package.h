// The package the container tests and the inspection tests share.
#pragma once

#include <cstdint>
#include <vector>

namespace xs::test {

// Group "Languages" (id 1) with a header of one empty item, group "Data"
// (id 2) with an object header (object text -3, data index -6, a raw block
// id 5) and an item header (name -1, object text -4, data -2), written at
// start behind prefix. Throws std::runtime_error when writing fails.
std::vector<uint8_t> SamplePackage(int64_t start = 0, const std::vector<uint8_t>& prefix = {});

}  // namespace xs::test
