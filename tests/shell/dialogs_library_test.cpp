// File Info, Library Items and the library display.
#include <QLabel>
#include <QLineEdit>
#include <fstream>
#include <sstream>

#include "library/library_table.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "shell/commands.h"
#include "shell/dialog_controls.h"
#include "shell/file_info_dialog.h"
#include "shell/library_items_dialog.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

std::string valueOf(const QDialog& dialog, int id) {
  QLabel* field = control<QLabel>(&dialog, id);
  return field != nullptr ? field->text().toStdString() : "<no field " + std::to_string(id) + ">";
}

using FileInfoTest = ShellTest;

TEST_F(FileInfoTest, ShowsCountsAndTrailerValues) {
  loadItems(document, {{8, 1}, {1, 1, 2}, {1, 1, 3}, {13}, {99, 1}, {18, 1}});
  FileInfoDialog dialog(nullptr, document);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "File Info");
  EXPECT_EQ(valueOf(dialog, kItemCountField), "6");
  EXPECT_EQ(valueOf(dialog, 200), "2");  // notes
  EXPECT_EQ(valueOf(dialog, 207), "1");  // staves
  EXPECT_EQ(valueOf(dialog, 212), "1");  // dummies
  EXPECT_EQ(valueOf(dialog, 217), "1");  // time signatures
  EXPECT_EQ(valueOf(dialog, 201), "0");
  EXPECT_EQ(valueOf(dialog, kFileSizeField), std::to_string(document.loadStatistics.fileSize));
  EXPECT_EQ(valueOf(dialog, kScoreVersionField), "3");
  EXPECT_EQ(valueOf(dialog, kSerialNumberField), "1234");
  EXPECT_EQ(valueOf(dialog, kUnitsField), "inches");
}

TEST_F(FileInfoTest, ShowsTheSerialNumberUnsignedAndCentimetres) {
  std::string error;
  ASSERT_TRUE(readMusImage(musImage({{8, 1}}, -2, 1.0f), document, &error)) << error;
  FileInfoDialog dialog(nullptr, document);
  EXPECT_EQ(valueOf(dialog, kSerialNumberField), "4294967294");
  EXPECT_EQ(valueOf(dialog, kUnitsField), "centimetres");
}

class LibraryItemsTest : public ShellTest {
 protected:
  // The library shown after typing text and pressing OK.
  int shownAfter(const std::string& text) {
    int shown = 5;
    LibraryItemsDialog dialog(nullptr, shown);
    EXPECT_EQ(control<QLineEdit>(&dialog, kLibraryNumberField)->text(), "") << "field starts empty";
    setField(dialog, kLibraryNumberField, text);
    clickControl(dialog, kOkButton);
    return shown;
  }
};

TEST_F(LibraryItemsTest, OkClampsTheLibraryNumber) {
  struct Case {
    const char* typed;
    int shown;
  };
  for (const Case& c : {Case{"3", 3}, Case{"19", 19}, Case{"20", 19}, Case{"25", 19}, Case{"", 0},
                        Case{"x", 0}, Case{"-4", 0}}) {
    EXPECT_EQ(shownAfter(c.typed), c.shown) << "typed \"" << c.typed << "\"";
  }
}

TEST_F(LibraryItemsTest, CancelKeepsTheShownLibrary) {
  int shown = 5;
  LibraryItemsDialog dialog(nullptr, shown);
  setField(dialog, kLibraryNumberField, "2");
  clickControl(dialog, kCancelButton);
  EXPECT_EQ(shown, 5);
}

using LibraryDisplayTest = WindowTest;

TEST_F(LibraryDisplayTest, ShowsTheLibraryThenTellsAndDumpsItsFirstSymbol) {
  ui.onDialog = [](QDialog& dialog) {
    setField(dialog, kLibraryNumberField, "25");
    clickControl(dialog, kOkButton);
  };
  window->command(kShowLibraryCommand);
  EXPECT_EQ(window->shownLibrary(), 19);
  EXPECT_TRUE(window->libraryDisplayShown());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Saving the first library symbol to file \"vectorlist\"");
  EXPECT_EQ(ui.messages[0].caption, "Help");

  std::ifstream file(directory / "vectorlist", std::ios::binary);
  std::stringstream dumped;
  dumped << file.rdbuf();
  EXPECT_EQ(dumped.str().rfind("Item name: L19.0\n", 0), 0u) << dumped.str();

  // Each symbol is centred in its own cell, with its name in the cell's
  // lower part; the display stays until the window is next changed.
  const QImage& display = window->libraryDisplayImage();
  qreal ratio = display.devicePixelRatio();
  std::vector<QRect> cells = libraryDisplayCells(window->clientSize());
  ASSERT_EQ(cells.size(), 10u);
  auto darkIn = [&](const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (display.pixelColor(QPoint(x, y) * ratio).lightness() < 100) ++dark;
      }
    }
    return dark;
  };
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(QRect(QPoint(0, 0), window->clientSize()).contains(cells[i])) << "off the edge";
    for (int j = 0; j < i; ++j) EXPECT_FALSE(cells[i].intersects(cells[j])) << "overlaps " << j;
    EXPECT_EQ(display.pixelColor(cells[i].center() * ratio), QColor(Qt::black)) << "no glyph";
    EXPECT_GT(darkIn(cells[i].adjusted(2, cells[i].height() - 20, -2, -2)), 0) << "no name";
  }
  window->command(kResetCommand);
  EXPECT_FALSE(window->libraryDisplayShown());
}

TEST_F(LibraryDisplayTest, TheGridFollowsTheWindowsWidth) {
  for (QSize client : {QSize(1200, 700), QSize(450, 700), QSize(50, 700)}) {
    std::vector<QRect> cells = libraryDisplayCells(client);
    int columns = 0;
    for (const QRect& cell : cells) columns += cell.top() == cells[0].top() ? 1 : 0;
    EXPECT_EQ(columns, std::clamp((client.width() - 40) / cells[0].width(), 1, 10))
        << client.width();
  }
}

TEST_F(LibraryDisplayTest, CancelShowsNothingAndWritesNoVectorList) {
  ui.onDialog = [](QDialog& dialog) {
    setField(dialog, kLibraryNumberField, "4");
    clickControl(dialog, kCancelButton);
  };
  window->command(kShowLibraryCommand);
  EXPECT_FALSE(window->libraryDisplayShown());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(directory / "vectorlist"));
}

TEST_F(LibraryDisplayTest, EmptySlotsAreLeftBlankAndNothingIsDumped) {
  for (int n = 30; n < 40; ++n) libraryTable[n].reset();
  ui.onDialog = [](QDialog& dialog) {
    setField(dialog, kLibraryNumberField, "3");
    clickControl(dialog, kOkButton);
  };
  window->command(kShowLibraryCommand);
  EXPECT_EQ(window->shownLibrary(), 3);
  EXPECT_FALSE(std::filesystem::exists(directory / "vectorlist"));
}

}  // namespace
