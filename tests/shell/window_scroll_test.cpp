// Scroll requests, the scroll-bar position they set and the picture they move.
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "view/view.h"
#include "score/item_table.h"
#include "shell/commands.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

struct ScrollRow {
  const char* name;
  ScrollRequest request;
  int start;  // scroll position coordinate before the request
  int thumb;  // thumb position carried by thumb requests
  int viewOffset;
  // Expected coordinate, given the client extent (width or height).
  std::function<int(int extent)> expected;
};

using ScrollTest = WindowTest;

TEST_F(ScrollTest, VerticalRequestsMoveOffsetAndPositionWithinLimits) {
  const std::vector<ScrollRow> rows = {
      {"line up", kLineUp, 2000, 0, 20, [](int) { return 2010; }},
      {"line up at 2995", kLineUp, 2995, 0, 20, [](int) { return 3000; }},
      {"line up at the limit", kLineUp, 3000, 0, 20, [](int) { return 3000; }},
      {"line down", kLineDown, 2000, 0, -20, [](int) { return 1990; }},
      {"line down near the client height", kLineDown, 0, 0, -20,
       [](int) { return 0; }},
      {"page up", kPageUp, 1000, 0, 0, [](int h) { return std::min(1000 + h / 2, 3000); }},
      {"page up near the limit", kPageUp, 2990, 0, 0, [](int) { return 3000; }},
      {"page down", kPageDown, 2500, 0, 0, [](int h) { return std::max(2500 - h / 2, h); }},
      {"page down at the client height", kPageDown, -1, 0, 0, [](int h) { return h; }},
      {"thumb position", kThumbPosition, 2000, 700, 0, [](int) { return 2300; }},
      {"thumb track", kThumbTrack, 2000, 10, 0, [](int) { return 2990; }},
  };
  for (const ScrollRow& row : rows) {
    SCOPED_TRACE(row.name);
    window->setPixelsPerInch(96);
    int height = window->clientSize().height();
    // start -1 stands for the client height itself.
    int start = row.start == -1 ? height : row.start;
    window->verticalScroll(kThumbPosition, 3000 - start);
    window->verticalScroll(row.request, row.thumb);
    int expected = row.expected(height);
    EXPECT_EQ(window->scrollPosition().y(), expected);
    EXPECT_EQ(window->view().viewState.viewOffsetY, row.viewOffset);
    EXPECT_EQ(window->view().viewState.viewOffsetX, 0);
    EXPECT_EQ(window->verticalBar()->sliderPosition(),
              std::clamp(3000 - expected, 0, window->verticalBar()->maximum()));
  }
}

TEST_F(ScrollTest, LineDownStopsAtTheClientHeight) {
  int height = window->clientSize().height();
  window->verticalScroll(kThumbPosition, 3000 - (height + 5));
  window->verticalScroll(kLineDown);
  EXPECT_EQ(window->scrollPosition().y(), height);
  window->verticalScroll(kLineDown);
  EXPECT_EQ(window->scrollPosition().y(), height);
  EXPECT_EQ(window->view().viewState.viewOffsetY, -40);  // the picture moves even at the limit
}

TEST_F(ScrollTest, HorizontalRequestsMoveOffsetAndPositionWithinLimits) {
  const std::vector<ScrollRow> rows = {
      {"line left", kLineLeft, -500, 0, 20, [](int) { return -490; }},
      {"line left at -5", kLineLeft, -5, 0, 20, [](int) { return 0; }},
      {"line left at the limit", kLineLeft, 0, 0, 20, [](int) { return 0; }},
      {"line right", kLineRight, -500, 0, -20, [](int) { return -510; }},
      {"line right past the limit", kLineRight, -3000, 0, -20, [](int) { return -3000; }},
      {"page left", kPageLeft, -1000, 0, 0, [](int w) { return std::min(-1000 + w / 2, 0); }},
      {"page left near 0", kPageLeft, -30, 0, 0, [](int) { return 0; }},
      {"page right", kPageRight, 0, 0, 0, [](int w) { return std::max(-w / 2, w - 2000); }},
      {"thumb position", kThumbPosition, 0, 700, 0, [](int) { return -700; }},
      {"thumb track", kThumbTrack, 0, 35, 0, [](int) { return -35; }},
  };
  for (const ScrollRow& row : rows) {
    SCOPED_TRACE(row.name);
    window->setPixelsPerInch(96);
    int width = window->clientSize().width();
    window->horizontalScroll(kThumbPosition, -row.start);
    window->horizontalScroll(row.request, row.thumb);
    int expected = row.expected(width);
    EXPECT_EQ(window->scrollPosition().x(), expected);
    EXPECT_EQ(window->view().viewState.viewOffsetX, row.viewOffset);
    EXPECT_EQ(window->view().viewState.viewOffsetY, 0);
    EXPECT_EQ(window->horizontalBar()->sliderPosition(),
              std::clamp(-expected, 0, window->horizontalBar()->maximum()));
  }
}

TEST_F(ScrollTest, LineRequestsLayTheScoreOutAgain) {
  openItems({{8, 1, 0, 0}, {3, 1, 10, 0}});
  window->keyDown(Qt::Key_End);
  window->verticalScroll(kLineUp);
  int laidOut = componentsOf(window->view().components, 2)->count;
  EXPECT_GT(laidOut, 0) << "the clef was not laid out again";
  window->horizontalScroll(kLineLeft);
  EXPECT_EQ(componentsOf(window->view().components, 2)->count, laidOut) << "components piled up instead of being freed";
}

TEST_F(ScrollTest, ScrollBarActionsBecomeRequests) {
  window->keyDown(Qt::Key_End);
  window->verticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 20);
  window->horizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window->view().viewState.viewOffsetX, -20);
  int height = window->clientSize().height();
  window->verticalBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(window->scrollPosition().y(), std::min(height + 10 + height / 2, 3000));
  EXPECT_EQ(window->verticalBar()->value(), 3000 - window->scrollPosition().y());
}

TEST_F(ScrollTest, WheelNotchesSendLineRequests) {
  QWidget* viewport = window->centralWidget()->findChild<QWidget*>("qt_scrollarea_viewport");
  ASSERT_NE(viewport, nullptr);
  auto wheel = [&](QPoint delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), delta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
  };
  wheel(QPoint(0, 240), Qt::NoModifier);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 40);
  wheel(QPoint(0, -120), Qt::NoModifier);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 20);
  wheel(QPoint(0, 120), Qt::ShiftModifier);
  EXPECT_EQ(window->view().viewState.viewOffsetX, 20);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 20);
  wheel(QPoint(0, 60), Qt::NoModifier);  // half a notch waits for the other half
  EXPECT_EQ(window->view().viewState.viewOffsetY, 20);
  wheel(QPoint(0, 60), Qt::NoModifier);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 40);
}

TEST_F(ScrollTest, ResetSetsThePositionToZeroAndKeepsZoomAndOffsets) {
  window->keyDown(Qt::Key_Control);
  window->keyDown(Qt::Key_PageUp);
  window->keyUp(Qt::Key_Control);
  window->verticalScroll(kLineUp);
  window->horizontalScroll(kLineRight);
  window->command(kResetCommand);
  EXPECT_EQ(window->scrollPosition(), QPoint(0, 0));
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 1.25);
  EXPECT_EQ(window->view().viewState.viewOffsetX, -20);
  EXPECT_EQ(window->view().viewState.viewOffsetY, 20);
}

}  // namespace
