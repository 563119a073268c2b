// Running external utilities on the hand-over file, end to end with real
// programs, and the splitting of their option strings.
#include "shell/external_utility.h"

#include <sys/stat.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "layout/layout.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "shell/commands.h"
#include "shell/external_utils_dialog.h"
#include "shell/shell_words.h"
#include "shell/utility_progress.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

const std::vector<ItemParams> kBefore = {{8, 1, 0, 0}, {3, 1, 10, 0}};
const std::vector<ItemParams> kAfter = {{8, 1, 0, 0}, {3, 1, 10, 0}, {3, 1, 60, 0}};

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ExternalUtilityTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    tools = directory / "my tools";
    std::filesystem::create_directory(tools);
    handOver = (directory / "tempfile.mus").string();
  }

  // Writes an executable sh script (the body after the #! line) and returns its path.
  std::string script(const std::string& name, const std::string& body) {
    std::filesystem::path path = tools / name;
    std::ofstream(path) << "#!/bin/sh\n" << body;
    chmod(path.c_str(), 0755);
    return path.string();
  }

  // Loads kBefore, lays it out and runs row k of a fresh dialog with the
  // given path and options; returns whether it ran.
  bool runRow(int k, const std::string& path, const std::string& options) {
    loadItems(document, kBefore);
    layoutScore(document, view);
    ExternalUtilsDialog dialog(nullptr, ui, document, view);
    setField(dialog, 350 + k, path);
    setField(dialog, 400 + k, options);
    bool ran = runExternalUtility(dialog, k, ui, document, view);
    closedAccepted = dialog.result() == QDialog::Accepted;
    return ran;
  }

  void expectBeforeStillLoaded() {
    ASSERT_EQ(document.itemTable.itemCount, 2);
    EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 2), 3), 10.0f);
    EXPECT_GT(componentsOf(view.components, 2)->count, 0) << "the loaded data lost its layout";
  }

  std::filesystem::path tools;
  std::string handOver;
  FakeInteraction ui;
  bool closedAccepted = false;
};

TEST_F(ExternalUtilityTest, RunsTheUtilityWaitsAndReloadsWhatItLeft) {
  writeFile("after.mus", musImage(kAfter));
  std::string tool = script("edit it.sh",
                            "d=$(dirname \"$0\")/..\n"
                            "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$d/args.txt\"\n"
                            "cp \"$1\" \"$d/received.mus\"\n"
                            "sleep 0.3\n"
                            "cp \"$d/after.mus\" \"$1\"\n");
  ASSERT_TRUE(runRow(0, tool, "-x \"two words\" 'single $HOME' back\\ slash * ~"));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(readText(directory / "args.txt"),
            "[" + handOver + "]\n[-x]\n[two words]\n[single $HOME]\n[back slash]\n[*]\n[~]\n");
  // What is loaded now is what the utility left after its pause...
  EXPECT_EQ(document.itemTable.itemCount, 3);
  EXPECT_TRUE(closedAccepted);
  // ...and what it was handed was the data loaded before.
  std::string error;
  ASSERT_TRUE(readMusFile((directory / "received.mus").string(), document, &error)) << error;
  EXPECT_EQ(document.itemTable.itemCount, 2);
}

TEST_F(ExternalUtilityTest, TheReloadedItemsAreLaidOut) {
  writeFile("after.mus", musImage(kAfter));
  std::string tool = script("copy.sh", "cp \"$(dirname \"$0\")/../after.mus\" \"$1\"\n");
  ASSERT_TRUE(runRow(2, tool, ""));
  ASSERT_EQ(document.itemTable.itemCount, 3);
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 3), 3), 60.0f);
  EXPECT_GT(componentsOf(view.components, 3)->count, 0);
}

