#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "paint_fixture.h"

namespace {

// Draws a line item as item 2, on a default staff 1 (bottom line at 984).
class LineTest : public PaintTest {
 protected:
  std::string line(const ItemParams& params) {
    reset();
    return paintOne({{8, 1}, params}, 2, paintLine);
  }
};

TEST_F(LineTest, StraightLineFromBottomToTopLine) {
  EXPECT_EQ(line({4, 1, 10, 3, 11, 50}), lineOps(84, 984, 228, 950));
}

TEST_F(LineTest, HairpinWorkedExample) {
  EXPECT_EQ(line({4, 1, 10, 5, 999, 30}), lineOps(84, 976, 156, 971) + lineOps(84, 976, 156, 980));
}

struct HairpinCase {
  const char* name;
  float p7;
  std::string ops;
};

TEST_F(LineTest, HairpinDirectionsAndOpenings) {
  const std::string defaultOpening = lineOps(84, 976, 156, 971) + lineOps(84, 976, 156, 980);
  const HairpinCase cases[] = {
      {"P7 0 opens by the default", 0, defaultOpening},
      {"P7 4 opens to 2 steps", 4, lineOps(84, 976, 156, 967) + lineOps(84, 976, 156, 984)},
      {"P7 -4 closes from 2 steps", -4, lineOps(84, 984, 156, 976) + lineOps(84, 967, 156, 976)},
      {"P7 -1 closes from the default", -1,
       lineOps(84, 971, 156, 976) + lineOps(84, 980, 156, 976)},
      {"NaN P7 opens by the default", std::numeric_limits<float>::quiet_NaN(), defaultOpening},
  };
  for (const HairpinCase& c : cases) {
    EXPECT_EQ(line({4, 1, 10, 5, 999, 30, c.p7}), c.ops) << c.name;
  }
}

TEST_F(LineTest, StaffNumbersOutsideTheTablesDrawNothing) {
  EXPECT_EQ(line({4, 0, 10, 3, 11, 50}), "");
  EXPECT_EQ(line({4, 33, 10, 5, 999, 30}), "");
}

}  // namespace
