#include "cli/file_info.h"

#include <array>
#include <cstdint>

#include "score/item_table.h"

namespace {

// Labels of the count fields 200..217, one per item code 1..18.
constexpr std::array<const char*, kItemCodeCount> kCountLabels = {
    "1. Notes",
    "2. Rests",
    "3. Clefs",
    "4. Lines",
    "5. Slurs",
    "6. Beams",
    "7. Trills",
    "8. Staves",
    "9. Misc. symbols",
    "10. Numbers",
    "11. Library symbols",
    "12. Special shapes",
    "13. Dummies",
    "14. Barlines",
    "15. PostScript",
    "16. Text",
    "17. Key sigs.",
    "18. Time sigs.",
};

// The dialog shows every integer unsigned, the raw serial number included.
std::string unsignedText(int32_t value) { return std::to_string(static_cast<uint32_t>(value)); }

}  // namespace

std::vector<std::pair<std::string, std::string>> fileInfoValues(const Document& document) {
  const LoadStatistics& loadStatistics = document.loadStatistics;
  std::vector<std::pair<std::string, std::string>> values;
  values.emplace_back("Number of items:", unsignedText(document.itemTable.itemCount));
  std::array<uint32_t, kItemCodeCount> counts = countItemsByCode(document.itemTable);
  for (int c = 0; c < kItemCodeCount; ++c) {
    values.emplace_back(kCountLabels[c], std::to_string(counts[c]));
  }
  values.emplace_back("File size in bytes:", unsignedText(loadStatistics.fileSize));
  values.emplace_back("SCORE version:", unsignedText(loadStatistics.scoreVersion));
  values.emplace_back("SCORE serial number:", std::to_string(loadStatistics.serialNumber));
  values.emplace_back("Measurement units:", loadStatistics.units == 0 ? "inches" : "centimetres");
  return values;
}
