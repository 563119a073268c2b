// Open Recent and its file.
#include <QAction>
#include <QMenu>
#include <fstream>

#include "cli/paths.h"
#include "score/item_table.h"
#include "shell/recent_files.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

TEST(RecentFiles, TheLatestComesFirstOnceAndTheListHoldsTen) {
  std::vector<std::string> files;
  for (int i = 0; i < 12; ++i) files = withRecentFile(files, "/p/" + std::to_string(i));
  ASSERT_EQ(files.size(), kMaxRecentFiles);
  EXPECT_EQ(files.front(), "/p/11");
  EXPECT_EQ(files.back(), "/p/2");
  files = withRecentFile(files, "/p/5");
  EXPECT_EQ(files.size(), kMaxRecentFiles);
  EXPECT_EQ(files[0], "/p/5");
  EXPECT_EQ(std::count(files.begin(), files.end(), "/p/5"), 1);
}

using RecentTest = WindowTest;

std::vector<std::string> entries(const QMenu* menu) {
  std::vector<std::string> texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts.push_back(action->text().toStdString());
  }
  return texts;
}

TEST_F(RecentTest, OpenedAndSavedFilesAreListedKeptAndOpenedAgain) {
  std::string first = writeFile("first.mus", musImage({{8, 1}}));
  std::string second = writeFile("a&b.mus", musImage({{8, 1}, {8, 2}}));
  ASSERT_TRUE(window->openFile(first));
  ASSERT_TRUE(window->openFile(second));
  const std::vector<std::string> expected = {"&1 " + directory.string() + "/a&&b.mus",
                                             "&2 " + first, "&Clear List"};
  EXPECT_EQ(entries(window->recentMenu()), expected);

  // A new window finds the list in its file beside the settings file.
  FakeInteraction other;
  MainWindow next(&other);
  EXPECT_EQ(entries(next.recentMenu()), expected);
  next.recentMenu()->actions()[1]->trigger();
  EXPECT_EQ(next.filePath(), first);
  EXPECT_EQ(next.document().itemTable.itemCount, 1);
  EXPECT_EQ(readRecentFiles(recentFilesFilePath()).front(), first);

  next.recentMenu()->actions().back()->trigger();  // Clear List
  EXPECT_EQ(entries(next.recentMenu()), std::vector<std::string>{"&Clear List"});
  EXPECT_FALSE(next.recentMenu()->actions().back()->isEnabled());
  EXPECT_TRUE(readRecentFiles(recentFilesFilePath()).empty());
}

TEST_F(RecentTest, ARecentFileThatIsGoneIsToldAndTheDataStays) {
  std::string gone = writeFile("gone.mus", musImage({{8, 1}}));
  std::string kept = writeFile("kept.mus", musImage({{8, 1}, {8, 2}}));
  ASSERT_TRUE(window->openFile(gone));
  ASSERT_TRUE(window->openFile(kept));
  std::filesystem::remove(gone);
  window->recentMenu()->actions()[1]->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "File Open");
  EXPECT_EQ(shown().itemTable.itemCount, 2);
}

}  // namespace