TEST_F(ExternalUtilityTest, AUtilityThatCannotStartIsToldWithTheReasonAndTheDataStays) {
  std::string missing = (tools / "absent tool").string();
  std::string plain = (tools / "not executable").string();
  std::ofstream(plain) << "#!/bin/sh\n";
  const std::pair<std::string, std::string> cases[] = {
      {missing, "No such file or directory"},
      {plain, "Permission denied"},
  };
  for (const auto& [program, reason] : cases) {
    SCOPED_TRACE(program);
    ui.messages.clear();
    EXPECT_FALSE(runRow(1, program, "-a 'b c'"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Unable to run external utility:\n" + program + " " + handOver +
                                       " -a 'b c'\n" + reason);
    EXPECT_EQ(ui.messages[0].caption, "MELIBRON");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
    expectBeforeStillLoaded();
    EXPECT_FALSE(closedAccepted) << "the dialog closed on a failed start";
    EXPECT_EQ(utilityPaths[1], program) << "the row was not taken before the run";
  }
}

TEST_F(ExternalUtilityTest, AHandOverFileThatCannotBeWrittenStopsTheRun) {
  std::filesystem::create_directory(handOver);  // a directory where the file must go
  std::string tool = script("mark.sh", "touch \"$(dirname \"$0\")/../ran\"\n");
  EXPECT_FALSE(runRow(0, tool, ""));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "MELIBRON");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_FALSE(std::filesystem::exists(directory / "ran")) << "the utility ran anyway";
  expectBeforeStillLoaded();
}

TEST_F(ExternalUtilityTest, ABadReturnedFileIsToldAndTheDataFromBeforeStays) {
  struct Case {
    const char* name;
    const char* body;
    std::string message;
  };
  // The messages name the hand-over file itself.
  const Case cases[] = {
      {"removed", "rm \"$1\"\n", "Unable to open file " + handOver},
      {"end mark cut off", "truncate -s -1 \"$1\"\n",
       "Final value in file " + handOver + " not -9999.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.messages.clear();
    EXPECT_TRUE(runRow(0, script("bad.sh", c.body), ""));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].caption, "File Open");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
    expectBeforeStillLoaded();
  }
}

TEST_F(ExternalUtilityTest, RunWithNothingLoadedHandsOverAnEmptyTable) {
  writeFile("after.mus", musImage(kAfter));
  std::string tool = script("copy.sh",
                            "cp \"$1\" \"$(dirname \"$0\")/../received.mus\"\n"
                            "cp \"$(dirname \"$0\")/../after.mus\" \"$1\"\n");
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  setField(dialog, 350, tool);
  ASSERT_TRUE(runExternalUtility(dialog, 0, ui, document, view));
  EXPECT_EQ(std::filesystem::file_size(directory / "received.mus"), 26u);
  EXPECT_EQ(document.itemTable.itemCount, 3);
}

TEST_F(ExternalUtilityTest, RunTakesOnlyItsOwnRow) {
  utilityPaths[0] = "/kept/one";
  std::string tool = script("nothing.sh", "exit 3\n");  // the exit code is not looked at
  loadItems(document, kBefore);
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  setField(dialog, 350, "/edited/one");
  setField(dialog, 352, tool);
  setField(dialog, 402, "-q");
  clickControl(dialog, 302);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(utilityPaths[0], "/kept/one");
  EXPECT_EQ(utilityPaths[2], tool);
  EXPECT_EQ(utilityOptions[2], "-q");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(document.itemTable.itemCount, 2);
}

TEST_F(ExternalUtilityTest, ARunningUtilityKeepsTheProgramAliveAndCanBeStopped) {
  std::string tool = script("slow.sh", "exec sleep 60\n");
  int ticks = 0;
  bool busy = false;
  QTimer ticker;
  // Events go on during the run: the windows repaint; the cursor is busy.
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    ++ticks;
    busy = busy || (QApplication::overrideCursor() != nullptr &&
                    QApplication::overrideCursor()->shape() == Qt::BusyCursor);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() != kUtilityProgressName || !widget->isVisible()) continue;
      for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        if (button->text() == "Stop") button->click();
      }
    }
  });
  ticker.start(50);
  EXPECT_FALSE(runRow(0, tool, ""));
  EXPECT_GT(ticks, 2);
  EXPECT_TRUE(busy);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor stayed";
  EXPECT_TRUE(ui.messages.empty());
  expectBeforeStillLoaded();
  EXPECT_FALSE(closedAccepted) << "the dialog closed after Stop";
}

