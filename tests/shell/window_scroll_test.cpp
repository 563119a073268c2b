// The one model of scroll bars, keys, wheel and zoom: every way of scrolling
// moves the view, the bars show where it is, and the view stays on the page
// and its margin.
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

#include "library/library_table.h"
#include "shell/commands.h"
#include "support/mus_bytes.h"
#include "view/view.h"
#include "window_fixture.h"

namespace {

class ScrollTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // At zoom 2 the page is larger than the client both ways.
    window->zoomTo(2.0, QPointF(0, 0));
    window->scrollTo(QPoint(0, 0));
  }
  QWidget* viewport() const {
    return window->centralWidget()->findChild<QWidget*>("qt_scrollarea_viewport");
  }
  void wheel(QPoint delta, Qt::KeyboardModifiers modifiers, QPointF at = QPointF(10, 10)) {
    QWheelEvent event(at, at, QPoint(), delta, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &event);
  }
  // The view offsets agree with the bars: the page's corner lies the margin
  // before the bars' values.
  void expectViewAtBars() {
    EXPECT_EQ(window->view().viewState.viewOffsetX, kPageMargin - window->horizontalBar()->value());
    EXPECT_EQ(window->view().viewState.viewOffsetY, kPageMargin - window->verticalBar()->value());
  }
};

struct RequestRow {
  const char* name;
  bool vertical;
  ScrollRequest request;
  int thumb;
  // The expected position from the start position, given the client extent.
  std::function<int(int start, int extent)> expected;
};

TEST_F(ScrollTest, EveryRequestMovesTheViewAndTheBar) {
  const std::vector<RequestRow> rows = {
      {"line up", true, kLineUp, 0, [](int s, int) { return s - 20; }},
      {"line down", true, kLineDown, 0, [](int s, int) { return s + 20; }},
      {"page up", true, kPageUp, 0, [](int s, int h) { return s - h / 2; }},
      {"page down", true, kPageDown, 0, [](int s, int h) { return s + h / 2; }},
      {"thumb position", true, kThumbPosition, 700, [](int, int) { return 700; }},
      {"thumb track", true, kThumbTrack, 650, [](int, int) { return 650; }},
      {"line left", false, kLineLeft, 0, [](int s, int) { return s - 20; }},
      {"line right", false, kLineRight, 0, [](int s, int) { return s + 20; }},
      {"page left", false, kPageLeft, 0, [](int s, int w) { return s - w / 2; }},
      {"page right", false, kPageRight, 0, [](int s, int w) { return s + w / 2; }},
      {"horizontal thumb", false, kThumbTrack, 333, [](int, int) { return 333; }},
  };
  for (const RequestRow& row : rows) {
    SCOPED_TRACE(row.name);
    window->scrollTo(QPoint(400, 600));
    QSize client = window->clientSize();
    if (row.vertical) {
      window->verticalScroll(row.request, row.thumb);
      EXPECT_EQ(window->scrollPosition(), QPoint(400, row.expected(600, client.height())));
    } else {
      window->horizontalScroll(row.request, row.thumb);
      EXPECT_EQ(window->scrollPosition(), QPoint(row.expected(400, client.width()), 600));
    }
    expectViewAtBars();
  }
}

TEST_F(ScrollTest, TheViewStaysOnThePageAndItsMargin) {
  QSize client = window->clientSize();
  for (int i = 0; i < 200; ++i) window->verticalScroll(kPageDown);
  for (int i = 0; i < 200; ++i) window->horizontalScroll(kLineRight);
  QRect page = window->pageRect();
  EXPECT_EQ(page.bottom() + 1 + kPageMargin, client.height()) << "past the bottom margin";
  EXPECT_EQ(page.right() + 1 + kPageMargin, client.width()) << "past the right margin";
  EXPECT_EQ(window->verticalBar()->value(), window->verticalBar()->maximum());
  for (int i = 0; i < 200; ++i) window->verticalScroll(kLineUp);
  window->horizontalScroll(kThumbTrack, -50);
  EXPECT_EQ(window->scrollPosition(), QPoint(0, 0));
  EXPECT_EQ(window->pageRect().topLeft(), QPoint(kPageMargin, kPageMargin));
  // The bars span the page and its margin, a client's worth at a time.
  EXPECT_EQ(window->verticalBar()->maximum(), page.height() + 2 * kPageMargin - client.height());
  EXPECT_EQ(window->verticalBar()->pageStep(), client.height());
  EXPECT_EQ(window->horizontalBar()->maximum(), page.width() + 2 * kPageMargin - client.width());
}

