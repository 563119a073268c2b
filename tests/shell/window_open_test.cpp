// Opening files, start-up, the message commands and the paint of the window.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>
#include <fstream>

#include "score/item_table.h"
#include "shell/commands.h"
#include "shell/desktop.h"
#include "shell/messages.h"
#include "shell/settings.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

using OpenTest = WindowTest;

const std::vector<ItemParams> kStaffAndClef = {{8, 1, 0, 0}, {3, 1, 10, 0}};

bool isAllWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

TEST_F(OpenTest, OpenLoadsLaysOutNamesTheFileAndResetsTheBars) {
  std::string path = writeFile("page.mus", musImage(kStaffAndClef));
  ui.fileAnswers = {path};
  window->verticalScroll(kThumbPosition, 500);
  window->command(kOpenCommand);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(shown().itemTable.itemCount, 2);
  EXPECT_GT(componentsOf(window->view().components, 2)->count, 0) << "the clef was not laid out";
  EXPECT_EQ(shownTitle(*window), "page.mus \u2014 MELIBRON");
  // The top of the page, as wide as the window.
  EXPECT_EQ(window->scrollPosition(), QPoint(0, 0));
  EXPECT_EQ(window->fitMode(), FitMode::kWidth);
  EXPECT_NEAR(window->pageRect().width(), window->clientSize().width() - 2 * kPageMargin, 1);
  EXPECT_EQ(window->pageRect().top(), kPageMargin);
  // The next Open starts where this file came from.
  window->command(kOpenCommand);
  ASSERT_EQ(ui.startDirectories.size(), 2u);
  EXPECT_EQ(ui.startDirectories[1], directory.string());
}

// The content decides, as on the command line: a listing saved as x.mus is
// a listing too.
TEST_F(OpenTest, OpenReadsAListingWhateverItsName) {
  std::string text = "8.000 1.000 0.000 0.000 \n3.000 1.000 10.000 0.000 \n";
  for (const char* name : {"page.PMX", "listing.mus"}) {
    SCOPED_TRACE(name);
    ui.fileAnswers = {writeFile(name, std::vector<uint8_t>(text.begin(), text.end()))};
    window->command(kOpenCommand);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(shown().itemTable.itemCount, 2);
    EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 10.0f);
    EXPECT_GT(componentsOf(window->view().components, 2)->count, 0);
    openItems({});
  }
}

TEST_F(OpenTest, CancelledOpenChangesNothing) {
  openItems(kStaffAndClef);
  const QString caption = window->windowTitle();
  window->command(kOpenCommand);
  EXPECT_EQ(ui.startDirectories.size(), 1u) << "the file dialog did not run";
  EXPECT_EQ(shown().itemTable.itemCount, 2);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(window->windowTitle(), caption);
}

TEST_F(OpenTest, UnreadableFilesAreToldAndTheDataBeforeStays) {
  struct Case {
    const char* name;
    std::string path;
    std::string message;  // naming the file that was chosen
  };
  std::vector<uint8_t> noEndMark = musImage(kStaffAndClef);
  noEndMark.back() ^= 0x01;
  const std::vector<Case> cases = {
      {"missing file", (directory / "absent.mus").string(),
       "Unable to open file " + (directory / "absent.mus").string()},
      {"no end mark", writeFile("bad.mus", noEndMark),
       "Final value in file " + (directory / "bad.mus").string() + " not -9999.0"},
      {"a symbol library chosen with the DRW filter",
       writeFile("libra.drw", {0x0A, 0x00, 0x01, 0x00, 0x00, 0x00}),
       "Final value in file " + (directory / "libra.drw").string() + " not -9999.0"},
  };
  std::string good = writeFile("good.mus", musImage({{8, 1, 0, 0}}));
  ASSERT_TRUE(window->openFile(good));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.messages.clear();
    ui.fileAnswers = {c.path};
    window->command(kOpenCommand);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].caption, "File Open");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(shown().itemTable.itemCount, 1);
    EXPECT_EQ(shownTitle(*window), "good.mus \u2014 MELIBRON");
  }
}

TEST_F(OpenTest, DroppingAMusFileOpensIt) {
  std::string path = writeFile("dropped.MUS", musImage(kStaffAndClef));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &drop);
  EXPECT_EQ(shown().itemTable.itemCount, 2);

  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(writeFile("notes.txt", {1, 2})))});
  QDropEvent other(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &other);
  EXPECT_TRUE(ui.messages.empty()) << "a file of another kind was read";
}

