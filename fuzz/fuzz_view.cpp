// View changes on a loaded page, driven by the input bytes: zoom steps (on
// through 0 to negative factors), zoom factors set outright, scrolling by
// lines, offsets set outright and item edits, each followed by the relayout
// and paint the main window does.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_fixture.h"
#include "fuzz_target.h"
#include "layout/component_store.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "seed_pages.h"

namespace {

constexpr double kZoomStep = 0.25;
constexpr int kLineStep = 20;
// Enough steps to reach far zooms and offsets; more would only repeat.
constexpr size_t kMaxOperations = 16;

// The input, read byte by byte; missing bytes read as 0.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  int16_t int16() { return static_cast<int16_t>(byte() | (byte() << 8)); }
  float float32() {
    uint8_t bytes[4] = {byte(), byte(), byte(), byte()};
    float v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Offsets move in line steps; keep them inside int like the window's do for
// any reachable number of steps.
int movedOffset(int offset, int64_t by) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{offset} + by, INT32_MIN, INT32_MAX));
}

void apply(Reader& in, FuzzPage& page) {
  ViewState& v = page.view.viewState;
  ItemTable& itemTable = page.document.itemTable;
  switch (in.byte() % 8) {
    case 0: v.zoom += kZoomStep; break;
    case 1: v.zoom -= kZoomStep; break;
    case 2: v.zoom = kZoomStep * in.int16(); break;  // any multiple of a step, 0 included
    case 3: v.viewOffsetX = movedOffset(v.viewOffsetX, kLineStep * int64_t{in.int16()}); break;
    case 4: v.viewOffsetY = movedOffset(v.viewOffsetY, kLineStep * int64_t{in.int16()}); break;
    case 5: {
      // Item edit: any float into any parameter of any item.
      int item = 1 + in.byte() % std::max(1, itemTable.itemCount);
      int k = 1 + in.byte() % 32;
      float value = in.float32();
      if (item <= itemTable.itemCount) setParam(itemAt(itemTable, item), k, value);
      break;
    }
    case 6: initViewState(page.view, 1 + in.byte()); break;  // another screen resolution
    default: break;                                          // a plain relayout
  }
}

const std::vector<uint8_t>& page() {
  static const std::vector<uint8_t> bytes = [] {
    std::vector<SeedItem> items = everyItemCode();
    std::vector<SeedItem> more = pageUsingLibrary(2);
    items.insert(items.end(), more.begin(), more.end());
    return musBytes(items);
  }();
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool librariesLoaded = (loadFakeLibraries(), true);
  (void)librariesLoaded;
  FuzzPage loaded;
  std::string error;
  if (!readMusImage(page(), loaded.document, &error)) __builtin_trap();
  layoutAndPaint(loaded);
  Reader in(data, size);
  for (size_t n = 0; n < kMaxOperations && !in.done(); ++n) {
    apply(in, loaded);
    freeAllComponents(loaded.view.components);
    layoutAndPaint(loaded);
  }
  return 0;
}
