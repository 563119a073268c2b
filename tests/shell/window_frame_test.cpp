// The window's frame: its size and place between runs, the settings written
// on the way out, the icon, the Help menu's place and the fixed dialogs.
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <fstream>

#include "cli/paths.h"
#include "shell/commands.h"
#include "shell/file_info_dialog.h"
#include "shell/item_edit_dialog.h"
#include "shell/library_items_dialog.h"
#include "shell/settings.h"
#include "shell/window_geometry.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

using FrameTest = WindowTest;

TEST_F(FrameTest, TheNormalWindowTakesTwoThirdsOfTheScreen) {
  FakeInteraction other;
  MainWindow fresh(&other);
  QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
  EXPECT_EQ(fresh.size(), available * 2 / 3);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(fresh.geometry()));
}

TEST_F(FrameTest, TheGeometryOfTheLastRunComesBackFromItsOwnFile) {
  window->setGeometry(40, 50, 700, 500);
  QApplication::processEvents();
  window->close();
  std::string path = windowGeometryFilePath();
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::path(path).parent_path(), directory) << "not beside melibron.ini";
  std::ifstream settings(directory / "melibron.ini");
  int lines = 0;
  for (std::string line; std::getline(settings, line);) ++lines;
  EXPECT_EQ(lines, 10) << "the settings file is no longer ten lines";

  FakeInteraction other;
  MainWindow next(&other);
  ASSERT_TRUE(restoreWindowGeometry(next, path));
  EXPECT_EQ(next.geometry().size(), QSize(700, 500));
  EXPECT_FALSE(next.isMaximized());
}

TEST_F(FrameTest, AMissingOrDamagedGeometryFileRestoresNothing) {
  FakeInteraction other;
  MainWindow next(&other);
  QRect before = next.geometry();
  EXPECT_FALSE(restoreWindowGeometry(next, (directory / "absent").string()));
  std::ofstream(directory / "window-geometry") << "not a geometry\n";
  EXPECT_FALSE(restoreWindowGeometry(next, windowGeometryFilePath()));
  EXPECT_EQ(next.geometry(), before);
}

TEST_F(FrameTest, ExitWritesTheSettingsOnceAndTellsAFailureOnce) {
  std::filesystem::create_directory(directory / "melibron.ini");
  window->command(kExitCommand);
  EXPECT_FALSE(window->isVisible());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("Unable to save user-defined settings file:\n", 0), 0u);
}

TEST_F(FrameTest, ASettingsFileThatIsADirectoryIsTold) {
  std::filesystem::create_directory(directory / "melibron.ini");
  FakeInteraction other;
  readSettings((directory / "melibron.ini").string(), other);
  ASSERT_EQ(other.messages.size(), 1u);
  EXPECT_EQ(other.messages[0].text, "Unable to open user-defined settings file:\n" +
                                        (directory / "melibron.ini").string() +
                                        "\n- using default values instead.");
}

TEST_F(FrameTest, HelpStandsAtTheRightEndAndTheWindowHasAnIcon) {
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_FALSE(window->windowIcon().pixmap(32).isNull());
  auto* right = qobject_cast<QMenuBar*>(window->menuBar()->cornerWidget(Qt::TopRightCorner));
  ASSERT_NE(right, nullptr);
  ASSERT_FALSE(right->actions().isEmpty());
  EXPECT_EQ(right->actions().back()->text().toStdString(), "&Help");
  QRect help = right->actionGeometry(right->actions().back());
  int rightEdge = right->mapTo(window.get(), help.topRight()).x();
  EXPECT_GT(rightEdge, window->width() - 20);
  for (const QAction* action : window->menuBar()->actions()) {
    EXPECT_NE(action->text().toStdString(), "&Help") << "Help stands in the left bar too";
  }
}

TEST_F(FrameTest, DialogsHaveAFixedSize) {
  loadItems(document, {{8, 1, 0, 0}});
  int item = 1;
  int library = 0;
  FileInfoDialog info(window.get(), document);
  ItemEditDialog edit(window.get(), document, item);
  LibraryItemsDialog libraryItems(window.get(), library);
  for (QDialog* dialog : std::initializer_list<QDialog*>{&info, &edit, &libraryItems}) {
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    dialog->show();
    QApplication::processEvents();
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->size(), dialog->minimumSize());
    dialog->hide();
  }
}

}  // namespace
