#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "score_fixture.h"

namespace {
class DemoPage : public ScoreTest {};
}  // namespace

// examples/demo.mus is written by examples/make_demo through our own writer.
TEST_F(DemoPage, HoldsEveryItemCodeAndIsOurWritersOutput) {
  const std::string path = std::string(MELIBRON_SOURCE_DIR) + "/examples/demo.mus";
  std::string error;
  ASSERT_TRUE(readMusFile(path, document, &error)) << error;
  std::array<uint32_t, kItemCodeCount> counts = countItemsByCode(document.itemTable);
  for (int code = 1; code <= kItemCodeCount; ++code) {
    EXPECT_GE(counts[code - 1], 1u) << itemName(code) << " (code " << code << ")";
  }
  EXPECT_EQ(counts[kStaffCode - 1], 2u);
  EXPECT_EQ(document.loadStatistics.serialNumber, static_cast<uint32_t>(kWrittenSerialNumber));

  std::vector<uint8_t> rewritten;
  ASSERT_TRUE(musFileBytes(document, &rewritten, &error)) << error;
  EXPECT_EQ(rewritten, fileBytes(path));
}