TEST_F(ScrollTest, APageSmallerThanTheClientIsCentredAndStays) {
  window->zoomTo(0.25, QPointF(0, 0));
  QSize client = window->clientSize();
  QRect page = window->pageRect();
  EXPECT_EQ(page.center().x(), QRect(QPoint(0, 0), client).center().x());
  EXPECT_EQ(window->verticalBar()->maximum(), 0);
  window->verticalScroll(kLineDown);
  window->horizontalScroll(kPageRight);
  EXPECT_EQ(window->pageRect(), page);
}

TEST_F(ScrollTest, BarActionsMoveTheView) {
  QScrollBar* vertical = window->verticalBar();
  vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(vertical->value(), 20);
  EXPECT_EQ(window->view().viewState.viewOffsetY, kPageMargin - 20);
  vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(vertical->value(), 20 + window->clientSize().height() / 2);
  // Dragging the thumb: the slider reports each position as it moves.
  vertical->setSliderDown(true);
  vertical->setSliderPosition(500);
  vertical->setSliderDown(false);
  EXPECT_EQ(vertical->value(), 500);
  window->horizontalBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(window->horizontalBar()->value(), window->horizontalBar()->maximum());
  expectViewAtBars();
}

TEST_F(ScrollTest, WheelNotchesScrollThePlatformsLinesAndCtrlZoomsAtTheMouse) {
  int lines = QApplication::wheelScrollLines();
  window->scrollTo(QPoint(300, 600));
  wheel(QPoint(0, -240), Qt::NoModifier);
  EXPECT_EQ(window->scrollPosition().y(), 600 + 2 * 20 * lines);
  wheel(QPoint(0, 120), Qt::NoModifier);
  EXPECT_EQ(window->scrollPosition().y(), 600 + 20 * lines);
  wheel(QPoint(0, 120), Qt::ShiftModifier);
  EXPECT_EQ(window->scrollPosition(), QPoint(300 - 20 * lines, 600 + 20 * lines));
  wheel(QPoint(0, 60), Qt::NoModifier);  // half a notch waits for the other half
  EXPECT_EQ(window->scrollPosition().y(), 600 + 20 * lines);
  wheel(QPoint(0, 60), Qt::NoModifier);
  EXPECT_EQ(window->scrollPosition().y(), 600);

  QPointF mouse(200, 150);
  QPointF pageBefore =
      (mouse - QPointF(window->pageRect().topLeft())) / window->view().viewState.zoom;
  wheel(QPoint(0, 120), Qt::ControlModifier, mouse);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 2.25);
  QPointF pageAfter =
      (mouse - QPointF(window->pageRect().topLeft())) / window->view().viewState.zoom;
  EXPECT_NEAR(pageAfter.x(), pageBefore.x(), 1.0);
  EXPECT_NEAR(pageAfter.y(), pageBefore.y(), 1.0);
}

