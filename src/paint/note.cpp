#include <algorithm>
#include <cstdint>

#include "layout/note_variants.h"
#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr double kHeadWidth = 2.8;     // note head width in horizontal units at size 1
constexpr double kStemLength = 7.0;    // default stem, in steps
constexpr double kLedgerLeft = 0.85;   // units left of the head's left edge
constexpr double kLedgerRight = 3.68;  // head width plus 0.88 units

// The position of a note as the painter draws it: P4 without its hundred and
// P3 moved by the head shift of P10.
struct NotePlace {
  float p3;
  float p4;
  double z;              // staff size
  double b;              // page height of the staff's bottom line
  double stemWidth = 0;  // device pixels; 1 or less: the one-pixel pen
  double ledgerWidth = 0;
};

NotePlace placeNote(const View& view, const ItemRecord& item, int s) {
  NotePlace place{param(item, 3), param(item, 4), view.staffTables.staffSize[s],
                  view.staffTables.staffBase[s]};
  if (place.p4 > 100.0f) place.p4 -= 100.0f;
  float p10 = param(item, 10);
  if (p10 == 10.0f) {
    place.p3 = static_cast<float>(place.p3 + kHeadWidth * place.z);
  } else if (p10 == 20.0f) {
    place.p3 = static_cast<float>(place.p3 - kHeadWidth * place.z);
  } else if (p10 != 0.0f) {
    place.p3 = static_cast<float>(place.p3 + place.z * p10 * kHeadWidth);
  }
  return place;
}

bool hasStem(const ItemRecord& item) {
  float p6 = param(item, 6);
  // These note heads are drawn without a stem.
  bool stemless = p6 == 2.0f || p6 == 3.0f || p6 == 12.0f || p6 == 13.0f;
  return param(item, 5) >= 10.0f && !stemless;
}

void drawStem(DrawingSurface& surface, const View& view, const ItemRecord& item,
              const NotePlace& n) {
  const ViewState& v = view.viewState;
  float p8 = param(item, 8);
  if (p8 >= 100.0f) {
    p8 -= 100.0f;
  } else if (p8 <= -100.0f) {
    p8 += 100.0f;
  }
  // Sums in this order: the pixels depend on it at half-pixel boundaries.
  double head = n.z * (n.p4 - 3.0) * v.stepUnit;
  double stem = (p8 + kStemLength) * v.stepUnit * n.z;
  int yHead = toWindowY(view, head + n.b);
  int direction = truncToInt(param(item, 5)) / 10;
  if (direction == 1) {
    int xRight = toWindowX(view, n.z * v.hUnit * kHeadWidth + n.p3 * v.hUnit);
    strokeLine(surface, xRight, yHead, xRight, toWindowY(view, stem + head + n.b), n.stemWidth);
  } else if (direction == 2) {
    int xLeft = toWindowX(view, n.p3 * v.hUnit);
    strokeLine(surface, xLeft, yHead, xLeft, toWindowY(view, head + n.b - stem), n.stemWidth);
  }
}

// Ledger lines at step offsets first, first + step, ... from the bottom line.
void drawLedgerLines(DrawingSurface& surface, const View& view, const NotePlace& n, int64_t count,
                     int first, int step) {
  const ViewState& v = view.viewState;
  int x1 = toWindowX(view, n.p3 * v.hUnit - n.z * v.hUnit * kLedgerLeft);
  int x2 = toWindowX(view, n.z * v.hUnit * kLedgerRight + n.p3 * v.hUnit);
  count = std::min<int64_t>(count, kMaxRuledLines);
  if (count <= 0) return;
  surface.selectPenWeight(PenWeight::kLedgerLine);
  for (int j = 0; j < count; ++j) {
    int k = first + step * j;
    int y = toWindowY(view, n.z * k * v.stepUnit + n.b);
    strokeLine(surface, x1, y, x2, y, n.ledgerWidth);
  }
  surface.selectPenWeight(PenWeight::kLine);
}

void drawLedgers(DrawingSurface& surface, const View& view, const NotePlace& n) {
  // 64-bit so that a P4 near the integer limits cannot overflow.
  int64_t t = truncToInt(n.p4);
  if (n.p4 > 12.0f) {
    drawLedgerLines(surface, view, n, (t + t % 2 - 12) / 2, 10, 2);
  } else if (n.p4 < 2.0f) {
    int64_t c = 2 - t;
    drawLedgerLines(surface, view, n, (c + c % 2) / 2, -2, -2);
  }
}

// As SCORE prints it: on the staff of P12, the head shifted as the layout
// shifts it, stems and ledger lines of SCORE's weights.
NotePlace placePrintedNote(const View& view, const ItemRecord& item, int s) {
  int drawn = drawnStaff(s, param(item, 12));
  NotePlace place{param(item, 3), param(item, 4), view.staffTables.staffSize[drawn],
                  view.staffTables.staffBase[drawn]};
  if (place.p4 > 100.0f) place.p4 -= 100.0f;
  place.p3 = static_cast<float>(place.p3 + printedHeadShift(param(item, 10), place.z));
  place.stemWidth = strokeWidth(view.viewState, kLineWeight);
  place.ledgerWidth = strokeWidth(view.viewState, kLedgerLineWeight);
  return place;
}

// Stem, components and ledger lines of a note on a staff of the tables.
void drawNote(DrawingSurface& surface, const View& view, const ItemRecord& item, int i,
              const NotePlace& place) {
  if (hasStem(item)) drawStem(surface, view, item, place);
  drawComponents(surface, view, i);
  drawLedgers(surface, view, place);
}

}  // namespace

void paintNote(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  // On a staff outside the staff tables the stem and ledger lines cannot be
  // placed; the components, already in window pixels, are still drawn.
  if (!isStaffNumber(s)) {
    drawComponents(surface, view, i);
    return;
  }
  drawNote(surface, view, item, i, placeNote(view, item, s));
}

void paintPrintedNote(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  if (!isStaffNumber(s)) {
    drawComponents(surface, view, i);
    return;
  }
  drawNote(surface, view, item, i, placePrintedNote(view, item, s));
}
