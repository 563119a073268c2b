// Polygon stamps: an aliased polygon outlined by the one-pixel pen has the
// same pixels wherever it is drawn by whole pixels (the filler and the line
// walk are exact under such moves), so the shapes a page repeats, note
// heads above all, are rasterised once into runs of pixels and copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/library_table.h"
#include "raster/grey_page.h"

class PolygonStamps {
 public:
  // The cache is emptied when a new stamp would take it past either bound.
  PolygonStamps(size_t maxShapes, size_t maxRuns) : maxShapes_(maxShapes), maxRuns_(maxRuns) {}

  // Draws the closed polygon, its points moved by (dx, dy), filled even-odd
  // by `level` and outlined black by the one-pixel pen. Returns false,
  // drawing nothing, for a polygon it does not stamp: a large one, or one
  // whose pixels might reach past the page's edge.
  bool draw(GreyPage& page, const Vector* points, int count, int dx, int dy, uint8_t level);

  size_t shapes() const { return stamps_.size(); }
  size_t runs() const { return runs_; }

 private:
  struct Run {
    int32_t y, from, to;  // from the box's top-left corner, to left out
    uint8_t level;
  };
  using Stamp = std::vector<Run>;

  // The touched pixels of a rasterised shape, by row.
  static Stamp runsOf(const GreyPage& page);
  // Null for a shape not stamped: one reaching its page's margin, or one
  // of more runs than the cache holds.
  const Stamp* stampOf(const Vector* points, int count, int32_t left, int32_t top, uint8_t level);

  size_t maxShapes_;
  size_t maxRuns_;
  size_t runs_ = 0;
  std::string key_;  // the shape being looked up; kept to spare allocations
  std::unordered_map<std::string, Stamp> stamps_;
};

// The stamps of this thread, bounded for pages of any size.
PolygonStamps& threadPolygonStamps();