TEST_F(OpenTest, EveryPaintClearsDrawsAndShowsTheOffscreenBitmap) {
  EXPECT_EQ(window->offscreenImage().size() / window->offscreenImage().devicePixelRatio(),
            window->screen()->size());
  // Sixteen staves up the page: some of them fall on any screen.
  std::vector<ItemParams> staves;
  for (float s = 1; s <= 16; ++s) staves.push_back({8, s});
  openItems(staves);
  window->paintOffscreen();
  qreal ratio = window->offscreenImage().devicePixelRatio();
  auto shownPage = [&] {
    QRect page = window->pageRect().intersected(QRect(QPoint(0, 0), window->clientSize()));
    return window->offscreenImage().copy(QRect(page.topLeft() * ratio, page.size() * ratio));
  };
  EXPECT_FALSE(isAllWhite(shownPage())) << "the staff was not drawn";
  openItems({});
  window->paintOffscreen();
  EXPECT_TRUE(isAllWhite(shownPage())) << "the old page was not cleared";
  // Around the page lies the grey desk.
  QRect page = window->pageRect();
  QColor desk =
      window->offscreenImage().pixelColor(QPoint(page.left() - 5, page.top() + 5) * ratio);
  EXPECT_LT(desk.lightness(), 200);
}

TEST_F(OpenTest, MessageCommandsShowTheirTexts) {
  struct Case {
    int command;
    std::string text;
    std::string caption;
  };
  const std::vector<Case> cases = {
      {kAboutCommand, aboutText(), "About MELIBRON"},
  };
  for (const Case& c : cases) {
    ui.messages.clear();
    window->command(c.command);
    ASSERT_EQ(ui.messages.size(), 1u) << c.caption;
    EXPECT_EQ(ui.messages[0].text, c.text);
    EXPECT_EQ(ui.messages[0].caption, c.caption);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::kNone) << c.caption;
  }
}

TEST_F(OpenTest, AboutHoldsTheWholeVersionHistory) {
  std::string text = aboutText();
  EXPECT_EQ(text.rfind("MELIBRON - Version 0.13\n\n0.13 14/08/01\n", 0), 0u);
  EXPECT_NE(text.find("------freeing components' memory\n0.12 10/02/01\n"), std::string::npos);
  EXPECT_NE(text.find("------save as PMX\n\n0.11 07/02/01\n"), std::string::npos);
  EXPECT_NE(text.find("------tails on up-stems\n\n0.10 04/02/01\n"), std::string::npos);
  EXPECT_NE(text.find("------new menu\n\n0.09 (27/09/00)\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("------invisible barlines\n------offseting accidental with dot\n"));
}

TEST_F(OpenTest, CommandsNeedingItemsDoNothingWithoutThem) {
  for (int command : {kEditItemCommand, kFileInfoCommand, kSavePmxCommand}) {
    window->command(command);
  }
  EXPECT_EQ(ui.dialogsRun, 0);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(directory / "tempfile.pmx"));
}

TEST_F(OpenTest, ExitWritesTheSettingsAndClosesTheWindow) {
  utilityPaths[0] = "/bin/true";
  window->command(kExitCommand);
  EXPECT_FALSE(window->isVisible());
  std::ifstream settings(directory / "melibron.ini");
  std::string line;
  std::getline(settings, line);
  EXPECT_EQ(line, "/bin/true");
}

class StartUpTest : public ShellTest {};

TEST_F(StartUpTest, MissingLibrariesEndTheProgramWithStatusOne) {
  FakeInteraction ui;
  std::filesystem::create_directory(directory / "nolib");
  std::ofstream(directory / "melibron.ini") << "\n";
  int status = runDesktopProgram(*qApp, (directory / "nolib").string(), "", &ui);
  EXPECT_EQ(status, 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Unable to open library files in " + (directory / "nolib").string() + " directory");
  EXPECT_EQ(ui.messages[0].caption, "File Open");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
}

TEST_F(StartUpTest, AMissingSettingsFileWarnsBeforeTheLibrariesAreRead) {
  FakeInteraction ui;
  MainWindow window(&ui);
  EXPECT_FALSE(window.initialise((directory / "nolib").string()));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].caption, "MELIBRON");
  EXPECT_EQ(ui.messages[1].caption, "File Open");
}

}  // namespace
