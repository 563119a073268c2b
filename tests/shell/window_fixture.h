// Shared set-up of the window and dialog tests: a fake conversation with the
// user, a private data directory as current directory, and a small library.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/interaction.h"
#include "shell/main_window.h"
#include "support/mus_bytes.h"

// Records messages, answers the open-file dialog from a list and hands every
// modal dialog to onDialog (which may fill fields and click buttons).
class FakeInteraction : public Interaction {
 public:
  void showMessage(const Message& message) override { messages.push_back(message); }
  std::string chooseFileToOpen(const std::string& startDirectory) override;
  std::string chooseFileToSave(const std::string& suggestedPath, const std::string& filter,
                               const std::string& extension) override;
  SaveChoice askToSave(const std::string& question) override;
  void runModal(QDialog& dialog) override;

  std::vector<Message> messages;
  std::vector<std::string> fileAnswers;  // taken from the front; "" = Cancel
  std::vector<std::string> startDirectories;
  std::vector<std::string> saveAnswers;      // taken from the front; "" = Cancel
  std::vector<std::string> saveSuggestions;  // "suggested path|filter|extension"
  std::vector<SaveChoice> saveChoices;       // taken from the front; none = Cancel
  std::vector<std::string> saveQuestions;
  std::function<void(QDialog&)> onDialog;
  int dialogsRun = 0;
};

// Clicks the button with the given control id.
void clickControl(QDialog& dialog, int id);

// Puts text into the line edit with the given control id.
void setField(QDialog& dialog, int id, const std::string& text);

// The title as the window manager shows it: Qt's [*] becomes the modified
// mark, or nothing.
std::string shownTitle(const QWidget& window);

// Each test runs in a fresh directory that is both the current directory and
// the data directory, with an empty document and a view at 96 pixels per
// inch for the dialogs, and libraries 0..19 holding one triangle symbol each (named
// "Ln.i" for library n, position i) in positions 0..9.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes bytes to a file in the test directory and returns its path.
  std::string writeFile(const std::string& name, const std::vector<uint8_t>& bytes);
  std::filesystem::path directory;
  Document document;
  View view;

 private:
  std::filesystem::path previousDirectory_;
};

// A shown 800 x 600 main window talking to a FakeInteraction, at 96 pixels
// per inch and zoom 1 (not fitted) with the view at the top left of the page.
class WindowTest : public ShellTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Opens a page of these items in the window, as the Open command does.
  void openItems(const std::vector<ItemParams>& items);
  const Document& shown() const { return window->document(); }
  FakeInteraction ui;
  std::unique_ptr<MainWindow> window;
};
