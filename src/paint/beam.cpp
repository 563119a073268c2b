#include "paint/painter.h"
#include "score/conversions.h"
#include "score/item_table.h"
#include "view/note_geometry.h"

namespace {

constexpr double kBeamSpacing = 1.5;  // steps between the edges of two beams

// Quadrilaterals of one beam group: the edges at the first and last note, in
// steps above the staff's bottom line.
struct BeamGeometry {
  int xFirst;
  int xLast;
  float first;  // P4 plus the stem, single precision
  float last;   // P5 plus the stem, single precision
  double z;
  double b;
};

// One beam with its edges at the given heights (steps) at the first and the
// last note.
void drawBeam(DrawingSurface& surface, const View& view, const BeamGeometry& g, double firstNear,
              double lastNear, double lastFar, double firstFar) {
  Vector points[4] = {
      {g.xFirst, stepToWindowY(view, firstNear, g.z, g.b)},
      {g.xLast, stepToWindowY(view, lastNear, g.z, g.b)},
      {g.xLast, stepToWindowY(view, lastFar, g.z, g.b)},
      {g.xFirst, stepToWindowY(view, firstFar, g.z, g.b)},
  };
  // Filled with whatever brush the surface holds: the last symbol's.
  surface.polygon(points, 4);
}

}  // namespace

void paintBeam(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  // Staff numbers outside the staff tables cannot be placed.
  if (!isStaffNumber(s)) return;
  const ViewState& v = view.viewState;
  // A beam should carry seven parameters; missing ones read as 0.0.
  float p3 = param(item, 3);
  float p4 = param(item, 4);
  float p5 = param(item, 5);
  float p6 = param(item, 6);
  if (p4 >= 100.0f || p4 <= -100.0f) p4 = static_cast<float>(p4 - 100.0 * hundredsOf(p4));
  float length = p6 - p3;
  double z = view.staffTables.staffSize[s];
  double b = view.staffTables.staffBase[s];

  int q = truncToInt(param(item, 7));
  int count = q % 10;
  if (count == 0) count = 1;
  int direction = q / 10;
  BeamGeometry g{};
  if (direction == 1) {
    g = {toWindowX(view, z * v.hUnit * kNoteHeadWidth + p3 * v.hUnit),
         toWindowX(view, (z * kNoteHeadWidth + length) * v.hUnit + p3 * v.hUnit),
         static_cast<float>(p4 + 4.0),
         static_cast<float>(p5 + 4.0),
         z,
         b};
  } else if (direction == 2) {
    g = {toWindowX(view, p3 * v.hUnit),
         toWindowX(view, length * v.hUnit + p3 * v.hUnit),
         static_cast<float>(p4 - 10.0),
         static_cast<float>(p5 - 10.0),
         z,
         b};
  } else {
    return;
  }
  for (int j = 0; j < count; ++j) {
    double o = kBeamSpacing * j;
    double a = g.first;
    double last = g.last;
    if (direction == 1) {
      drawBeam(surface, view, g, a - 1 - o, last - 1 - o, last - o, a - o);
    } else {
      drawBeam(surface, view, g, a + 1 + o, last + 1 + o, last + o, a + o);
    }
  }
}
