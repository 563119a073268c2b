#include <array>
#include <cstddef>

#include "paint/painter.h"
#include "score/item_table.h"

namespace {

// A rest whose P6 is exactly -1.0 is invisible.
constexpr float kInvisibleRest = -1.0f;

void paintRest(DrawingSurface& surface, const Document& document, const View& view, int item) {
  if (param(itemAt(document.itemTable, item), 6) != kInvisibleRest) {
    drawComponents(surface, view, item);
  }
}

// The layout gives clefs and misc symbols exactly one component; only the
// first is drawn.
void paintFirstComponent(DrawingSurface& surface, const Document& /*document*/, const View& view,
                         int item) {
  const ItemComponents* list = componentsOf(view.components, item);
  if (list != nullptr && list->count > 0 && !list->records.empty()) {
    drawComponent(surface, *list->records[0]);
  }
}

void paintComponents(DrawingSurface& surface, const Document& /*document*/, const View& view,
                     int item) {
  drawComponents(surface, view, item);
}

using PaintTable = std::array<PaintRoutine, kItemCodeCount + 1>;

// Indexed by item code; the kinds without a routine draw nothing.
constexpr PaintTable kBasicRoutines = [] {
  PaintTable routines{};
  routines[kNoteCode] = paintNote;
  routines[kRestCode] = paintRest;
  routines[kClefCode] = paintFirstComponent;
  routines[kLineCode] = paintLine;
  routines[kBeamCode] = paintBeam;
  routines[kStaffCode] = paintStaff;
  routines[kMiscSymbolCode] = paintFirstComponent;
  routines[kBarlineCode] = paintBarline;
  routines[kKeySignatureCode] = paintComponents;
  routines[kTimeSignatureCode] = paintComponents;
  return routines;
}();

// The kinds the complete drawing draws its own way; the others as the basic
// drawing draws them.
constexpr PaintTable kCompleteRoutines = [] {
  PaintTable routines = kBasicRoutines;
  routines[kNoteCode] = paintPrintedNote;
  routines[kLineCode] = paintCompleteLine;
  routines[kSlurCode] = paintSlur;
  routines[kTrillCode] = paintTrill;
  routines[kStaffCode] = paintCompleteStaff;
  routines[kNumberCode] = paintNumber;
  routines[kBarlineCode] = paintCompleteBarline;
  routines[kTextCode] = paintText;
  return routines;
}();

}  // namespace

PaintRoutine paintRoutine(DrawingMode mode, int code) {
  if (!isKnownCode(code)) return nullptr;
  const PaintTable& routines = mode == DrawingMode::kComplete ? kCompleteRoutines : kBasicRoutines;
  return routines[static_cast<size_t>(code)];
}
