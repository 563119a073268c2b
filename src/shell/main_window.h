// The main window: the page of music in the client area, the menu bar, the
// accelerators, two scroll bars and the keys. Events become calls of the
// command functions below, which tests call directly; each concern's state
// and logic lives in a part the window owns.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <memory>
#include <string>

#include "score/document.h"
#include "shell/edit_history.h"
#include "shell/interaction.h"
#include "shell/item_picker.h"
#include "shell/library_display.h"
#include "shell/offscreen_page.h"
#include "shell/page_edits.h"
#include "shell/page_file.h"
#include "shell/scroll_model.h"
#include "view/view.h"

class HelpWindow;
class QLabel;
class QMenu;
class RecentMenu;
class ScoreArea;

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

  // Scrolling and zoom, as ScrollModel does them.
  void verticalScroll(ScrollRequest request, int position = 0) {
    scroll_.verticalScroll(request, position);
  }
  void horizontalScroll(ScrollRequest request, int position = 0) {
    scroll_.horizontalScroll(request, position);
  }
  void wheelStep(bool towardStart, bool horizontal) { scroll_.wheelStep(towardStart, horizontal); }
  void wheelZoom(bool in, QPointF anchor) { scroll_.zoomBy(in ? kZoomStep : -kZoomStep, anchor); }
  void scrollTo(QPoint position) { scroll_.scrollTo(position); }
  void zoomTo(double zoom, QPointF anchor) { scroll_.zoomTo(zoom, anchor); }
  void setFitMode(FitMode mode) { scroll_.setFitMode(mode); }
  FitMode fitMode() const { return scroll_.fitMode(); }
  // The client area changed size: the fitted zoom follows, what showed at
  // the top left stays there, the bars are reset.
  void clientResized() { scroll_.refit(); }
  // Lays the page out and draws it in mode from now on, in this run and the
  // next ones.
  void setDrawingMode(DrawingMode mode);

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
  void pointerLeft() { picker_.leave(); }
  // A click selects the item at point, or nothing off every item.
  void clickAt(QPoint point);
  // A double click selects the item at point and opens Item edit at it.
  void doubleClickAt(QPoint point);
  // Selects item (0 for none; others are held to 1..item count), names it in
  // the status bar and scrolls it into view.
  void selectItem(int item);
  // Item edit, opened at the selected item (item 1 when none is).
  void editSelectedItem();
  int hoveredItem() const { return picker_.hovered(); }
  int selectedItem() const { return picker_.selected(); }

  // The page in client pixels at the current zoom and view offsets.
  QRect pageRect() const { return scroll_.pageRect(); }
  QSize clientSize() const { return scroll_.clientSize(); }
  // The view's place: the scroll bars' values.
  QPoint scrollPosition() const { return scroll_.scrollPosition(); }
  QScrollBar* verticalBar() const { return scroll_.verticalBar(); }
  QScrollBar* horizontalBar() const { return scroll_.horizontalBar(); }
  bool ctrlFlag() const { return ctrlFlag_; }
  int currentItem() const { return currentItem_; }
  int shownLibrary() const { return libraryDisplay_.library(); }
  const std::string& filePath() const { return file_.pagePath(); }
  QMenu* recentMenu() const;
  HelpWindow* helpWindow() const { return helpWindow_; }
  // True when the data differs from the file it was opened from or saved to.
  bool modified() const { return history_.modified(); }
  const QImage& offscreenImage() const { return page_.image(); }
  const QImage& libraryDisplayImage() const { return libraryDisplay_.image(); }
  bool libraryDisplayShown() const { return libraryDisplay_.shown(); }
  // The window's document and the view it is shown in.
  const Document& document() const { return document_; }
  const View& view() const { return view_; }

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
  void connectArea();
  void openCommand();
  // Opens path after asking about unsaved changes.
  void openAnother(const std::string& path);
  // Item edit, opened at item.
  void editItemCommand(int item = 1);
  // Selects the item step places after (or before) the selected one, in
  // file order and round the ends.
  void stepSelection(int step);
  // Scrolls the view so that item's box is shown, when it drew anything.
  void scrollIntoView(int item);
  void runUtilitiesCommand();
  // Undo or Redo loaded other data: the items and the view follow it.
  void showRestoredData();
  // The help window, made on first use and kept.
  void showHelp();
  // Shows the zoom in the status bar and the view's check marks in the menu.
  void showViewState();
  void relayout();
  void invalidate();
  void tell(const std::string& text, const std::string& caption, MessageIcon icon);

  std::unique_ptr<Interaction> ownInteraction_;
  Interaction* interaction_;
  ScoreArea* area_;
  QLabel* zoomLabel_;
  QLabel* itemLabel_;
  Document document_;
  View view_;
  EditHistory history_;
  OffscreenPage page_;
  LibraryDisplay libraryDisplay_;
  ScrollModel scroll_;
  ItemPicker picker_;
  PageFile file_;
  PageEdits edits_;
  RecentMenu* recentMenu_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  bool smoothEdges_ = true;
  bool ctrlFlag_ = false;
  int currentItem_ = 1;
  std::string libraryDirectory_;
};
