// Two documents shown in two views in one process share nothing: laid out
// and painted in turns, each gives the listing it gives alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/recording_surface.h"
#include "support/mus_bytes.h"

namespace {

// Every library slot a small filled triangle, so notes, rests, clefs and
// signatures get components.
class TwoDocumentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& slot : libraryTable) {
      slot = std::make_unique<LibrarySymbol>();
      slot->vectors = {{0, 0}, {40, -80}, {80, 0}};
      slot->drawList = {{kBlackPolygon, 3}};
    }
  }
  void TearDown() override {
    for (auto& slot : libraryTable) slot.reset();
  }
};

struct Shown {
  int pixelsPerInch;
  double zoom;
  int offsetX;
  int offsetY;
  DrawingMode mode;
};

void setUpView(View& view, const Shown& shown) {
  initViewState(view, shown.pixelsPerInch);
  view.viewState.zoom = shown.zoom;
  view.viewState.viewOffsetX = shown.offsetX;
  view.viewState.viewOffsetY = shown.offsetY;
  view.drawingMode = shown.mode;
}

std::string paintListing(const Document& document, View& view) {
  RecordingSurface surface(view.drawingMode == DrawingMode::kComplete);
  paintScore(surface, document, view);
  return surface.listing();
}

// Laid out and painted in a view of its own, with nothing else in between.
std::string alone(const Document& document, const Shown& shown) {
  View view;
  setUpView(view, shown);
  layoutScore(document, view);
  return paintListing(document, view);
}

const std::vector<ItemParams> kFirstPage = {
    {8, 1, 0, 0, 1, 200}, {3, 1, 2, 0, 1},
    {17, 1, 8, 0, 3, 0},  {1, 1, 20, 5, 12, 0, 0, 0, 21},
    {2, 1, 40, 0, 1, 1},  {1, 1, 60, 14, 23, 0, 0, 0, 1},
    {14, 1, 80, 1, 0},    {6, 1, 20, 7, 8, 60, 12},
};
const std::vector<ItemParams> kSecondPage = {
    {8, 1, 0, 0, 1.5f, 150}, {8, 2, 0, -4, 0.75f, 150},      {3, 2, 2, 0, 2},
    {18, 2, 10, 7, 99},      {1, 2, 30, -2, 21, 1, 0, 0, 2}, {4, 1, 10, 0, 999, 60, 3},
    {14, 1, 140, 2, 2},      {9, 1, 50, 8, 24, 1.5f},
};

TEST_F(TwoDocumentsTest, InterleavedLayoutAndPaintGiveTheListingsOfEachAlone) {
  Document first;
  Document second;
  loadItems(first, kFirstPage);
  loadItems(second, kSecondPage);
  const Shown firstShown = {96, 1.0, 0, 0, DrawingMode::kComplete};
  const Shown firstScrolled = {96, 1.0, -20, 40, DrawingMode::kComplete};
  const Shown secondShown = {150, 1.75, 30, -60, DrawingMode::kBasic};
  const std::string firstAlone = alone(first, firstShown);
  const std::string firstScrolledAlone = alone(first, firstScrolled);
  const std::string secondAlone = alone(second, secondShown);
  ASSERT_NE(firstAlone, firstScrolledAlone) << "the scroll must show in the listing";
  ASSERT_NE(firstAlone.find("polygon black 3"), std::string::npos) << "no components drawn";

  View firstView;
  View secondView;
  setUpView(firstView, firstShown);
  setUpView(secondView, secondShown);
  layoutScore(first, firstView);
  layoutScore(second, secondView);
  EXPECT_EQ(paintListing(second, secondView), secondAlone);
  EXPECT_EQ(paintListing(first, firstView), firstAlone);

  // A scroll in the first view, then both painted again in the other order.
  setUpView(firstView, firstScrolled);
  freeAllComponents(firstView.components);
  layoutScore(first, firstView);
  EXPECT_EQ(paintListing(first, firstView), firstScrolledAlone);
  EXPECT_EQ(paintListing(second, secondView), secondAlone);

  // The second document shown in the first view takes that view's settings.
  layoutScore(second, firstView);
  EXPECT_EQ(paintListing(second, firstView), alone(second, firstScrolled));
  EXPECT_EQ(paintListing(second, secondView), secondAlone);
}

}  // namespace
