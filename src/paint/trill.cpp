#include <algorithm>
#include <cmath>
#include <limits>

#include "paint/page_path.h"
#include "paint/painter.h"
#include "paint/trill_shape.h"
#include "score/item_table.h"

namespace {

constexpr double kOttavaSize = 10.41;    // points at the measured staff size
constexpr double kOttavaAdvance = 0.45;  // of the em per character, about
constexpr const char* kOttavaFont = "Nimbus Roman";

// Right edge of the item's components, in units, or x when it has none.
double signEnd(const View& view, int item, const DeviceMap& map, double x) {
  double right = -std::numeric_limits<double>::infinity();
  const ItemComponents* list = componentsOf(view.components, item);
  int count =
      list == nullptr ? 0 : std::min(list->count, static_cast<int32_t>(list->records.size()));
  for (int k = 0; k < count; ++k) {
    for (const Vector& v : list->records[static_cast<size_t>(k)]->vectors) {
      right = std::max<double>(right, v.x);
    }
  }
  if (!std::isfinite(right)) return x;
  return (right - map.originX) / map.scale / view.viewState.hUnit;
}

}  // namespace

void paintTrill(DrawingSurface& surface, const Document& document, const View& view, int i) {
  const ItemRecord& item = itemAt(document.itemTable, i);
  int s = staffOfItem(item);
  if (!isStaffNumber(s)) return;
  TrillItem trill{param(item, 3), param(item, 4), param(item, 5), param(item, 6)};
  if (!std::isfinite(trill.p3) || !std::isfinite(trill.p4)) return;
  StaffFrame frame = staffFrame(view.viewState, view.staffTables, s);
  DeviceMap map = deviceMap(view.viewState);
  TrillKind kind = trillKind(trill.p5);
  double end = trill.p3;
  if (trillSymbol(kind) >= 0) {
    drawComponents(surface, view, i);
    end = signEnd(view, i, map, trill.p3);
  } else {
    TextRun run;
    run.family = kOttavaFont;
    run.style = FontStyle::kBoldItalic;
    run.size = frame.measured(kOttavaSize) * map.scale;
    PathPoint at = map.map(frame.at(trill.p3, trill.p4));
    run.x = at.x, run.y = at.y;
    run.text = trillText(kind);
    surface.drawText(run);
    double em = frame.measured(kOttavaSize) / frame.unit;
    end = trill.p3 + kOttavaAdvance * em * static_cast<double>(run.text.size());
  }
  LineItem line;
  if (trillLine(trill, frame.size, end, &line)) paintLineShape(surface, view, line, frame);
}