TEST_F(ScrollTest, ZoomIsBoundedAndKeepsTheAnchorWhereItCan) {
  struct Case {
    double asked;
    double zoom;
  };
  for (Case c : {Case{0.0, kMinZoom}, Case{-3, kMinZoom}, Case{40, kMaxZoom}, Case{3.5, 3.5}}) {
    SCOPED_TRACE(c.asked);
    window->zoomTo(2.0, QPointF(0, 0));
    window->scrollTo(QPoint(500, 700));
    QPointF anchor(300, 200);
    QPointF page = (anchor - QPointF(window->pageRect().topLeft())) / window->view().viewState.zoom;
    window->zoomTo(c.asked, anchor);
    EXPECT_DOUBLE_EQ(window->view().viewState.zoom, c.zoom);
    // A page smaller than the client is centred instead.
    if (c.zoom > 1) {
      EXPECT_NEAR(window->pageRect().left() + page.x() * c.zoom, anchor.x(), 1.0);
      EXPECT_NEAR(window->pageRect().top() + page.y() * c.zoom, anchor.y(), 1.0);
      expectViewAtBars();
    }
    window->paintOffscreen();
  }
  window->keyDown(Qt::Key_Control);
  for (int i = 0; i < 100; ++i) window->keyDown(Qt::Key_PageDown);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, kMinZoom);
  for (int i = 0; i < 100; ++i) window->keyDown(Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, kMaxZoom);
}

TEST_F(ScrollTest, ZoomKeysZoomAboutTheWindowCentre) {
  window->scrollTo(QPoint(400, 500));
  QPointF centre = QRectF(QPointF(0, 0), QSizeF(window->clientSize())).center();
  QPointF page = (centre - QPointF(window->pageRect().topLeft())) / window->view().viewState.zoom;
  window->keyDown(Qt::Key_Control);
  window->keyDown(Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 2.25);
  EXPECT_NEAR(window->pageRect().left() + page.x() * 2.25, centre.x(), 1.0);
  EXPECT_NEAR(window->pageRect().top() + page.y() * 2.25, centre.y(), 1.0);
}

TEST_F(ScrollTest, ViewChangesLayTheScoreOutAgain) {
  openItems({{8, 1, 0, 0}, {3, 1, 10, 0}});
  window->zoomTo(2.0, QPointF(0, 0));
  window->scrollTo(QPoint(100, 100));
  auto clef = [&] { return componentsOf(window->view().components, 2); };
  int laidOut = clef()->count;
  ASSERT_GT(laidOut, 0) << "the clef was not laid out";
  int x = clef()->records[0]->vectors[0].x;
  window->horizontalScroll(kLineRight);
  EXPECT_EQ(clef()->count, laidOut) << "components piled up instead of being freed";
  EXPECT_EQ(clef()->records[0]->vectors[0].x, x - 20);
}

TEST_F(ScrollTest, FitWidthFitPageAndActualSize) {
  QSize client = window->clientSize();
  window->command(kFitWidthCommand);
  EXPECT_EQ(window->fitMode(), FitMode::kWidth);
  EXPECT_NEAR(window->pageRect().width(), client.width() - 2 * kPageMargin, 1);
  EXPECT_EQ(window->horizontalBar()->maximum(), 0);
  window->command(kFitPageCommand);
  QRect page = window->pageRect();
  EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(page));
  EXPECT_NEAR(page.height(), client.height() - 2 * kPageMargin, 1);
  window->command(kActualSizeCommand);
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 1.0);
  EXPECT_EQ(window->fitMode(), FitMode::kNone);
}

TEST_F(ScrollTest, ResizingResetsTheBarsAndTheFittedZoomFollows) {
  // A file opened before the window manager's maximise arrives.
  window->resize(300, 250);
  QApplication::processEvents();
  std::string path = writeFile("page.mus", musImage({{8, 1, 0, 0}}));
  ASSERT_TRUE(window->openFile(path));
  window->resize(1000, 800);
  QApplication::processEvents();
  QSize client = window->clientSize();
  ASSERT_GT(client.height(), 500);
  EXPECT_EQ(window->verticalBar()->pageStep(), client.height());
  EXPECT_EQ(window->verticalBar()->maximum(),
            window->pageRect().height() + 2 * kPageMargin - client.height());
  EXPECT_EQ(window->verticalBar()->value(), 0) << "the top of the page is shown";
  EXPECT_NEAR(window->pageRect().width(), client.width() - 2 * kPageMargin, 1) << "not fit width";
  // Not fitted, the zoom stays and the bars still follow the client.
  window->command(kActualSizeCommand);
  window->resize(700, 500);
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 1.0);
  EXPECT_EQ(window->verticalBar()->pageStep(), window->clientSize().height());
  expectViewAtBars();
}

