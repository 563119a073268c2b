// A view of a document: the mapping of page positions (horizontal units,
// staff steps) to window pixels for a zoom and view offsets, the four staff
// tables, the drawing mode and the components laid out for it.
#pragma once

#include <cstdint>

#include "score/document.h"
#include "view/component_lists.h"
#include "view/drawing_mode.h"

struct ViewState {
  int pixelsPerInch = 0;
  double zoom = 1.0;
  int viewOffsetX = 0;
  int viewOffsetY = 0;
  double stepUnit = 0;    // pixels per staff step at zoom 1, staff size 1
  double hUnit = 0;       // pixels per horizontal unit at zoom 1
  double symbolUnit = 0;  // base scale of laid-out library symbols
  int leftMargin = 0;
  int bottomMargin = 0;
  int pageHeight = 0;
};

constexpr int kStaffCount = 32;

// Vertical positions (P4, P5) count steps from below the staff: position 3
// is the staff's bottom line.
constexpr double kBottomLineStep = 3.0;

// Indexed by staff number 1..32; index 0 is never used.
struct StaffTables {
  float staffDefaultY[kStaffCount + 1] = {};
  float staffOffset[kStaffCount + 1] = {};
  float staffSize[kStaffCount + 1] = {};
  float staffBase[kStaffCount + 1] = {};
};

struct View {
  ViewState viewState;
  StaffTables staffTables;
  DrawingMode drawingMode = DrawingMode::kComplete;
  ComponentLists components;
  bool tracing = false;  // MELIBRON_DEBUG, read once by each layout pass
};

// Sets every field of the view state to its start value for this resolution.
void initViewState(View& view, int pixelsPerInch);

// Nearest integer, halves away from zero; saturates like truncToInt.
int roundToInt(double v);

// Page pixels at zoom 1 (x right of the page origin, y above it) to window pixels.
int toWindowX(const View& view, double x);
int toWindowY(const View& view, double y);

// True for staff numbers 1..32, the only ones the staff tables hold.
bool isStaffNumber(int s);

// P4 of a staff item: the staff's own offset in steps below its thousands
// (sign kept), and the thousands, signed, which the complete drawing reads
// as a line count.
struct StaffP4 {
  float offset = 0;
  int32_t thousands = 0;
};
StaffP4 splitStaffP4(float p4);

// Refills the view's staff tables from the staff items of the document.
// Staff items whose staff number lies outside 1..32 are passed over.
void prepareStaffTables(const Document& document, View& view);
