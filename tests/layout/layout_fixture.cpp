#include "layout/layout_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "score/conversions.h"
#include "score/item_table.h"
#include "view/view.h"

void fillFakeLibrary() {
  for (int n = 0; n < kSymbolCount; ++n) {
    auto symbol = std::make_unique<LibrarySymbol>();
    char name[8];
    std::snprintf(name, sizeof name, "s%d", n);
    for (int c = 0; c < 5 && name[c] != '\0'; ++c) symbol->name[c] = name[c];
    symbol->vectors = {{0, 0}, {10, -20}, {100, -40}, {kProbe, kProbe}};
    symbol->drawList = {{kPolyline, 4}};
    libraryTable[n] = std::move(symbol);
  }
}

void clearLibrary() {
  for (auto& slot : libraryTable) slot.reset();
}

int symbolOf(const Component& component) {
  if (component.name[0] != 's') return -1;
  int n = 0;
  for (int c = 1; c < 5 && component.name[c] != '\0'; ++c) n = 10 * n + (component.name[c] - '0');
  return n;
}

std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << "{symbol " << p.symbol << " at (" << p.x << ", " << p.y << ") probe (" << p.scaleX
             << ", " << p.scaleY << ")}";
}

int componentCount(const View& view, int item) {
  const ItemComponents* list = componentsOf(view.components, item);
  return list == nullptr ? 0 : list->count;
}

const Component& componentOf(const View& view, int item, int k) {
  return *componentsOf(view.components, item)->records.at(static_cast<size_t>(k));
}

std::vector<Placed> placedOf(const View& view, int item) {
  std::vector<Placed> result;
  for (int k = 0; k < componentCount(view, item); ++k) {
    const Component& c = componentOf(view, item, k);
    const Vector& origin = c.vectors[0];
    const Vector& probePoint = c.vectors[3];
    result.push_back(
        {symbolOf(c), origin.x, origin.y, probePoint.x - origin.x, probePoint.y - origin.y});
  }
  return result;
}

int probe(float f) { return truncToInt(static_cast<double>(kProbe) * f); }

Placed at(int symbol, int x, int y, float f, bool mirrored) {
  return {symbol, x, y, probe(f), mirrored ? -probe(f) : probe(f)};
}

void LayoutTest::SetUp() {
  initViewState(view, 96);
  view.drawingMode = DrawingMode::kBasic;  // the cases are the basic drawing's
  fillFakeLibrary();
}

void LayoutTest::TearDown() { clearLibrary(); }
