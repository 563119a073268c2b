// Values an Item edit field can store (text that is not a number gives 0,
// "nan", "inf", "1e40" and the like), put into every parameter of every item
// kind, then laid out, painted, listed and written. Run under the sanitizer
// build, any undefined behaviour on the way fails the test.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "layout/layout.h"
#include "paint_fixture.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"

namespace {

constexpr int kParams = 20;
constexpr int kEditedItem = 2;  // after the staff item

struct HostileValue {
  const char* name;
  float value;
};

constexpr float kInf = std::numeric_limits<float>::infinity();

// What the conversion of the edit field gives for these texts: beyond the
// float range is infinite, like "inf" itself.
const HostileValue kHostileValues[] = {
    {"not a number (0)", 0.0f},
    {"-0", -0.0f},
    {"nan", std::numeric_limits<float>::quiet_NaN()},
    {"-nan", -std::numeric_limits<float>::quiet_NaN()},
    {"inf and 1e40", kInf},
    {"-inf and -1e40", -kInf},
    {"largest float", std::numeric_limits<float>::max()},
    {"lowest float", std::numeric_limits<float>::lowest()},
    {"smallest denormal", std::numeric_limits<float>::denorm_min()},
    {"just past int32", 2147483648.0f},
    {"just below int32", -2147483904.0f},
    {"1e9", 1e9f},
    {"-1e9", -1e9f},
};

struct ItemKind {
  const char* name;
  ItemParams params;  // typical values; padded to kParams with 1.0
};

const ItemKind kItemKinds[] = {
    {"code0", {0, 1, 10}},
    {"note", {1, 1, 10, 5, 10, 0, 1, 0, 11, 0}},
    {"rest", {2, 1, 20, 0, 3, 2, 1, 0, 5}},
    {"clef", {3, 1, 1, 0, 0}},
    {"line", {4, 1, 10, 5, 11, 30}},
    {"hairpin", {4, 1, 10, 5, 999, 30, 4}},
    {"slur", {5, 1, 10, 5, 5, 30}},
    {"beam", {6, 1, 10, 5, 5, 30, 12}},
    {"trill", {7, 1, 10, 10, 0, 30}},
    {"staff", {8, 2, 0, 0, 1, 200, 5}},
    {"misc symbol", {9, 1, 40, 9, 87, 1}},
    {"number", {10, 1, 50, 10, 3}},
    {"user library symbol", {11, 1, 60, 10, 5}},
    {"special shape", {12, 1, 70, 10, 1}},
    {"dummy", {13, 1, 80}},
    {"barline", {14, 1, 90, 1, 2}},
    {"postscript", {15, 1, 100, 5}},
    {"text", {16, 1, 110, 5, 1, 1, 0, 0, 0, 0, 0, 8, 6}},
    {"key signature", {17, 1, 120, 0, -3, 0}},
    {"time signature", {18, 1, 130, 7, 99}},
    {"code19", {19, 1, 140}},
};

// Every slot holds a small symbol that uses each kind of draw entry.
void fillLibrary() {
  for (int n = 0; n < kSymbolCount; ++n) {
    libraryTable[n] =
        std::make_unique<LibrarySymbol>(makeSymbol(numberedPoints(9), {{kPolyline, 2},
                                                                       {kBezierPoint, 1},
                                                                       {kBezierPoint, 1},
                                                                       {kBezierPoint, 1},
                                                                       {kBlackPolygon, 3},
                                                                       {kWhitePolygon, 1}}));
  }
}

uint32_t bitsOf(float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

class HostileValuesTest : public PaintTest, public ::testing::WithParamInterface<ItemKind> {
 protected:
  void SetUp() override {
    PaintTest::SetUp();
    fillLibrary();
  }
  void TearDown() override {
    freeAllComponents(view.components);
    releaseItemTable(document.itemTable);
    for (auto& slot : libraryTable) slot.reset();
  }

  // A page of a staff and the item, P1 .. P20 present.
  void loadPage() {
    ItemParams item = GetParam().params;
    item.resize(kParams, 1.0f);
    loadItems(document, {{8, 1, 0, 0, 1, 200, 5}, item});
  }

  // Lays out and paints the page; the listing.
  std::string layoutAndPaint() {
    freeAllComponents(view.components);
    layoutScore(document, view);
    return paintAll();
  }
};

TEST_P(HostileValuesTest, StoredAsGivenThenLaidOutPaintedListedAndWritten) {
  for (int k = 1; k <= kParams; ++k) {
    for (const HostileValue& hostile : kHostileValues) {
      SCOPED_TRACE(std::string(GetParam().name) + " P" + std::to_string(k) + " = " + hostile.name);
      loadPage();
      setParam(itemAt(document.itemTable, kEditedItem), k, hostile.value);
      ASSERT_EQ(bitsOf(param(itemAt(document.itemTable, kEditedItem), k)), bitsOf(hostile.value));

      std::string first = layoutAndPaint();
      // Work stays bounded whatever the value: the longest lists are a
      // rest's hooks and dots, the longest runs a staff's ruled lines.
      EXPECT_LE(componentsOf(view.components, kEditedItem)->count, 256);
      EXPECT_LE(countOps(first, "lineto"), 2 * kMaxRuledLines);
      // Nothing uninitialised or order-dependent: a relayout draws the same.
      EXPECT_EQ(layoutAndPaint(), first);

      pmxListing(document);
      std::vector<uint8_t> bytes;
      std::string error;
      if (musFileBytes(document, &bytes, &error)) {
        EXPECT_TRUE(readMusImage(bytes, document, &error)) << error;
      }
      freeAllComponents(view.components);
    }
  }
}

std::string kindName(const ::testing::TestParamInfo<ItemKind>& info) {
  std::string name;
  for (const char* c = info.param.name; *c != '\0'; ++c) name += std::isalnum(*c) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(EveryItemKind, HostileValuesTest, ::testing::ValuesIn(kItemKinds),
                         kindName);

}  // namespace
