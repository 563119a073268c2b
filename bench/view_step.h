// The window's work for one view change: freeAllComponents, layoutScore,
// then paintScore into a screen-sized raster image cleared to white.
#pragma once

#include <QImage>

#include "score/document.h"
#include "shell/text_run_cache.h"
#include "view/view.h"

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kBenchPixelsPerInch = 96;
constexpr int kLineScroll = 20;  // pixels the view moves for one line

// A page as the window holds it: its document and the view it is shown in.
struct BenchPage {
  Document document;
  View view;
  TextRunCache textRuns;
};

// A white screen-sized image in the window's offscreen format.
QImage screenImage();

// Frees every component and lays the page out again.
void relayout(BenchPage& page);

// Clears screen to white and paints the laid-out page onto it.
void paintScreen(QImage& screen, BenchPage& page);

// Scroll step k (0, 1, ...) from the view offset start: one line down for
// even k, back up for odd k, so that every step changes the view; relays out
// and paints.
void scrollStep(QImage& screen, BenchPage& page, int start, int k);

// `steps` lines of scrolling on the loaded page, alternately one line down
// and back up from the start offset, each relaid out and painted. Assumes
// initViewState has run. Kept out of line so profilers can single it out.
void runScrollSteps(QImage& screen, BenchPage& page, int steps);
