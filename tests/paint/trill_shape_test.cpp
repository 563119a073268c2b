// Trill, ottava and pedal lines: which sign, which extension, where.
#include "paint/trill_shape.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TrillItem trill(float p5, float p6) {
  TrillItem t;
  t.p3 = 10, t.p4 = 12, t.p5 = p5, t.p6 = p6;
  return t;
}

struct KindCase {
  float p5;
  TrillKind kind;
  int symbol;
  const char* text;
  LineKind extension;
  float hookSteps;
};

TEST(TrillShape, SignAndExtensionPerKind) {
  const KindCase cases[] = {
      {0, TrillKind::kTrill, 85, "", LineKind::kHorizontalWavy, 0},
      {37, TrillKind::kTrill, 85, "", LineKind::kHorizontalWavy, 0},
      {45, TrillKind::kOttava, -1, "8va", LineKind::kDashed, -2},
      {46, TrillKind::kOttavaBassa, -1, "8vb", LineKind::kDashed, 2},
      {47, TrillKind::kQuindicesima, -1, "15ma", LineKind::kDashed, -2},
      {48, TrillKind::kPedal, 70, "", LineKind::kStraight, 2},
      {70, TrillKind::kPedal, 70, "", LineKind::kStraight, 2},
  };
  for (const KindCase& c : cases) {
    TrillKind kind = trillKind(c.p5);
    EXPECT_EQ(kind, c.kind) << c.p5;
    EXPECT_EQ(trillSymbol(kind), c.symbol) << c.p5;
    EXPECT_EQ(trillText(kind), c.text) << c.p5;
    LineItem line;
    ASSERT_TRUE(trillLine(trill(c.p5, 40), 1, 13, &line)) << c.p5;
    EXPECT_EQ(lineKind(line), c.extension) << c.p5;
    EXPECT_EQ(line.p12, c.hookSteps) << c.p5;
    EXPECT_EQ(line.p3, 13.5f) << c.p5;
    EXPECT_EQ(line.p6, 40) << c.p5;
    EXPECT_GE(line.p4, 12) << c.p5;
  }
}

TEST(TrillShape, NoRoomNoExtension) {
  LineItem line;
  EXPECT_FALSE(trillLine(trill(0, 0), 1, 13, &line));
  EXPECT_FALSE(trillLine(trill(0, 13.2f), 1, 13, &line));
  EXPECT_FALSE(trillLine(trill(0, NAN), 1, 13, &line));
}

}  // namespace
