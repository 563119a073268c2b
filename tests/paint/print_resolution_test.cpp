// The same page at 96, 2400 and 24,000 pixels per inch: the calls are the
// same and every coordinate scales with the resolution, rounded by at most
// one pixel of each, so that at 2400 no position is off by more than 1/2400
// inch. Components are the exception the layout makes: their points are
// truncated after scaling and then moved by a position that is rounded or
// truncated (under two pixels in all); their placements, which the print
// surfaces draw from, are within a pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/recording_surface.h"
#include "support/mus_bytes.h"

namespace {

// A staff pair with notes (stems, ledger lines, flags), a beam, a rest, a
// clef, a line, a slur and barlines of each kind.
const std::vector<ItemParams> kPage = {{8, 1, 0, 0, 0.75},
                                       {8, 2, 0, 0, 0.75},
                                       {3, 1, 2},
                                       {1, 1, 12.3, 14, 10, 0, 2},
                                       {1, 1, 20.7, -1, 20, 0, 1},
                                       {1, 2, 31.1, 5, 11, 0, 3},
                                       {1, 2, 40.9, 9, 21},
                                       {6, 2, 31.1, 12, 14, 40.9, 11},
                                       {2, 1, 50.4, 0, 0, 1},
                                       {4, 1, 60.3, 2, 0, 90.2, 6},
                                       {5, 1, 12.3, 10, 0, 20.7, 8},
                                       {14, 1, 70.1, 2},
                                       {14, 1, 110.6, 2, 1},
                                       {14, 1, 150.2, 2, 2}};

// Every listing line split into its words and its numbers.
struct Call {
  std::string words;
  std::vector<double> numbers;
};

std::vector<Call> calls(const std::string& listing) {
  std::vector<Call> out;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    Call call;
    std::istringstream tokens(line);
    bool counted = line.rfind("poly", 0) != 0;
    for (std::string token; tokens >> token;) {
      char* end = nullptr;
      double v = std::strtod(token.c_str(), &end);
      // The point count of a polygon, polyline or Bezier run is no coordinate.
      bool number = end != token.c_str() && *end == '\0';
      if (number && !counted) {
        counted = true;
      } else if (number) {
        call.numbers.push_back(v);
      } else {
        call.words += token + ' ';
      }
    }
    out.push_back(call);
  }
  return out;
}

class PrintResolutionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& slot : libraryTable) {
      slot = std::make_unique<LibrarySymbol>();
      slot->vectors = {{0, 0}, {40, -80}, {80, 0}, {37, -13}};
      slot->drawList = {{kBlackPolygon, 4}};
    }
    loadItems(document, kPage);
  }
  void TearDown() override {
    for (auto& slot : libraryTable) slot.reset();
  }

  std::string listing(int pixelsPerInch, DrawingMode mode) {
    View view;
    initViewState(view, pixelsPerInch);
    view.drawingMode = mode;
    layoutScore(document, view);
    RecordingSurface surface;
    paintScore(surface, document, view);
    return surface.listing();
  }

  // The coarse listing's numbers are the fine one's divided by ratio, each
  // within one coarse pixel and one fine one (polygons: two of each); the
  // calls are the same.
  void expectScaled(const std::string& coarse, const std::string& fine, double ratio) {
    std::vector<Call> a = calls(coarse), b = calls(fine);
    ASSERT_EQ(a.size(), b.size());
    ASSERT_GT(a.size(), 20u);
    for (size_t k = 0; k < a.size(); ++k) {
      ASSERT_EQ(a[k].words, b[k].words) << "call " << k;
      ASSERT_EQ(a[k].numbers.size(), b[k].numbers.size()) << "call " << k << ": " << a[k].words;
      double pixels = a[k].words.rfind("polygon", 0) == 0 ? 2 : 1;
      double tolerance = pixels * (1 + 1 / ratio);
      for (size_t n = 0; n < a[k].numbers.size(); ++n) {
        EXPECT_NEAR(a[k].numbers[n], b[k].numbers[n] / ratio, tolerance)
            << "call " << k << " (" << a[k].words << ") number " << n;
      }
    }
  }

  Document document;
};

TEST_F(PrintResolutionTest, BasicDrawingScalesToTheFineGrid) {
  std::string fine = listing(2400, DrawingMode::kBasic);
  expectScaled(listing(96, DrawingMode::kBasic), fine, 25);
  expectScaled(fine, listing(24000, DrawingMode::kBasic), 10);
}

TEST_F(PrintResolutionTest, CompleteDrawingScalesToTheFineGrid) {
  // Below 2400 the weights are held to a pixel and the calls differ.
  expectScaled(listing(2400, DrawingMode::kComplete), listing(24000, DrawingMode::kComplete), 10);
}

TEST_F(PrintResolutionTest, PlacementsScaleWithinAPixel) {
  View fine, finer;
  for (auto [view, pixelsPerInch] : {std::pair{&fine, 2400}, std::pair{&finer, 24000}}) {
    initViewState(*view, pixelsPerInch);
    layoutScore(document, *view);
  }
  int placed = 0;
  for (size_t i = 1; i < fine.components.items.size(); ++i) {
    const ItemComponents& a = fine.components.items[i];
    const ItemComponents& b = finer.components.items[i];
    ASSERT_EQ(a.count, b.count) << "item " << i;
    for (int k = 0; k < a.count; ++k) {
      const ComponentPlacement& p = a.records[static_cast<size_t>(k)]->placement;
      const ComponentPlacement& q = b.records[static_cast<size_t>(k)]->placement;
      EXPECT_EQ(p.symbol, q.symbol);
      EXPECT_FLOAT_EQ(p.scale * 10, q.scale) << "item " << i;
      EXPECT_NEAR(p.x, q.x / 10.0, 1 + 0.1) << "item " << i;
      EXPECT_NEAR(p.y, q.y / 10.0, 1 + 0.1) << "item " << i;
      ++placed;
    }
  }
  EXPECT_GT(placed, 8);
}

}  // namespace
