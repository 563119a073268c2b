#include "layout/layout.h"
#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr int kDotSymbol = 24;
constexpr int kHookSymbol = 44;
constexpr int kQuarterSymbol = 43;
// SCORE's quarter rest, from P3; symbol 43 stands about a unit further right,
// where SCORE prints the quarter rests of P10 = 1.
constexpr int kPrintedQuarterSymbol = 134;
constexpr double kDotSpacing = 2.175;
// A stack of this many hooks is taller, and a row of this many dots wider,
// than any page; stopping there keeps hostile P5 or P6 from exhausting memory.
constexpr int kMaxRepeats = 128;

// Where a rest stands, shared by all its shapes.
struct RestFrame {
  View* view;
  int item;
  int s;
  float p3;
  double h;     // page height of the reference point
  double step;  // one step of this staff
  double unit;  // one horizontal unit scaled by the staff size
  int y0;       // window y of the truncated reference height
  float factor;
  int quarter;  // symbol of the quarter rest
};

struct DotRow {
  double firstOffset;
  int y;
};

void place(const RestFrame& f, int symbol, int x, int y) {
  placeSymbol(*f.view, f.item, symbol, f.factor, x, y);
}

int hookLeftX(const RestFrame& f) {
  return toWindowX(*f.view, f.p3 * f.view->viewState.hUnit - 0.5 * f.unit);
}

int hookMiddleX(const RestFrame& f) {
  const View& view = *f.view;
  return toWindowX(view, (f.p3 + 0.25 * view.staffTables.staffSize[f.s]) * view.viewState.hUnit);
}

// Rows 2 and 3: hooks from two steps below the reference point upward.
DotRow placeShortStack(const RestFrame& f, bool third) {
  const View& view = *f.view;
  place(f, kHookSymbol, hookLeftX(f), toWindowY(view, f.h - 2 * f.step));
  place(f, kHookSymbol, hookMiddleX(f), f.y0);
  if (!third) return {3.075, f.y0};
  int top = toWindowY(view, f.h + 2 * f.step);
  place(f, kHookSymbol,
        toWindowX(view, (f.p3 + view.staffTables.staffSize[f.s]) * view.viewState.hUnit), top);
  return {3.725, top};
}

// Above 3: P5 rounded up hooks, from four steps below the reference point.
DotRow placeTallStack(const RestFrame& f, float shape) {
  const View& view = *f.view;
  place(f, kHookSymbol, hookLeftX(f), toWindowY(view, f.h - 4 * f.step));
  place(f, kHookSymbol, hookMiddleX(f), toWindowY(view, f.h - 2 * f.step));
  for (int k = 2; k < shape && k < kMaxRepeats; ++k) {
    int x = toWindowX(view, f.p3 * view.viewState.hUnit + (0.75 * k - 0.5) * f.unit);
    place(f, kHookSymbol, x, toWindowY(view, f.h + (2 * k - 4) * f.step));
  }
  return {4.375, toWindowY(view, f.h + 2 * f.step)};
}

// Places the rest symbols of shape P5; false when P5 names no shape.
bool placeShape(const RestFrame& f, float shape, int x0, DotRow* dots) {
  struct Single {
    float shape;
    int symbol;
    double firstDot;
  };
  static constexpr Single kSingles[] = {
      {0.0f, kQuarterSymbol, 2.175},
      {1.0f, 44, 2.575},
      {-3.0f, 40, 3.175},
      {-1.0f, 41, 3.175},
      {-2.0f, 42, 3.175},
  };
  for (const Single& single : kSingles) {
    if (shape == single.shape) {
      place(f, single.symbol == kQuarterSymbol ? f.quarter : single.symbol, x0, f.y0);
      *dots = {single.firstDot, f.y0};
      return true;
    }
  }
  if (shape == 2.0f || shape == 3.0f) {
    *dots = placeShortStack(f, shape == 3.0f);
    return true;
  }
  if (shape > 3.0f) {
    *dots = placeTallStack(f, shape);
    return true;
  }
  return false;
}

}  // namespace

// The complete drawing moves the whole rest by P10 units scaled by the staff
// size and draws SCORE's quarter rest, as SCORE prints them.
void layoutRest(const Document& document, View& view, int item) {
  const DrawingMode mode = view.drawingMode;
  const ItemRecord& record = itemAt(document.itemTable, item);
  RestFrame f{};
  f.view = &view;
  f.item = item;
  f.s = truncToInt(param(record, 2));
  if (!isStaffNumber(f.s)) return;
  float size = view.staffTables.staffSize[f.s];
  f.p3 = param(record, 3);
  bool complete = mode == DrawingMode::kComplete;
  float shift = complete ? param(record, 10) * size : 0.0f;
  f.p3 += shift;
  f.quarter = complete ? kPrintedQuarterSymbol : kQuarterSymbol;
  float p4 = param(record, 4);
  if (p4 > 100.0f) p4 -= 100.0f;
  float shape = param(record, 5);
  float p9 = param(record, 9);
  float raised = p4 + 5.0f;
  f.h = staffY(view, f.s, raised);
  f.step = size * view.viewState.stepUnit;
  f.unit = size * view.viewState.hUnit;
  f.y0 = toWindowY(view, truncToInt(f.h));
  f.factor = symbolFactor(view, f.s);
  bool useP9 = shape > -5.0f && shape < -1.0f && p9 > 0.0f;
  int x0 = toWindowX(view, (useP9 ? p9 + shift : f.p3) * view.viewState.hUnit);
  DotRow dots{};
  if (!placeShape(f, shape, x0, &dots)) return;
  float dotCount = param(record, 6);
  for (int i = 0; i < dotCount && i < kMaxRepeats; ++i) {
    int x = toWindowX(view,
                      f.p3 * view.viewState.hUnit + (dots.firstOffset + kDotSpacing * i) * f.unit);
    place(f, kDotSymbol, x, dots.y);
  }
}
