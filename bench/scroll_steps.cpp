// Runs a fixed number of scroll steps on one page, for instruction counts
// that do not depend on the machine's load:
//   valgrind --tool=callgrind --toggle-collect='runScrollSteps*' \
//     scroll_steps PAGE.mus|generated:N STEPS [--basic]
// Usage: scroll_steps PAGE.mus|generated:N [STEPS] [--basic]
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_pages.h"
#include "bench/view_step.h"
#include "score/item_table.h"
#include "score/mus_file.h"

namespace {

bool loadPage(const std::string& page, Document& document) {
  const std::string generated = "generated:";
  if (page.rfind(generated, 0) == 0) {
    int count = std::atoi(page.c_str() + generated.size());
    if (count < 10) return false;
    loadItemsInMemory(document, densePageItems(count));
    return true;
  }
  std::string error;
  if (readMusFile(page, document, &error)) return true;
  std::fprintf(stderr, "scroll_steps: %s\n", error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const bool basic = argc > 1 && std::string(argv[argc - 1]) == "--basic";
  const int operands = argc - (basic ? 1 : 0);
  if (operands < 2 || operands > 3) {
    std::fprintf(stderr, "usage: scroll_steps PAGE.mus|generated:N [STEPS] [--basic]\n");
    return 2;
  }
  int steps = operands == 3 ? std::atoi(argv[2]) : 10;
  BenchPage page;
  if (!loadBenchLibraries() || !loadPage(argv[1], page.document)) return 1;
  initViewState(page.view, kBenchPixelsPerInch);
  if (basic) page.view.drawingMode = DrawingMode::kBasic;
  relayout(page);  // the first layout after opening; the steps come after it
  QImage screen = screenImage();
  runScrollSteps(screen, page, steps);
  std::printf("%d items, %d scroll steps\n", page.document.itemTable.itemCount, steps);
  return 0;
}
