// The main window: the page of music in the client area, the menu bar, the
// accelerators, two scroll bars and the keys. Events become calls of the
// command functions below, which tests call directly.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <memory>
#include <string>
#include <vector>

#include "paint/item_bounds.h"
#include "score/document.h"
#include "shell/edit_history.h"
#include "shell/interaction.h"
#include "shell/text_run_cache.h"
#include "view/view.h"

class ExternalUtilsDialog;
class HelpWindow;
class QLabel;
class QMenu;
class QScrollBar;
class ScoreArea;

// Scroll-bar requests; horizontal bars read Up as left and Down as right.
enum ScrollRequest {
  kLineUp,
  kLineDown,
  kPageUp,
  kPageDown,
  kThumbPosition,
  kThumbTrack,
};
constexpr ScrollRequest kLineLeft = kLineUp;
constexpr ScrollRequest kLineRight = kLineDown;
constexpr ScrollRequest kPageLeft = kPageUp;
constexpr ScrollRequest kPageRight = kPageDown;

// Pixels a line request moves the view.
constexpr int kLineScrollStep = 20;
// Grey desk shown around the page, in window pixels at any zoom.
constexpr int kPageMargin = 20;
// The bounds of the zoom factor and the step of the zoom keys and the wheel.
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 16.0;
constexpr double kZoomStep = 0.25;

// What the zoom follows when the window changes size.
enum class FitMode { kNone, kWidth, kPage };

// The cells of the library display's ten symbols for a client area of that
// size: a grid as wide as fits (ten columns at most), none overlapping.
std::vector<QRect> libraryDisplayCells(QSize client);

class MainWindow : public QMainWindow {
 public:
  // Creates the window, the view state for the screen's resolution and the
  // offscreen bitmap. Messages and dialogs go through interaction, or
  // through real message boxes and dialogs when it is null.
  explicit MainWindow(Interaction* interaction = nullptr);
  ~MainWindow() override;

  // Reads the settings, then the symbol libraries from libraryDirectory;
  // false (after the "File Open" message) when the libraries cannot be read.
  bool initialise(const std::string& libraryDirectory);

  // Opens path with openScore (a page or a PMX listing, as its content
  // shows), lays it out, names it in the caption and resets the scroll bars.
  // A file that cannot be read is told by its "File Open" message and the
  // document loaded before stays; returns false then.
  bool openFile(const std::string& path);

  // Starts the view afresh at this resolution (the screen's when the window
  // is made): zoom 1, not fitted, the view at the page's top left; the page
  // is laid out again.
  void setPixelsPerInch(int pixelsPerInch);

  // Runs a menu or accelerator command; unknown ids do nothing.
  void command(int id);
  // Key-down and key-up of the key table (Qt key codes).
  void keyDown(int key);
  void keyUp(int key);
  // Scroll-bar requests; position is the thumb position of thumb requests.
  // Every request moves the view, within the page and its margin.
  void verticalScroll(ScrollRequest request, int position = 0);
  void horizontalScroll(ScrollRequest request, int position = 0);
  // One wheel notch: the platform's wheel lines of line requests,
  // horizontal when horizontal is set.
  void wheelStep(bool towardStart, bool horizontal);
  // One Ctrl+wheel notch: a zoom step about the given point of the client area.
  void wheelZoom(bool in, QPointF anchor);
  // Puts the view's top left at position on the page and its margin (the
  // scroll bars' values), held to the bars' ranges.
  void scrollTo(QPoint position);
  // Sets the zoom, held to kMinZoom..kMaxZoom, keeping the page point under
  // anchor (client pixels) where it is as far as the bounds allow. The zoom
  // no longer follows the window's size afterwards.
  void zoomTo(double zoom, QPointF anchor);
  // Lays the page out and draws it in mode from now on, in this run and the
  // next ones.
  void setDrawingMode(DrawingMode mode);
  // The zoom that follows the window's width or whole page, or neither;
  // what shows at the top left stays there.
  void setFitMode(FitMode mode);
  FitMode fitMode() const { return fitMode_; }
  // Sets both scroll bars from the client size, the page and the view, and
  // holds the view to the page and its margin.
  void resetScrollBars();
  // The client area changed size: the fitted zoom follows, what showed at
  // the top left stays there, the bars are reset.
  void clientResized();

  // Clears the offscreen bitmap (grey desk, white page) and paints the score
  // into it, on a high-resolution screen at its device pixels; keeps the box
  // of every item drawn, in client pixels.
  void paintOffscreen();
  // What a paint of the client area shows: the library display while it
  // stands, else the offscreen bitmap, painted again when the page or the
  // view changed since, with the items under the mouse and selected marked.
  void paintClientArea(QPainter& painter);

  // Picking, in client pixels. The item drawn at point (0 for none), from
  // the boxes of the last paint, which is brought up to date first.
  int pickItem(QPoint point);
  // The mouse moved to point: the item there is marked and named in the
  // status bar.
  void pointAt(QPoint point);
  // The mouse left the client area.
  void pointerLeft();
  // A click selects the item at point, or nothing off every item.
  void clickAt(QPoint point);
  // A double click selects the item at point and opens Item edit at it.
  void doubleClickAt(QPoint point);
  // Selects item (0 for none; others are held to 1..item count), names it in
  // the status bar and scrolls it into view.
  void selectItem(int item);
  // Item edit, opened at the selected item (item 1 when none is).
  void editSelectedItem();
  int hoveredItem() const { return hoveredItem_; }
  int selectedItem() const { return selectedItem_; }
  // What the status bar says of the item the user came to last: the one
  // the mouse moved onto, or the one selected since (by click, Tab or Item
  // edit); the other one while that is none.
  // "Item 5 of 9: note (code 1), staff 1, P3 10, P4 2".
  QString itemStatus() const;

