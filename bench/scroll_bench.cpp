// The view-change step of the window, as it runs on every line of scrolling
// and every zoom step: freeAllComponents, layoutScore, then paintScore into a
// screen-sized raster image. Also the two halves on their own.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <functional>

#include "bench/bench_pages.h"
#include "bench/view_step.h"
#include "score/item_table.h"
#include "score/mus_file.h"

namespace {

using PageLoader = std::function<bool(Document&)>;

void setCounters(benchmark::State& state, const BenchPage& page) {
  const int items = page.document.itemTable.itemCount;
  state.counters["items"] = items;
  state.counters["components"] = static_cast<double>(componentTotal(page.view));
  state.SetItemsProcessed(state.iterations() * items);
}

bool prepare(benchmark::State& state, const PageLoader& load, BenchPage& page) {
  if (!load(page.document)) {
    state.SkipWithError("page could not be loaded");
    return false;
  }
  initViewState(page.view, kBenchPixelsPerInch);
  relayout(page);
  return true;
}

// One line down, then one line up, and so on: every step changes the view.
void scrollBench(benchmark::State& state, const PageLoader& load) {
  BenchPage page;
  if (!prepare(state, load, page)) return;
  QImage screen = screenImage();
  int start = page.view.viewState.viewOffsetY;
  int k = 0;
  for (auto _ : state) scrollStep(screen, page, start, k++);
  setCounters(state, page);
}

// Ctrl+Page Up and Page Down in turn.
void zoomBench(benchmark::State& state, const PageLoader& load) {
  BenchPage page;
  if (!prepare(state, load, page)) return;
  QImage screen = screenImage();
  bool in = false;
  for (auto _ : state) {
    in = !in;
    page.view.viewState.zoom = in ? 1.25 : 1.0;
    relayout(page);
    paintScreen(screen, page);
  }
  setCounters(state, page);
}

void layoutBench(benchmark::State& state, const PageLoader& load) {
  BenchPage page;
  if (!prepare(state, load, page)) return;
  for (auto _ : state) relayout(page);
  setCounters(state, page);
}

void paintBench(benchmark::State& state, const PageLoader& load) {
  BenchPage page;
  if (!prepare(state, load, page)) return;
  QImage screen = screenImage();
  for (auto _ : state) paintScreen(screen, page);
  setCounters(state, page);
}

PageLoader fileLoader(const std::string& path) {
  return [path](Document& document) {
    std::string error;
    return readMusFile(path, document, &error);
  };
}

PageLoader generatedLoader(int count) {
  return [count](Document& document) {
    loadItemsInMemory(document, densePageItems(count));
    return true;
  };
}

void registerPage(const std::string& name, const PageLoader& load) {
  benchmark::RegisterBenchmark(("ScrollStep/" + name).c_str(), scrollBench, load)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("ZoomStep/" + name).c_str(), zoomBench, load)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("LayoutOnly/" + name).c_str(), layoutBench, load)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("PaintOnly/" + name).c_str(), paintBench, load)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (!loadBenchLibraries()) return 1;
  registerPage("demo", fileLoader(demoPagePath()));
  for (const std::string& name : corpusPageNames()) {
    std::string path = corpusPagePath(name);
    if (!path.empty()) registerPage(name, fileLoader(path));
  }
  registerPage("dense4000", generatedLoader(4000));
  for (int count : {500, 2000, 8000, 32000}) {
    benchmark::RegisterBenchmark(("ScrollStep/generated" + std::to_string(count)).c_str(),
                                 scrollBench, generatedLoader(count))
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
