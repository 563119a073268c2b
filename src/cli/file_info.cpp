#include "cli/file_info.h"

#include <array>
#include <cstdint>

#include "score/item_table.h"

namespace {

// The dialog shows every integer unsigned, the raw serial number included.
std::string unsignedText(int32_t value) { return std::to_string(static_cast<uint32_t>(value)); }

}  // namespace

std::vector<std::pair<std::string, std::string>> fileInfoValues(const Document& document) {
  const LoadStatistics& loadStatistics = document.loadStatistics;
  std::vector<std::pair<std::string, std::string>> values;
  values.emplace_back("Number of items:", unsignedText(document.itemTable.itemCount));
  std::array<uint32_t, kItemCodeCount> counts = countItemsByCode(document.itemTable);
  for (int c = 0; c < kItemCodeCount; ++c) {
    values.emplace_back(itemKind(c + 1).fileInfoLabel, std::to_string(counts[c]));
  }
  values.emplace_back("File size in bytes:", unsignedText(loadStatistics.fileSize));
  values.emplace_back("SCORE version:", unsignedText(loadStatistics.scoreVersion));
  values.emplace_back("SCORE serial number:", std::to_string(loadStatistics.serialNumber));
  values.emplace_back("Measurement units:", loadStatistics.units == 0 ? "inches" : "centimetres");
  return values;
}
