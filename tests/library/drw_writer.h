// Builds .drw library file images in memory for tests, with the non-data
// bytes of the format filled so that a loader reading them shows it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/drw_format.h"

// Filler byte written wherever the format stores bytes that are not data, so a
// loader that takes them for data shows it.
constexpr uint8_t kDrwFiller = 0xEE;

// The entries as a data stream: 6 little-endian bytes each.
std::vector<uint8_t> drwStream(const std::vector<DrwEntry>& entries);

// A header with the given end positions and names (missing ones: end 1, no
// name), then the stream cut into blocks, each ending in two filler bytes.
std::vector<uint8_t> drwFile(const std::vector<int16_t>& endPositions,
                             const std::vector<std::string>& names,
                             const std::vector<uint8_t>& stream);

// A well-formed library file of up to ten symbols (the rest empty): end
// positions e_k = e_k-1 + 3 * entries, starting from 1.
std::vector<uint8_t> drwImage(const std::vector<DrwSymbol>& symbols);
