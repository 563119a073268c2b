// The libraries the build generated, read back through the program's own
// loader: every catalogued symbol is there under its name, the symbols the
// layout places exist, and their geometry fits the layout's anchors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "library/library_table.h"
#include "library/outline_glyphs.h"
#include "symbol_catalogue.h"

namespace {

// Symbol numbers the layout places by itself: clefs, accidentals, note heads,
// time signs, flag, dot and rests.
const int kLayoutSymbols[] = {0,  1,  2,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                              15, 16, 17, 18, 19, 20, 24, 40, 41, 42, 43, 44};

struct Box {
  int left, right, top, bottom;  // y downward, as loaded
  double centreX() const { return (left + right) / 2.0; }
  double centreY() const { return (top + bottom) / 2.0; }
};

Box boxOf(const LibrarySymbol& s) {
  Box b{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN};
  for (const Vector& v : s.vectors) {
    b = {std::min(b.left, v.x), std::max(b.right, v.x), std::min(b.top, v.y),
         std::max(b.bottom, v.y)};
  }
  return b;
}

// Whether the even-odd fill of the symbol's polygons covers (x, y).
bool filled(const LibrarySymbol& s, double x, double y) {
  bool any = false;
  size_t first = 0;
  for (const DrawEntry& e : s.drawList) {
    bool in = false;
    for (size_t i = first, j = first + e.pointCount - 1; i < first + e.pointCount; j = i++) {
      const Vector& a = s.vectors[i];
      const Vector& b = s.vectors[j];
      if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / double(b.y - a.y)) {
        in = !in;
      }
    }
    any |= in;
    first += e.pointCount;
  }
  return any;
}

class GeneratedLibraries : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    loaded = loadLibraries(MELIBRON_GENERATED_LIB_DIR, &error);
    loadError = error;
    std::ifstream file(MELIBRON_CATALOGUE);
    std::ostringstream text;
    text << file.rdbuf();
    parsed = parseCatalogue(text.str(), &catalogue, &error);
    if (!parsed) loadError = error;
  }
  void SetUp() override { ASSERT_TRUE(loaded && parsed) << loadError; }

  static const LibrarySymbol& symbol(int n) { return *findLibrarySymbol(n); }

  static bool loaded, parsed;
  static std::string loadError;
  static std::vector<CatalogueEntry> catalogue;
};

bool GeneratedLibraries::loaded = false;
bool GeneratedLibraries::parsed = false;
std::string GeneratedLibraries::loadError;
std::vector<CatalogueEntry> GeneratedLibraries::catalogue;

TEST_F(GeneratedLibraries, HoldEveryCataloguedSymbolUnderItsName) {
  std::set<int> listed;
  for (const CatalogueEntry& entry : catalogue) {
    listed.insert(entry.number);
    const LibrarySymbol* s = findLibrarySymbol(entry.number);
    ASSERT_NE(s, nullptr) << "symbol " << entry.number;
    EXPECT_EQ(std::string(s->name, strnlen(s->name, 5)), entry.name) << "symbol " << entry.number;
    EXPECT_FALSE(s->vectors.empty()) << "symbol " << entry.number << " " << entry.name;
    size_t points = 0;
    for (const DrawEntry& e : s->drawList) {
      EXPECT_EQ(e.op, kBlackPolygon) << "symbol " << entry.number;
      EXPECT_GE(e.pointCount, 3) << "symbol " << entry.number;
      points += e.pointCount;
    }
    EXPECT_EQ(points, s->vectors.size()) << "symbol " << entry.number;
  }
  for (int n = 0; n < kSymbolCount; ++n) {
    if (listed.count(n)) continue;
    const LibrarySymbol* s = findLibrarySymbol(n);
    ASSERT_NE(s, nullptr) << "symbol " << n;
    EXPECT_TRUE(s->vectors.empty() && s->drawList.empty()) << "uncatalogued symbol " << n;
  }
}

TEST_F(GeneratedLibraries, HoldEverySymbolTheLayoutPlaces) {
  for (int n : kLayoutSymbols) {
    EXPECT_FALSE(symbol(n).drawList.empty()) << "symbol " << n;
  }
}

TEST_F(GeneratedLibraries, NoteHeadsStartAtTheAnchorAndSitOnTheStep) {
  for (int n : {11, 12, 15, 16}) {
    Box b = boxOf(symbol(n));
    // 2.8 horizontal units of 24 library units: the up-stem stands at 67,
    // the down-stem at 0; the head reaches both.
    EXPECT_NEAR(b.left, -1, 2) << "symbol " << n;
    EXPECT_NEAR(b.right, 68, 2) << "symbol " << n;
    EXPECT_NEAR(b.centreY(), 0, 1) << "symbol " << n;
  }
}

TEST_F(GeneratedLibraries, AccidentalsStandLeftOfTheNoteAnchor) {
  for (int n : {6, 7, 8, 9, 10}) {
    EXPECT_LT(boxOf(symbol(n)).right, 0) << "symbol " << n;
  }
}

