// The view-change step of the window, as it runs on every line of scrolling
// and every zoom step: freeAllComponents, layoutScore, then paintScore into a
// screen-sized raster image. Also the two halves on their own.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <functional>

#include "bench/bench_pages.h"
#include "bench/view_step.h"
#include "paint/view.h"
#include "score/item_table.h"
#include "score/mus_file.h"

namespace {

using PageLoader = std::function<bool()>;

void setCounters(benchmark::State& state) {
  state.counters["items"] = itemTable.itemCount;
  state.counters["components"] = static_cast<double>(componentTotal());
  state.SetItemsProcessed(state.iterations() * itemTable.itemCount);
}

bool prepare(benchmark::State& state, const PageLoader& load) {
  if (!load()) {
    state.SkipWithError("page could not be loaded");
    return false;
  }
  initViewState(kBenchPixelsPerInch);
  relayout();
  return true;
}

// One line down, then one line up, and so on: every step changes the view.
void scrollBench(benchmark::State& state, const PageLoader& load) {
  if (!prepare(state, load)) return;
  QImage screen = screenImage();
  int start = viewState.viewOffsetY;
  int k = 0;
  for (auto _ : state) scrollStep(screen, start, k++);
  setCounters(state);
}

// Ctrl+Page Up and Page Down in turn.
void zoomBench(benchmark::State& state, const PageLoader& load) {
  if (!prepare(state, load)) return;
  QImage screen = screenImage();
  bool in = false;
  for (auto _ : state) {
    in = !in;
    viewState.zoom = in ? 1.25 : 1.0;
    relayout();
    paintScreen(screen);
  }
  setCounters(state);
}

void layoutBench(benchmark::State& state, const PageLoader& load) {
  if (!prepare(state, load)) return;
  for (auto _ : state) relayout();
  setCounters(state);
}

void paintBench(benchmark::State& state, const PageLoader& load) {
  if (!prepare(state, load)) return;
  QImage screen = screenImage();
  for (auto _ : state) paintScreen(screen);
  setCounters(state);
}

PageLoader fileLoader(const std::string& path) {
  return [path] {
    std::string error;
    return readMusFile(path, &error);
  };
}

PageLoader generatedLoader(int count) {
  return [count] {
    loadItemsInMemory(densePageItems(count));
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