TEST_F(ScrollTest, AFittedZoomKeepsThePlaceOnThePage) {
  struct Row {
    const char* name;
    std::function<void()> before, change;
  };
  const Row rows[] = {
      {"Fit Width from a larger zoom", [] {}, [&] { window->command(kFitWidthCommand); }},
      {"a wider window at fit width", [&] { window->command(kFitWidthCommand); },
       [&] { window->resize(1100, 600); }},
      {"a narrower window at fit width", [&] { window->command(kFitWidthCommand); },
       [&] { window->resize(650, 600); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    window->resize(800, 600);
    window->zoomTo(2.0, QPointF(0, 0));
    QApplication::processEvents();
    row.before();
    window->scrollTo(QPoint(0, 150));
    // The row of the page (at zoom 1) at the client's top edge.
    auto topRow = [&] { return -window->pageRect().top() / window->view().viewState.zoom; };
    double top = topRow();
    row.change();
    QApplication::processEvents();
    EXPECT_NEAR(topRow(), top, 1.0);
    expectViewAtBars();
  }
}

TEST_F(ScrollTest, TheFirstShowResetsTheBarsOfAFileOpenedBefore) {
  // The program opens its file before the window manager has sized the
  // window; the bars must follow the size it gets.
  FakeInteraction other;
  MainWindow fresh(&other);
  fresh.setPixelsPerInch(96);
  ASSERT_TRUE(fresh.openFile(writeFile("early.mus", musImage({{8, 1, 0, 0}}))));
  fresh.resize(900, 700);
  fresh.show();
  QApplication::processEvents();
  QSize client = fresh.clientSize();
  ASSERT_GT(client.height(), 500);
  EXPECT_EQ(fresh.verticalBar()->pageStep(), client.height());
  EXPECT_EQ(fresh.verticalBar()->maximum(),
            fresh.pageRect().height() + 2 * kPageMargin - client.height());
  EXPECT_EQ(fresh.verticalBar()->value(), 0) << "the top of the page is shown";
  EXPECT_NEAR(fresh.pageRect().width(), client.width() - 2 * kPageMargin, 1) << "not fit width";
}

TEST_F(ScrollTest, EveryResizeResetsTheBars) {
  for (QSize size : {QSize(400, 300), QSize(1100, 850), QSize(640, 900), QSize(300, 200)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    window->resize(size);
    QApplication::processEvents();
    QSize client = window->clientSize();
    EXPECT_EQ(window->verticalBar()->pageStep(), client.height());
    EXPECT_EQ(window->horizontalBar()->pageStep(), client.width());
    EXPECT_EQ(window->verticalBar()->maximum(),
              std::max(0, window->pageRect().height() + 2 * kPageMargin - client.height()));
    EXPECT_EQ(window->horizontalBar()->maximum(),
              std::max(0, window->pageRect().width() + 2 * kPageMargin - client.width()));
    expectViewAtBars();
  }
}

TEST_F(ScrollTest, ResetShowsTheTopLeftAndKeepsTheZoom) {
  window->scrollTo(QPoint(300, 400));
  window->command(kResetCommand);
  EXPECT_EQ(window->scrollPosition(), QPoint(0, 0));
  EXPECT_DOUBLE_EQ(window->view().viewState.zoom, 2.0);
  expectViewAtBars();
}

TEST_F(ScrollTest, TheStatusBarShowsTheZoom) {
  QLabel* zoom = nullptr;
  for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) {
    if (label->text().endsWith('%')) zoom = label;
  }
  ASSERT_NE(zoom, nullptr);
  EXPECT_EQ(zoom->text().toStdString(), "200%");
  window->zoomTo(0.75, QPointF(0, 0));
  EXPECT_EQ(zoom->text().toStdString(), "75%");
}

}  // namespace
