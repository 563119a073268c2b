// Shared set-up for layout tests: a fake library whose symbols say where they
// came from, a 96 pixels-per-inch view at zoom 1, and readers of components.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "layout/layout.h"
#include "score/document.h"
#include "view/view.h"

// Every fake symbol n is named "s<n>" and has the points (0, 0), (10, -20),
// (100, -40) and (kProbe, kProbe) in one polyline: after layout the first
// point is the translation and the last one reveals the scale factor.
constexpr int kProbe = 100000;

// Fills all 200 library slots with fake symbols.
void fillFakeLibrary();

// Empties every library slot.
void clearLibrary();

// The symbol number a fake component was copied from (-1 if not a fake name).
int symbolOf(const Component& component);

// What a component of the fake library tells about its placement.
struct Placed {
  int symbol;
  int x;  // translation
  int y;
  int scaleX;  // trunc(kProbe x factor), with mirroring applied
  int scaleY;
  bool operator==(const Placed&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Placed& placed);

// The live components of item i in the view, in slot order.
std::vector<Placed> placedOf(const View& view, int item);

// Number of live components of item i (0 for an item the lists do not hold).
int componentCount(const View& view, int item);

// Live component k of item i, which must exist.
const Component& componentOf(const View& view, int item, int k);

// trunc(kProbe x f): the probe coordinate of a component scaled by f.
int probe(float f);

// Placed for symbol n at (x, y) scaled by f, mirrored top to bottom if asked.
Placed at(int symbol, int x, int y, float f, bool mirrored = false);

// A document and a 96 pixels-per-inch view of its own for every test, in the
// basic drawing mode, and the fake library.
class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Document document;
  View view;
};
