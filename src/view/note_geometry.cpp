#include "view/note_geometry.h"

#include "score/conversions.h"

namespace {

// P4 and P8 above a hundred (P8 also below minus a hundred) carry a flag in
// the hundred that does not move the head or the stem.
constexpr float kFoldedHundred = 100.0f;

// The basic drawing: P10 = 10 and 20 one head width right and left, any
// other P10 that many head widths.
float shiftedX(float x, float shift, float size) {
  if (shift == 0.0f) return x;
  if (shift == 10.0f) return static_cast<float>(x + kNoteHeadWidth * size);
  if (shift == 20.0f) return static_cast<float>(x - kNoteHeadWidth * size);
  return static_cast<float>(x + static_cast<double>(size) * shift * kNoteHeadWidth);
}

float foldedStem(float l) {
  if (l >= kFoldedHundred) return l - kFoldedHundred;
  if (l <= -kFoldedHundred) return l + kFoldedHundred;
  return l;
}

}  // namespace

std::optional<NoteGeometry> decodeNote(const View& view, const ItemRecord& item, DrawingMode mode) {
  const bool complete = mode == DrawingMode::kComplete;
  NoteGeometry n;
  n.staff = truncToInt(param(item, 2));
  if (!isStaffNumber(n.staff)) return std::nullopt;
  if (complete) n.staff = drawnStaff(n.staff, param(item, 12));
  n.size = view.staffTables.staffSize[n.staff];
  n.base = view.staffTables.staffBase[n.staff];
  if (complete) {
    n.x = static_cast<float>(param(item, 3) + printedHeadShift(param(item, 10), n.size));
  } else {
    n.x = shiftedX(param(item, 3), param(item, 10), n.size);
  }
  n.p4 = param(item, 4);
  if (n.p4 > kFoldedHundred) n.p4 -= kFoldedHundred;
  n.stemLength = foldedStem(param(item, 8));
  int digits = truncToInt(param(item, 5));
  n.stem = digits / 10;
  n.accidental = digits % 10;
  return n;
}

double printedHeadShift(float p10, double z) {
  if (p10 == 10.0f) return kPrintedHeadWidth * z;
  if (p10 == 20.0f) return -kPrintedHeadWidth * z;
  return p10 * z;
}

int drawnStaff(int s, float p12) {
  int target = s;
  if (p12 >= 1.0f && p12 < 2.0f) target = s + 1;
  if (p12 >= 2.0f && p12 < 3.0f) target = s - 1;
  return isStaffNumber(target) ? target : s;
}
