// Saving, the modified mark, the question before unsaved edits are lost, and
// undo and redo of every edit.
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <fstream>
#include <sstream>

#include "score/item_table.h"
#include "score/mus_file.h"
#include "shell/commands.h"
#include "shell/dialog_controls.h"
#include "shell/external_utils_dialog.h"
#include "shell/item_edit_dialog.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

const std::vector<ItemParams> kPage = {{8, 1, 0, 0}, {3, 1, 10, 0}};

class SaveTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    page = writeFile("page.mus", musImage(kPage));
    ASSERT_TRUE(window->openFile(page));
  }
  // Item edit sets P3 of item 2 to x.
  void editClefTo(const std::string& x) {
    ui.onDialog = [x](QDialog& dialog) {
      auto* edit = dynamic_cast<ItemEditDialog*>(&dialog);
      if (edit == nullptr) return;
      edit->thumbPosition(2);
      edit->field(202)->setText(QString::fromStdString(x));
      clickControl(dialog, kOkButton);
    };
    window->command(kEditItemCommand);
  }
  // P3 of item 2 in the file at path.
  float clefInFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    std::string error;
    Document read;
    EXPECT_TRUE(readMusImage(std::vector<uint8_t>(text.begin(), text.end()), read, &error))
        << error;
    return read.itemTable.itemCount >= 2 ? param(itemAt(read.itemTable, 2), 3) : -1;
  }
  std::string page;
};

TEST_F(SaveTest, AnEditMarksTheTitleAndSaveReplacesThePagesOwnFile) {
  EXPECT_FALSE(window->modified());
  EXPECT_EQ(shownTitle(*window), "page.mus \u2014 MELIBRON");
  editClefTo("44");
  EXPECT_TRUE(window->modified());
  EXPECT_EQ(shownTitle(*window), "page.mus* \u2014 MELIBRON");
  window->command(kSaveCommand);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(window->modified());
  EXPECT_EQ(shownTitle(*window), "page.mus \u2014 MELIBRON");
  EXPECT_TRUE(ui.saveSuggestions.empty()) << "Save asked for a name";
  EXPECT_FLOAT_EQ(clefInFile(page), 44.0f);
  // The file was replaced in one step: no temporary file is left beside it.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    if (entry.path().filename().string().find("page") != std::string::npos) ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(SaveTest, AFailedSaveIsToldAndTheMarkStays) {
  editClefTo("44");
  std::filesystem::remove(page);
  std::filesystem::create_directory(page);  // a directory cannot be replaced by a file
  window->command(kSaveCommand);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("Unable to save file " + page + ":\n", 0), 0u);
  EXPECT_EQ(ui.messages[0].caption, "Save");
  EXPECT_TRUE(window->modified());
}

TEST_F(SaveTest, SaveAsWritesANewPageThatBecomesTheWindowsFile) {
  editClefTo("55");
  std::string other = (directory / "other.mus").string();
  ui.saveAnswers = {"", other};
  window->command(kSaveAsCommand);  // cancelled
  EXPECT_TRUE(window->modified());
  EXPECT_FALSE(std::filesystem::exists(other));
  window->command(kSaveAsCommand);
  ASSERT_EQ(ui.saveSuggestions.size(), 2u);
  EXPECT_EQ(ui.saveSuggestions[0], page + "|MUS Files (*.mus)|mus");
  EXPECT_FALSE(window->modified());
  EXPECT_EQ(window->filePath(), other);
  EXPECT_EQ(shownTitle(*window), "other.mus \u2014 MELIBRON");
  EXPECT_FLOAT_EQ(clefInFile(other), 55.0f);
  EXPECT_FLOAT_EQ(clefInFile(page), 10.0f) << "the old page changed";
}

TEST_F(SaveTest, SavingAnOpenedListingAsksForAPageName) {
  std::string text = "8.000 1.000 0.000 0.000 \n";
  std::string listing = writeFile("listing.txt", std::vector<uint8_t>(text.begin(), text.end()));
  ASSERT_TRUE(window->openFile(listing));
  ui.saveAnswers = {(directory / "listing.mus").string()};
  window->command(kSaveCommand);
  ASSERT_EQ(ui.saveSuggestions.size(), 1u);
  EXPECT_EQ(ui.saveSuggestions[0], (directory / "listing.mus").string() + "|MUS Files (*.mus)|mus");
  EXPECT_TRUE(std::filesystem::exists(directory / "listing.mus"));
  std::ifstream in(listing);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), text)
      << "the listing was overwritten";
}

TEST_F(SaveTest, SaveAsPmxAsksForANameAndTellsWhereItWroteAfterWriting) {
  std::string listing = (directory / "mine.pmx").string();
  ui.saveAnswers = {"", listing};
  window->command(kSavePmxCommand);
  EXPECT_TRUE(ui.messages.empty()) << "a cancelled export told something";
  EXPECT_FALSE(std::filesystem::exists(directory / "tempfile.pmx"));
  ui.onDialog = nullptr;
  window->command(kSavePmxCommand);
  ASSERT_EQ(ui.saveSuggestions.size(), 2u);
  EXPECT_EQ(ui.saveSuggestions[0],
            (directory / "tempfile.pmx").string() + "|PMX Files (*.pmx)|pmx");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Saved current data as \"" + listing + "\"");
  EXPECT_EQ(ui.messages[0].caption, "Save As PMX");
  std::ifstream in(listing);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "8.000 1.000 0.000 0.000 ");
  EXPECT_FALSE(window->modified()) << "a listing is not the page's file";
}

