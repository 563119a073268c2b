#include "layout/note_variants.h"

#include <algorithm>
#include <cmath>

#include "score/conversions.h"
#include "view/note_geometry.h"

namespace {

constexpr float kFermata = 14.0f;
constexpr float kStaccato = 7.0f;
constexpr float kStaccatoTenuto = 10.0f;

// SCORE's marks, measured at staff size 0.75 and given at size 1.
constexpr double kFermataHighest = 13.0;   // step: two above the top line, at least
constexpr double kFermataLowest = 1.0;     // step: two below the bottom line, at most
constexpr double kFermataClearance = 2.0;  // steps beyond the stem end or head
constexpr double kHeadHalf = 1.0;          // steps from a head's centre to its edge
constexpr double kStaccatoCentre = 1.52;   // units right of the head's P3
constexpr double kStaccatoDistance = 2.0;  // steps from the head
constexpr double kTenutoCentre = 1.58;
constexpr double kTenutoDistance = 3.18;

// Decimal digit of the magnitude of value at place (100, 1000).
int digitOf(float value, int place) { return truncToInt(std::fabs(value) / place) % 10; }

}  // namespace

DotPlace printedDots(float p4, float p9) {
  DotPlace place;
  if (truncToInt(p4) % 2 != 0) place.raise = digitOf(p9, 100) != 0 ? -1 : 1;
  if (digitOf(p9, 1000) != 0) place.shift = kPrintedHeadWidth;
  return place;
}

std::vector<ArticulationMark> articulationMarks(float p11, float p14, float p4, int stem,
                                                float stemLength) {
  bool up = stem == kStemUp;
  bool down = stem == kStemDown;
  std::vector<ArticulationMark> marks;
  if (p11 == kFermata) {
    double top = up ? p4 + kDefaultStemSteps + stemLength : p4 + kHeadHalf;
    marks.push_back({kPrintedFermataSymbol, 0, std::max(kFermataHighest, top + kFermataClearance)});
  } else if (p11 == -kFermata) {
    double bottom = down ? p4 - kDefaultStemSteps - stemLength : p4 - kHeadHalf;
    marks.push_back(
        {kPrintedFermataSymbol, 0, std::min(kFermataLowest, bottom - kFermataClearance), true});
  } else if (p11 == kStaccato || p11 == kStaccatoTenuto) {
    double away = up ? -1.0 : 1.0;
    marks.push_back({kPrintedStaccatoSymbol, kStaccatoCentre, p4 + away * kStaccatoDistance});
    if (p11 == kStaccatoTenuto) {
      marks.push_back({kPrintedTenutoSymbol, kTenutoCentre, p4 + away * kTenutoDistance});
    }
  }
  for (ArticulationMark& mark : marks) mark.step += p14;
  return marks;
}
