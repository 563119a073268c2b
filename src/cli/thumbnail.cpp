#include "cli/thumbnail.h"

#include "cli/page_export.h"

namespace {

// Drawn at twice the size, then reduced: staff lines a pixel apart blend to
// the grey they look on paper instead of merging into a black band.
constexpr int kOversampling = 2;

// Each pixel the mean of the square of drawn pixels it stands for.
GreyPage reduced(const GreyPage& drawn, int size) {
  GreyPage out = whitePage(size, size);
  constexpr int kArea = kOversampling * kOversampling;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int sum = 0;
      for (int dy = 0; dy < kOversampling; ++dy) {
        const uint8_t* row = drawn.row(y * kOversampling + dy) + x * kOversampling;
        for (int dx = 0; dx < kOversampling; ++dx) sum += row[dx];
      }
      out.row(y)[x] = static_cast<uint8_t>((sum + kArea / 2) / kArea);
    }
  }
  return out;
}

}  // namespace

bool exportThumbnail(const std::string& path, const Document& document, int size, DrawingMode mode,
                     std::string* error) {
  PageOptions options;
  options.antialias = true;
  options.drawingMode = mode;
  const int drawn = kOversampling * size;
  options.zoom = static_cast<double>(drawn) / pageSize(options).width;
  View view;
  layoutPage(document, view, options);
  GreyPage page = paintGreyPage(document, view, {drawn, drawn}, options.antialias);
  if (page.pixels.empty()) {
    *error = "not enough memory for the thumbnail";
    return false;
  }
  return savePngPage(path, reduced(page, size), error);
}