TEST_F(SaveTest, ClosingWithChangesAsksSaveDiscardOrCancel) {
  editClefTo("66");
  ui.saveChoices = {SaveChoice::kCancel};
  window->close();
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(ui.saveQuestions.size(), 1u);
  EXPECT_EQ(ui.saveQuestions[0], "Save the changes to page.mus before closing?");
  EXPECT_FALSE(std::filesystem::exists(directory / "melibron.ini")) << "settings written on Cancel";

  ui.saveChoices = {SaveChoice::kSave};
  window->command(kExitCommand);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FLOAT_EQ(clefInFile(page), 66.0f);
}

TEST_F(SaveTest, DiscardClosesWithoutSaving) {
  editClefTo("66");
  ui.saveChoices = {SaveChoice::kDiscard};
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FLOAT_EQ(clefInFile(page), 10.0f);
}

TEST_F(SaveTest, OpeningAnotherFileWithChangesAsksFirst) {
  editClefTo("77");
  std::string other = writeFile("other.mus", musImage({{8, 1, 0, 0}}));
  ui.fileAnswers = {other};
  ui.saveChoices = {SaveChoice::kCancel};
  window->command(kOpenCommand);
  EXPECT_TRUE(ui.startDirectories.empty()) << "the file dialog ran after Cancel";
  EXPECT_EQ(shown().itemTable.itemCount, 2);
  ui.saveChoices = {SaveChoice::kDiscard};
  window->command(kOpenCommand);
  EXPECT_EQ(shown().itemTable.itemCount, 1);
  EXPECT_FALSE(window->modified());
  EXPECT_EQ(ui.saveQuestions.back(), "Save the changes to page.mus before opening another file?");
}

TEST_F(SaveTest, RunningAUtilityWithChangesAsksFirst) {
  editClefTo("88");
  ui.saveChoices = {SaveChoice::kCancel};
  ui.onDialog = [](QDialog& dialog) {
    setField(dialog, 350, "/bin/true");
    clickControl(dialog, 300);
  };
  window->command(kRunUtilitiesCommand);
  ASSERT_EQ(ui.saveQuestions.size(), 1u);
  EXPECT_EQ(ui.saveQuestions[0], "Save the changes to page.mus before running the utility?");
  EXPECT_FALSE(std::filesystem::exists(directory / "tempfile.mus"))
      << "the utility ran after Cancel";
}

TEST_F(SaveTest, UndoAndRedoEveryEdit) {
  QAction* undo = commandAction(window->menuBar(), kUndoCommand);
  QAction* redo = commandAction(window->menuBar(), kRedoCommand);
  ASSERT_NE(undo, nullptr);
  EXPECT_FALSE(undo->isEnabled());
  editClefTo("20");
  editClefTo("30");
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  window->command(kUndoCommand);
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 20.0f);
  EXPECT_GT(componentsOf(window->view().components, 2)->count, 0) << "not laid out after undo";
  window->command(kUndoCommand);
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 10.0f);
  EXPECT_FALSE(window->modified()) << "back at the file's data";
  EXPECT_FALSE(undo->isEnabled());
  window->command(kUndoCommand);  // nothing left: no change
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 10.0f);
  window->command(kRedoCommand);
  window->command(kRedoCommand);
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 30.0f);
  EXPECT_TRUE(window->modified());
  // A new edit after an undo drops the steps undone.
  window->command(kUndoCommand);
  editClefTo("25");
  EXPECT_FALSE(redo->isEnabled());
  window->command(kUndoCommand);
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 20.0f);
  // An Item edit closed with Cancel, or without a change, is no step.
  window->command(kRedoCommand);
  ui.onDialog = [](QDialog& dialog) { clickControl(dialog, kCancelButton); };
  window->command(kEditItemCommand);
  window->command(kUndoCommand);
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 20.0f);
}

TEST_F(SaveTest, UndoReachesTheDataBeforeAUtilityRunAndSavedDataIsUnmarked) {
  std::filesystem::path tool = directory / "tool.sh";
  std::ofstream(tool) << "#!/bin/sh\nprintf '\\000\\000\\000\\000' >> \"$1\"\n";
  std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
  // The utility appends a word: the file no longer ends in the end mark.
  ui.onDialog = [&](QDialog& dialog) {
    setField(dialog, 350, tool.string());
    clickControl(dialog, 300);
  };
  window->command(kRunUtilitiesCommand);
  ASSERT_EQ(ui.messages.size(), 1u) << "the damaged hand-over file was not told";
  EXPECT_FALSE(window->modified()) << "a failed reload counted as an edit";

  std::ofstream(tool) << "#!/bin/sh\ncp '"
                      << writeFile("three.mus", musImage({{8, 1}, {3, 1, 5}, {3, 1, 9}}))
                      << "' \"$1\"\n";
  window->command(kRunUtilitiesCommand);
  ASSERT_EQ(shown().itemTable.itemCount, 3);
  EXPECT_TRUE(window->modified());
  window->command(kSaveCommand);
  EXPECT_FALSE(window->modified());
  window->command(kUndoCommand);
  EXPECT_EQ(shown().itemTable.itemCount, 2);
  EXPECT_TRUE(window->modified()) << "the file holds the utility's data now";
  window->command(kRedoCommand);
  EXPECT_FALSE(window->modified());
}

}  // namespace
