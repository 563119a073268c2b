#include "window_fixture.h"

#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <fstream>

#include "layout/component_store.h"
#include "library/library_table.h"
#include "score/item_table.h"
#include "shell/dialog_controls.h"
#include "shell/settings.h"
#include "view/view.h"

namespace {

void fillFakeLibraries() {
  for (int n = 0; n < kSymbolCount; ++n) {
    auto symbol = std::make_unique<LibrarySymbol>();
    std::string name = "L" + std::to_string(n / 10) + "." + std::to_string(n % 10);
    name.copy(symbol->name, std::min<size_t>(name.size(), 5));
    symbol->vectors = {{0, 0}, {40, 0}, {20, -40}};
    symbol->drawList = {{kBlackPolygon, 3}};
    libraryTable[n] = std::move(symbol);
  }
}

}  // namespace

std::string FakeInteraction::chooseFileToOpen(const std::string& startDirectory) {
  startDirectories.push_back(startDirectory);
  if (fileAnswers.empty()) return {};
  std::string answer = fileAnswers.front();
  fileAnswers.erase(fileAnswers.begin());
  return answer;
}

namespace {

template <class T>
T takeFront(std::vector<T>& answers, T none) {
  if (answers.empty()) return none;
  T answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

}  // namespace

std::string FakeInteraction::chooseFileToSave(const std::string& suggestedPath,
                                              const std::string& filter,
                                              const std::string& extension) {
  saveSuggestions.push_back(suggestedPath + "|" + filter + "|" + extension);
  return takeFront(saveAnswers, std::string());
}

SaveChoice FakeInteraction::askToSave(const std::string& question) {
  saveQuestions.push_back(question);
  return takeFront(saveChoices, SaveChoice::kCancel);
}

void FakeInteraction::runModal(QDialog& dialog) {
  ++dialogsRun;
  if (onDialog) onDialog(dialog);
}

void clickControl(QDialog& dialog, int id) {
  QPushButton* button = control<QPushButton>(&dialog, id);
  ASSERT_NE(button, nullptr) << "no button " << id;
  button->click();
}

void setField(QDialog& dialog, int id, const std::string& text) {
  QLineEdit* field = control<QLineEdit>(&dialog, id);
  ASSERT_NE(field, nullptr) << "no field " << id;
  field->setText(QString::fromStdString(text));
}

std::string shownTitle(const QWidget& window) {
  QString title = window.windowTitle();
  return title.replace("[*]", window.isWindowModified() ? "*" : "").toStdString();
}

void ShellTest::SetUp() {
  previousDirectory_ = std::filesystem::current_path();
  char pattern[] = "/tmp/melibron-shell-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  directory = pattern;
  std::filesystem::current_path(directory);
  setenv("MELIBRON_SCORE_DIR", directory.c_str(), 1);
  initViewState(view, 96);
  fillFakeLibraries();
  utilityPaths = {};
  utilityOptions = {};
}

void ShellTest::TearDown() {
  std::filesystem::current_path(previousDirectory_);
  std::filesystem::remove_all(directory);
}

std::string ShellTest::writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::filesystem::path path = directory / name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

void WindowTest::SetUp() {
  ShellTest::SetUp();
  window = std::make_unique<MainWindow>(&ui);
  window->resize(800, 600);
  window->show();
  QApplication::processEvents();
  // The view of the screen the window found; tests start from 96 pixels
  // per inch, at zoom 1 with the view at the top left of the page.
  window->setPixelsPerInch(96);
}

void WindowTest::openItems(const std::vector<ItemParams>& items) {
  ASSERT_TRUE(window->openFile(writeFile("shown.mus", musImage(items))));
}

void WindowTest::TearDown() {
  window.reset();
  ShellTest::TearDown();
}