TEST(UtilityCommandLineTest, JoinsPathHandOverFileAndOptionsWithSpaces) {
  struct Case {
    const char* name;
    std::string path, options, expected;
  };
  const Case cases[] = {
      {"worked example", "C:\\Score\\Lj\\Lj.exe", "/LJ /N",
       "C:\\Score\\Lj\\Lj.exe C:\\Score\\tempfile.mus /LJ /N"},
      {"empty options", "C:\\Score\\Lj\\Lj.exe", "",
       "C:\\Score\\Lj\\Lj.exe C:\\Score\\tempfile.mus "},
      {"empty path", "", "/LJ", " C:\\Score\\tempfile.mus /LJ"},
  };
  for (const Case& c : cases) {
    utilityPaths[0] = c.path;
    utilityOptions[0] = c.options;
    EXPECT_EQ(utilityCommandLine(0, "C:\\Score\\tempfile.mus"), c.expected) << c.name;
  }
  utilityPaths = {};
  utilityOptions = {};
}

TEST(ShellWordsTest, SplitsAsAShellWouldWithoutExpanding) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"blanks only", " \t\n ", {}},
      {"plain words", "  /LJ   /N\t-x ", {"/LJ", "/N", "-x"}},
      {"single quotes", "'a  b' 'it''s'", {"a  b", "its"}},
      {"single quotes keep backslashes", "'a\\b'", {"a\\b"}},
      {"double quotes", "\"a  b\" x\"y z\"w", {"a  b", "xy zw"}},
      {"escapes in double quotes", "\"\\\"q\\\" \\$ \\\\ \\n\"", {"\"q\" $ \\ \\n"}},
      {"backslash outside quotes", "a\\ b c\\'d", {"a b", "c'd"}},
      {"empty quoted words", "'' \"\"", {"", ""}},
      {"no expansion", "$HOME ~ * `id` $(id)", {"$HOME", "~", "*", "`id`", "$(id)"}},
      {"unclosed quote", "a 'b c", {"a", "b c"}},
      {"escaped newline joins", "a\\\nb", {"ab"}},
      {"trailing backslash", "a\\", {"a\\"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(splitShellWords(c.text), c.words) << c.name;
  }
}

using RunUtilitiesCommandTest = WindowTest;

TEST_F(RunUtilitiesCommandTest, TheCommandRunsTheDialogAndTheUtilityInIt) {
  writeFile("after.mus", musImage(kAfter));
  std::filesystem::path tool = directory / "copy.sh";
  std::ofstream(tool) << "#!/bin/sh\ncp \"" << (directory / "after.mus").string() << "\" \"$1\"\n";
  chmod(tool.c_str(), 0755);
  openItems(kBefore);
  const QString caption = window->windowTitle();
  ui.onDialog = [&](QDialog& dialog) {
    setField(dialog, 351, tool.string());
    clickControl(dialog, 301);
  };
  window->command(kRunUtilitiesCommand);
  EXPECT_EQ(ui.dialogsRun, 1);
  EXPECT_EQ(shown().itemTable.itemCount, 3);
  EXPECT_EQ(window->windowTitle(), caption) << "the caption keeps the last opened file";
}

TEST_F(RunUtilitiesCommandTest, AfterARunThatShowedItsStopDialogTheWindowHasTheKeyboard) {
  // The utility ends once its dialog has been seen, so that dialog and the
  // utilities dialog close one right after the other.
  std::filesystem::path go = directory / "go";
  std::filesystem::path tool = directory / "waits.sh";
  std::ofstream(tool) << "#!/bin/sh\nwhile [ ! -e \"" << go.string()
                      << "\" ]; do sleep 0.05; done\n";
  chmod(tool.c_str(), 0755);
  openItems(kBefore);
  window->activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), window.get());
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == kUtilityProgressName && widget->isVisible())
        std::ofstream(go) << "";
    }
  });
  ticker.start(20);
  ui.onDialog = [&](QDialog& dialog) {
    dialog.show();
    setField(dialog, 351, tool.string());
    clickControl(dialog, 301);
  };
  window->command(kRunUtilitiesCommand);
  QApplication::processEvents();
  ASSERT_TRUE(std::filesystem::exists(go)) << "the stop dialog never showed";
  EXPECT_EQ(QApplication::activeWindow(), window.get());
}

}  // namespace