  // The page in client pixels at the current zoom and view offsets.
  QRect pageRect() const;
  QSize clientSize() const;
  // The view's place: the scroll bars' values.
  QPoint scrollPosition() const;
  bool ctrlFlag() const { return ctrlFlag_; }
  bool smoothEdges() const { return smoothEdges_; }
  int currentItem() const { return currentItem_; }
  int shownLibrary() const { return shownLibrary_; }
  const std::string& filePath() const { return filePath_; }
  QMenu* recentMenu() const { return recentMenu_; }
  HelpWindow* helpWindow() const { return helpWindow_; }
  // True when the data differs from the file it was opened from or saved to.
  bool modified() const { return history_.modified(); }
  const QImage& offscreenImage() const { return offscreen_; }
  const QImage& libraryDisplayImage() const { return libraryDisplay_; }
  bool libraryDisplayShown() const { return libraryDisplayShown_; }
  // The window's document and the view it is shown in.
  const Document& document() const { return document_; }
  const View& view() const { return view_; }
  QScrollBar* verticalBar() const;
  QScrollBar* horizontalBar() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab step through the items of the page, not the focus.
  bool focusNextPrevChild(bool next) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // paintScore of the document in view onto the painter, the pens at the
  // view's weights.
  void paintPageItems(QPainter& painter, View& view);
  void openCommand();
  // Item edit, opened at item.
  void editItemCommand(int item = 1);
  // Selects the item step places after (or before) the selected one, in
  // file order and round the ends.
  void stepSelection(int step);
  // Scrolls the view so that item's box is shown, when it drew anything.
  void scrollIntoView(int item);
  void paintMarks(QPainter& painter) const;
  void showItemStatus();
  // The page moved or changed under a mouse that stayed: what it points at
  // now, from the boxes just painted.
  void followPointer();
  void savePmxCommand();
  // Save: the page's own file (a listing opened gets Save As); false when
  // nothing was written.
  bool save();
  // Save As: a new page file, named by the user; it becomes the page's file.
  bool saveAs();
  bool writePage(const std::string& path);
  // True when the data may be replaced: nothing unsaved, or the user saved
  // it or chose to discard it. before ends the question ("before closing").
  bool mayLoseChanges(const std::string& before);
  // The window title: the file's name, the modified mark, the program.
  void showTitle();
  // The data changed from before (when it did): a step to undo.
  void recordEdit(DataSnapshot before, const std::string& name);
  // Runs row k of the utilities dialog as an edit that can be undone.
  void runUtility(ExternalUtilsDialog& dialog, int k);
  // The Open Recent submenu after Open, filled from the recent-files file.
  void buildRecentMenu();
  void showRecentFiles();
  // path was opened or saved: first in the list, which is written at once.
  void rememberRecent(const std::string& path);
  void openRecent(const std::string& path);
  // The help window, made on first use and kept.
  void showHelp();
  void undoCommand();
  void redoCommand();
  void restoreData(const DataSnapshot& data);
  // Undo and Redo enabled as the history allows, and the title.
  void showEditState();
  void showLibraryItems();
  void renderLibraryDisplay();
  void writeVectorList();
  void zoomBy(double step, QPointF anchor);
  // Moves the view to position (held to the bars' ranges) and lays out
  // again when the view changed or the zoom did.
  void placeView(QPoint position, bool zoomChanged);
  // Sets the zoom the fit mode asks for; true when it changed.
  bool applyFit();
  // applyFit, keeping the page point at the client's top left in place.
  void refit();
  // Shows the zoom in the status bar and the view's check marks in the menu.
  void showViewState();
  QPointF clientCentre() const;
  void relayout();
  void invalidate();
  void message(const std::string& text, const std::string& caption, MessageIcon icon);

  std::unique_ptr<Interaction> ownInteraction_;
  Interaction* interaction_;
  ScoreArea* area_;
  QSize screenSize_;
  QImage offscreen_;
  TextRunCache textRuns_;  // the page's runs, laid out once for every repaint
  QImage libraryDisplay_;
  bool libraryDisplayShown_ = false;
  FitMode fitMode_ = FitMode::kWidth;
  bool smoothEdges_ = true;
  QLabel* zoomLabel_;
  QLabel* itemLabel_;
  bool offscreenStale_ = true;      // the page or the view changed since the last paint
  std::vector<ItemBox> itemBoxes_;  // from the last paint, in client pixels
  int hoveredItem_ = 0;
  int selectedItem_ = 0;
  // The selection changed after the mouse last moved onto an item.
  bool statusNamesSelection_ = false;
  bool ctrlFlag_ = false;
  int currentItem_ = 1;
  int shownLibrary_ = 0;
  std::string filePath_;
  Document document_;
  View view_;
  // view_ in device pixels, laid out for each paint on high-resolution screens.
  View deviceView_;
  bool openedListing_ = false;  // filePath_ holds a PMX listing, not a page
  EditHistory history_;
  QMenu* recentMenu_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  std::string libraryDirectory_;
  std::vector<std::string> recentFiles_;
};
