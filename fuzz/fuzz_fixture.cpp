#include "fuzz_fixture.h"

#include <string>

#include "checking_surface.h"
#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/pen_widths.h"
#include "paint/svg_surface.h"
#include "score/item_table.h"

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kPageWidth = 816;  // 8.5 x 11 inches
constexpr int kPageHeight = 1056;

DrwSymbol fakeSymbol(int symbol) {
  std::string name = "f" + std::to_string(symbol);
  return {name,
          {
              {0, 0, 1},
              {10, -20, 0},
              {100, -40, 0},  // polyline
              {20, 0, -1},
              {20, 20, -1},
              {0, 20, -1},  // Bézier run ...
              {0, 0, 2},
              {8, 0, 0},
              {8, 8, 0},
              {0, 8, 0},  // ... drawn before this polygon
              {2, 2, 3},
              {6, 2, 0},
              {6, 6, 0},  // white polygon
              {1, 1, 7},
              {2, 2, 0},  // draws nothing
          }};
}

}  // namespace

std::vector<uint8_t> fakeLibraryFile(int library) {
  std::vector<DrwSymbol> symbols;
  int count = library == kLibraryCount - 1 ? kSymbolsPerLibrary - 1 : kSymbolsPerLibrary;
  symbols.reserve(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) symbols.push_back(fakeSymbol(kSymbolsPerLibrary * library + k));
  return drwImage(symbols);
}

void loadFakeLibraries() {
  for (int library = 0; library < kLibraryCount; ++library) {
    loadLibraryImage(library, fakeLibraryFile(library));
  }
}

FuzzPage::FuzzPage() { initViewState(view, kPixelsPerInch); }

size_t layoutAndPaint(FuzzPage& page) {
  int64_t calls = 0;
  for (DrawingMode mode : {DrawingMode::kBasic, DrawingMode::kComplete}) {
    page.view.drawingMode = mode;
    layoutScore(page.document, page.view);
    CheckingSurface surface;
    paintScore(surface, page.document, page.view);
    calls = surface.calls();
  }
  // The SVG page of the same calls, at the weights of the view's zoom.
  SvgSurface svg(page.document, kPageWidth, kPageHeight, kPixelsPerInch,
                 penWidths(page.view.viewState));
  paintScore(svg, page.document, page.view);
  svg.svg();
  return static_cast<size_t>(calls);
}
