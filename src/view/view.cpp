#include "view/view.h"

#include "score/conversions.h"
#include "score/item_table.h"

namespace {

constexpr double kStepInches = 0.04375;  // four spaces of a size-1 staff: 0.35 inch
constexpr double kHUnitInches = 0.0375;  // 200 units: 7.5 inches
constexpr double kSymbolUnitInches = 0.00625;
constexpr double kLeftMarginInches = 0.5;
constexpr double kBottomMarginInches = 0.75;
constexpr int kPageHeightInches = 11;
constexpr int kStepsBetweenStaves = 18;
constexpr float kThousand = 1000.0f;   // P4 carries the staff's own offset below its thousands
constexpr float kThousandth = 0.001f;  // deliberately single precision

void readStaffItem(const ItemRecord& item, View& view) {
  int n = truncToInt(param(item, 2));
  if (!isStaffNumber(n)) return;
  // An absent P4 reads as 0.0, which gives the offset 0 the format asks for;
  // an absent P5 reads as 0.0 too, which means size 1.0 either way.
  view.staffTables.staffOffset[n] =
      static_cast<float>(splitStaffP4(param(item, 4)).offset * view.viewState.stepUnit);
  float size = param(item, 5);
  view.staffTables.staffSize[n] = size == 0.0f ? 1.0f : size;
}

}  // namespace

void initViewState(View& view, int pixelsPerInch) {
  ViewState& viewState = view.viewState;
  viewState = ViewState{};
  viewState.pixelsPerInch = pixelsPerInch;
  viewState.stepUnit = pixelsPerInch * kStepInches;
  viewState.hUnit = pixelsPerInch * kHUnitInches;
  viewState.symbolUnit = pixelsPerInch * kSymbolUnitInches;
  viewState.leftMargin = truncToInt(pixelsPerInch * kLeftMarginInches);
  viewState.bottomMargin = truncToInt(pixelsPerInch * kBottomMarginInches);
  viewState.pageHeight = truncToInt(static_cast<double>(kPageHeightInches) * pixelsPerInch);
}

int roundToInt(double v) {
  if (v > 0) return truncToInt(v + 0.5);
  if (v < 0) return truncToInt(v - 0.5);
  return 0;
}

int toWindowX(const View& view, double x) {
  const ViewState& viewState = view.viewState;
  return roundToInt((viewState.leftMargin + x) * viewState.zoom + viewState.viewOffsetX);
}

int toWindowY(const View& view, double y) {
  const ViewState& viewState = view.viewState;
  // The origin's height is an integer difference, taken before the double y.
  int originY = viewState.pageHeight - viewState.bottomMargin;
  return roundToInt((originY - y) * viewState.zoom + viewState.viewOffsetY);
}

bool isStaffNumber(int s) { return s >= 1 && s <= kStaffCount; }

void prepareStaffTables(const Document& document, View& view) {
  StaffTables& staffTables = view.staffTables;
  for (int k = 0; k < kStaffCount; ++k) {
    staffTables.staffDefaultY[k + 1] =
        static_cast<float>((kStepsBetweenStaves * k) * view.viewState.stepUnit);
  }
  const ItemTable& table = document.itemTable;
  for (int i = 1; i <= table.itemCount; ++i) {
    const ItemRecord& item = itemAt(table, i);
    if (itemCode(item) == kStaffCode) readStaffItem(item, view);
  }
  for (int n = 1; n <= kStaffCount; ++n) {
    staffTables.staffBase[n] = static_cast<float>(static_cast<double>(staffTables.staffSize[n]) *
                                                      staffTables.staffOffset[n] +
                                                  staffTables.staffDefaultY[n]);
  }
}

StaffP4 splitStaffP4(float p4) {
  StaffP4 split{p4, 0};
  if (p4 >= kThousand || p4 <= -kThousand) {
    // The factor is the single-precision 0.001 (0.0010000000474974513) and the
    // product is taken in double: this decides values just below a thousand.
    split.thousands = truncToInt(static_cast<double>(p4) * static_cast<double>(kThousandth));
    split.offset = static_cast<float>(static_cast<double>(p4) - 1000.0 * split.thousands);
  }
  return split;
}
