// Making the checksums that guard a record container's structure match
// again, so that mutated sizes and links reach the code behind them.
#pragma once

#include <cstdint>
#include <vector>

namespace xs::fuzz {

// Recomputes the file header's, every link's, every record body's and every
// item table's checksum along the chain of links, as far as it leads forward
// inside bytes.
void Reseal(std::vector<uint8_t>& bytes);

}  // namespace xs::fuzz
