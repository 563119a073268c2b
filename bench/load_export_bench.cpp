// Opening a page (readMusFile and the first layout pass) and exporting it to
// PNG, SVG and PDF as `melibron -o` does, and to a 256-pixel thumbnail as
// `melibron --thumbnail` does, file writing included.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <fstream>

#include "bench/bench_pages.h"
#include "cli/page_export.h"
#include "cli/thumbnail.h"
#include "layout/layout.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "shell/qt_commands.h"

namespace {

constexpr int kPixelsPerInch = 96;

void loadPage(benchmark::State& state, const std::string& path) {
  std::string error;
  Document document;
  View view;
  for (auto _ : state) {
    if (!readMusFile(path, document, &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    initViewState(view, kPixelsPerInch);
    layoutScore(document, view);
  }
  state.counters["items"] = document.itemTable.itemCount;
}

void exportTo(benchmark::State& state, const std::string& path, PageFormat format,
              const std::string& output) {
  std::string error;
  Document document;
  if (!readMusFile(path, document, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  PageOptions options;
  options.pixelsPerInch = kPixelsPerInch;
  for (auto _ : state) {
    if (!exportPage(output, format, document, options, &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
  std::ifstream written(output, std::ios::binary | std::ios::ate);
  state.counters["bytes"] = static_cast<double>(written.tellg());
}

void thumbnailOf(benchmark::State& state, const std::string& path, const std::string& output) {
  std::string error;
  Document document;
  if (!readMusFile(path, document, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    if (!exportThumbnail(output, document, 256, DrawingMode::kComplete, &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
}

// The dense page as a file, so that it is read like any other page.
std::string writeDensePage(const QTemporaryDir& dir) {
  std::string path = dir.filePath("dense4000.mus").toStdString();
  std::vector<uint8_t> image = pageImage(densePageItems(4000));
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()),
             static_cast<std::streamsize>(image.size()));
  return path;
}

void registerPage(const std::string& name, const std::string& path, const QTemporaryDir& dir) {
  benchmark::RegisterBenchmark(("Load/" + name).c_str(), loadPage, path)
      ->Unit(benchmark::kMillisecond);
  struct Target {
    const char* extension;
    PageFormat format;
  };
  for (Target t : {Target{"png", PageFormat::kPng}, Target{"svg", PageFormat::kSvg},
                   Target{"pdf", PageFormat::kPdf}}) {
    std::string output = dir.filePath(QString("page.") + t.extension).toStdString();
    benchmark::RegisterBenchmark(("Export/" + std::string(t.extension) + "/" + name).c_str(),
                                 exportTo, path, t.format, output)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark(("Thumbnail/256/" + name).c_str(), thumbnailOf, path,
                               dir.filePath("thumbnail.png").toStdString())
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  provideQtDrawnConversions();  // PDF pages, as melibron-window draws them
  benchmark::Initialize(&argc, argv);
  if (!loadBenchLibraries()) return 1;
  QTemporaryDir dir;
  if (!dir.isValid()) return 1;
  registerPage("demo", demoPagePath(), dir);
  for (const std::string& name : corpusPageNames()) {
    std::string path = corpusPagePath(name);
    if (!path.empty()) registerPage(name, path, dir);
  }
  registerPage("dense4000", writeDensePage(dir), dir);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