TEST_F(GeneratedLibraries, FlagReachesTheStemEnd) {
  // The flag's origin is one step from the note, the stem's end seven steps:
  // six steps of 28 units below the origin. It stays clear of the note's step.
  Box b = boxOf(symbol(20));
  EXPECT_NEAR(b.bottom, 168, 1);
  EXPECT_GT(b.top, -28);
  EXPECT_LE(b.left, 0);
}

TEST_F(GeneratedLibraries, RestsHangFromTheirReferenceStep) {
  // The reference point is step 5: the half rest sits on the middle line one
  // step lower, the whole rest hangs from the fourth line one step higher.
  EXPECT_NEAR(boxOf(symbol(41)).bottom, 28, 1);
  EXPECT_NEAR(boxOf(symbol(42)).top, -28, 1);
}

TEST_F(GeneratedLibraries, TimeSignsCentreOnTheMiddleLine) {
  // Drawn at three times the scale from three steps below the bottom line:
  // the middle line is seven steps, 7 x 28 / 3 units, above the origin.
  for (int n : {18, 19}) {
    EXPECT_NEAR(boxOf(symbol(n)).centreY(), -7 * 28 / 3.0, 3) << "symbol " << n;
  }
}

TEST_F(GeneratedLibraries, HolesLetTheStaffShowThrough) {
  for (int n : {12, 13, 7, 8}) {
    const LibrarySymbol& s = symbol(n);
    Box b = boxOf(s);
    EXPECT_FALSE(filled(s, b.centreX() + 0.5, b.centreY() + 0.5)) << "symbol " << n;
  }
  for (int n : {11, 24}) {
    const LibrarySymbol& s = symbol(n);
    Box b = boxOf(s);
    EXPECT_TRUE(filled(s, b.centreX() + 0.5, b.centreY() + 0.5)) << "symbol " << n;
  }
}

}  // namespace

namespace {

// Points along the outline's lines and curves, 64 per cubic.
std::vector<OutlinePoint> traced(const OutlineGlyph& outline) {
  std::vector<OutlinePoint> points;
  size_t k = 0;
  OutlinePoint at{}, start{};
  for (OutlineVerb verb : outline.verbs) {
    if (verb == OutlineVerb::kMove) {
      at = start = outline.points[k++];
      points.push_back(at);
    } else if (verb == OutlineVerb::kLine) {
      at = outline.points[k++];
      points.push_back(at);
    } else if (verb == OutlineVerb::kCubic) {
      OutlinePoint a = at, b = outline.points[k], c = outline.points[k + 1],
                   d = outline.points[k + 2];
      k += 3;
      for (int i = 1; i <= 64; ++i) {
        float t = i / 64.0f, u = 1 - t;
        points.push_back(
            {u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
             u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y});
      }
      at = d;
    } else {
      points.push_back(start);
    }
  }
  return points;
}

double distanceToTrace(const std::vector<OutlinePoint>& trace, Vector v) {
  double best = 1e9;
  for (size_t i = 1; i < trace.size(); ++i) {
    double ax = trace[i - 1].x, ay = trace[i - 1].y, bx = trace[i].x, by = trace[i].y;
    double dx = bx - ax, dy = by - ay, length = dx * dx + dy * dy;
    double t = length > 0 ? std::clamp(((v.x - ax) * dx + (v.y - ay) * dy) / length, 0.0, 1.0) : 0;
    best = std::min(best, std::hypot(v.x - (ax + t * dx), v.y - (ay + t * dy)));
  }
  return best;
}

}  // namespace

// The curves compiled into the program outline the same symbols: every
// point of a library polygon lies within a library unit of them (a quarter
// unit of flattening, under three quarters of rounding to whole units).
TEST_F(GeneratedLibraries, CurvesOutlineEveryCataloguedSymbol) {
  for (const CatalogueEntry& entry : catalogue) {
    const OutlineGlyph* outline = symbolOutline(entry.number, symbol(entry.number));
    ASSERT_NE(outline, nullptr) << "symbol " << entry.number;
    std::vector<OutlinePoint> trace = traced(*outline);
    double worst = 0;
    for (const Vector& v : symbol(entry.number).vectors)
      worst = std::max(worst, distanceToTrace(trace, v));
    EXPECT_LT(worst, 1.0) << "symbol " << entry.number;
  }
}

TEST_F(GeneratedLibraries, OtherSymbolsHaveNoCurves) {
  LibrarySymbol changed = symbol(11);
  changed.vectors[3].x += 1;
  EXPECT_EQ(symbolOutline(11, changed), nullptr);
  EXPECT_EQ(symbolOutline(12, symbol(11)), nullptr) << "another symbol's points";
  EXPECT_EQ(symbolOutline(-1, symbol(11)), nullptr);
  EXPECT_EQ(symbolOutline(5000, symbol(11)), nullptr);
}
