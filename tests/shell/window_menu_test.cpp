// The menu bar and the accelerator table of the main window.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/commands.h"
#include "shell/help_window.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

// One row per entry of a menu: the text, or "-" for a separator, and the id.
struct MenuRow {
  std::string text;
  int id;
};

std::vector<MenuRow> rowsOf(const QMenu* menu) {
  std::vector<MenuRow> rows;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      rows.push_back({"-", 0});
    } else {
      rows.push_back({action->text().toStdString(), action->data().toInt()});
    }
  }
  return rows;
}

// The menus of the bar, left to right, then those in its right corner.
std::vector<QMenu*> menusOf(QMainWindow* window) {
  std::vector<QMenu*> menus;
  auto* corner = qobject_cast<QMenuBar*>(window->menuBar()->cornerWidget(Qt::TopRightCorner));
  for (QMenuBar* bar : {window->menuBar(), corner}) {
    if (bar == nullptr) continue;
    for (const QAction* action : bar->actions()) {
      if (action->menu() != nullptr) menus.push_back(action->menu());
    }
  }
  return menus;
}

using MenuBarTest = WindowTest;

TEST_F(MenuBarTest, HoldsTheMenusWithTheirItemsIdsAndSeparators) {
  const std::vector<std::pair<std::string, std::vector<MenuRow>>> expected = {
      {"&File",
       {{"&Open SCORE file...\t        Ctrl+O", 100},
        {"Open &Recent", 0},
        {"-", 0},
        {"&Save SCORE file...\t        Ctrl+S", 108},
        {"Sa&ve SCORE file as...\t        Ctrl+Shift+S", 111},
        {"Save &As PMX", 109},
        {"-", 0},
        {"File &Info", 110},
        {"-", 0},
        {"E&xit\t        Alt+F4", 106}}},
      {"&Edit",
       {{"&Undo\t        Ctrl+Z", 102},
        {"Re&do\t        Ctrl+Shift+Z", 103},
        {"-", 0},
        {"&Reset\t        F3", 101},
        {"&Edit item", 104}}},
      {"&View",
       {{"Zoom &In\t        Ctrl++", 120},
        {"Zoom &Out\t        Ctrl+-", 121},
        {"-", 0},
        {"Fit &Width", 122},
        {"Fit &Page", 123},
        {"&Actual Size\t        Ctrl+0", 124},
        {"-", 0},
        {"&Smooth Edges", 125},
        {"&Basic Drawing", 126}}},
      {"&Utilities",
       {{"&Run external utils\t        Ctrl+R", 40003},
        {"&Show library items\t        Ctrl+L", 40004}}},
      {"&Help", {{"&Help Topics\t        F1", 105}, {"-", 0}, {"&About MELIBRON...", 107}}},
  };
  std::vector<QMenu*> menus = menusOf(window.get());
  ASSERT_EQ(menus.size(), expected.size());
  for (size_t m = 0; m < menus.size(); ++m) {
    EXPECT_EQ(menus[m]->title().toStdString(), expected[m].first);
    std::vector<MenuRow> rows = rowsOf(menus[m]);
    ASSERT_EQ(rows.size(), expected[m].second.size()) << expected[m].first;
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].text, expected[m].second[i].text) << expected[m].first << " row " << i;
      EXPECT_EQ(rows[i].id, expected[m].second[i].id) << expected[m].first << " row " << i;
    }
  }
}

TEST_F(MenuBarTest, ChoosingAnItemRunsItsCommand) {
  QMenu* help = menusOf(window.get()).back();
  ASSERT_NE(help, nullptr);
  help->actions().front()->trigger();
  ASSERT_NE(window->helpWindow(), nullptr);
  EXPECT_TRUE(window->helpWindow()->isVisible());
}

TEST_F(MenuBarTest, F1OpensAHelpWindowWithTheKeysTheFilesAndTheCommandLine) {
  window->command(kHelpCommand);
  HelpWindow* help = window->helpWindow();
  ASSERT_NE(help, nullptr);
  std::string text = help->text().toStdString();
  for (const std::string& expected :
       {std::string("Ctrl+S"), std::string("Save SCORE file"), std::string("Ctrl+Page Up"),
        std::string("Undo"), (directory / "melibron.ini").string(),
        (directory / "tempfile.mus").string(), std::string("melibron --info FILE")}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  window->command(kHelpCommand);
  EXPECT_EQ(window->helpWindow(), help) << "a second window instead of the first raised";
}

TEST_F(MenuBarTest, MenuItemsCarryNoKeysOfTheirOwn) {
  // The keys belong to the accelerator table; a key on an item as well would
  // make Qt report an ambiguous shortcut and run neither.
  for (const QMenu* menu : menusOf(window.get())) {
    for (const QAction* item : menu->actions()) {
      EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
    }
  }
}

TEST_F(MenuBarTest, AcceleratorTableHasExactlyItsEntries) {
  const std::vector<std::pair<QKeySequence, int>> expected = {
      {QKeySequence("F1"), 105},           {QKeySequence("F2"), 100},
      {QKeySequence("F3"), 101},           {QKeySequence("Alt+F4"), 106},
      {QKeySequence("Ctrl+L"), 40004},     {QKeySequence("Ctrl+O"), 100},
      {QKeySequence("Ctrl+R"), 40003},     {QKeySequence("Ctrl+S"), 108},
      {QKeySequence("Ctrl+Shift+S"), 111}, {QKeySequence("Ctrl+Z"), 102},
      {QKeySequence("Ctrl+Shift+Z"), 103}, {QKeySequence("Ctrl++"), 120},
      {QKeySequence("Ctrl+="), 120},       {QKeySequence("Ctrl+-"), 121},
      {QKeySequence("Ctrl+0"), 124},
  };
  std::vector<std::pair<QKeySequence, int>> installed;
  for (const QAction* action : window->actions()) {
    installed.emplace_back(action->shortcut(), action->data().toInt());
  }
  ASSERT_EQ(installed.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(installed[i].first, expected[i].first) << "entry " << i;
    EXPECT_EQ(installed[i].second, expected[i].second)
        << expected[i].first.toString().toStdString();
  }
}

TEST_F(MenuBarTest, CtrlSSavesAndCtrlRRunsTheExternalUtilities) {
  std::string path = writeFile("page.mus", musImage({{8, 1, 0, 0}}));
  ASSERT_TRUE(window->openFile(path));
  std::filesystem::remove(path);
  auto press = [&](const char* keys) {
    for (QAction* action : window->actions()) {
      if (action->shortcut() == QKeySequence(keys)) action->trigger();
    }
  };
  press("Ctrl+S");
  EXPECT_EQ(ui.dialogsRun, 0);
  EXPECT_TRUE(std::filesystem::exists(path)) << "Ctrl+S did not save";
  press("Ctrl+R");
  EXPECT_EQ(ui.dialogsRun, 1);
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
