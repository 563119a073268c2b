#include <algorithm>
#include <cstdint>
#include <optional>

#include "paint/line_weights.h"
#include "paint/page_path.h"
#include "paint/painter.h"
#include "score/conversions.h"
#include "score/item_table.h"
#include "view/note_geometry.h"

namespace {

constexpr double kLedgerLeft = 0.85;   // units left of the head's left edge
constexpr double kLedgerRight = 3.68;  // head width plus 0.88 units

// A note as the painter draws it: its shared geometry, and the weights of
// its stem and ledger lines.
struct NotePlace {
  NoteGeometry g;
  double z;              // staff size
  double b;              // page height of the staff's bottom line
  double stemWidth = 0;  // device pixels; 1 or less: the one-pixel pen
  double ledgerWidth = 0;
};

NotePlace placeNote(const NoteGeometry& g) { return {g, g.size, g.base}; }

bool hasStem(const ItemRecord& item, const NotePlace& n) {
  float p6 = param(item, 6);
  // These note heads are drawn without a stem.
  bool stemless = p6 == 2.0f || p6 == 3.0f || p6 == 12.0f || p6 == 13.0f;
  return n.g.stem >= 1 && !stemless;
}

void drawStem(DrawingSurface& surface, const View& view, const NotePlace& n) {
  const ViewState& v = view.viewState;
  // Sums in this order: the pixels depend on it at half-pixel boundaries.
  double head = n.z * (n.g.p4 - kBottomLineStep) * v.stepUnit;
  double stem = (n.g.stemLength + kDefaultStemSteps) * v.stepUnit * n.z;
  int yHead = toWindowY(view, head + n.b);
  if (n.g.stem == kStemUp) {
    int xRight = toWindowX(view, n.z * v.hUnit * kNoteHeadWidth + n.g.x * v.hUnit);
    strokeLine(surface, xRight, yHead, xRight, toWindowY(view, stem + head + n.b), n.stemWidth);
  } else if (n.g.stem == kStemDown) {
    int xLeft = toWindowX(view, n.g.x * v.hUnit);
    strokeLine(surface, xLeft, yHead, xLeft, toWindowY(view, head + n.b - stem), n.stemWidth);
  }
}

// Ledger lines at step offsets first, first + step, ... from the bottom line.
void drawLedgerLines(DrawingSurface& surface, const View& view, const NotePlace& n, int64_t count,
                     int first, int step) {
  const ViewState& v = view.viewState;
  int x1 = toWindowX(view, n.g.x * v.hUnit - n.z * v.hUnit * kLedgerLeft);
  int x2 = toWindowX(view, n.z * v.hUnit * kLedgerRight + n.g.x * v.hUnit);
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
  int64_t t = truncToInt(n.g.p4);
  if (n.g.p4 > 12.0f) {
    drawLedgerLines(surface, view, n, (t + t % 2 - 12) / 2, 10, 2);
  } else if (n.g.p4 < 2.0f) {
    int64_t c = 2 - t;
    drawLedgerLines(surface, view, n, (c + c % 2) / 2, -2, -2);
  }
}

// As SCORE prints it: stems and ledger lines of SCORE's weights (the staff
// of P12 and the head shift are the geometry's in the complete drawing).
NotePlace placePrintedNote(const View& view, const NoteGeometry& g) {
  NotePlace place = placeNote(g);
  place.stemWidth = strokeWidth(view.viewState, kLineWeight);
  place.ledgerWidth = strokeWidth(view.viewState, kLedgerLineWeight);
  return place;
}

// Stem, components and ledger lines of a note on a staff of the tables.
void drawNote(DrawingSurface& surface, const View& view, const ItemRecord& item, int i,
              const NotePlace& place) {
  if (hasStem(item, place)) drawStem(surface, view, place);
  drawComponents(surface, view, i);
  drawLedgers(surface, view, place);
}

}  // namespace

void paintNote(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  // On a staff outside the staff tables the stem and ledger lines cannot be
  // placed; the components, already in window pixels, are still drawn.
  std::optional<NoteGeometry> g = decodeNote(view, item, DrawingMode::kBasic);
  if (!g) {
    drawComponents(surface, view, i);
    return;
  }
  drawNote(surface, view, item, i, placeNote(*g));
}

void paintPrintedNote(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  std::optional<NoteGeometry> g = decodeNote(view, item, DrawingMode::kComplete);
  if (!g) {
    drawComponents(surface, view, i);
    return;
  }
  drawNote(surface, view, item, i, placePrintedNote(view, *g));
}
