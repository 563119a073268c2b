// The drawing mode in the View menu, kept between runs in a file of its own.
#include <QAction>
#include <QMenuBar>
#include <fstream>
#include <sstream>

#include "cli/paths.h"
#include "shell/commands.h"
#include "shell/drawing_mode_file.h"
#include "window_fixture.h"

namespace {

using DrawingModeTest = WindowTest;

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool basicChecked(const MainWindow& window) {
  QAction* action = commandAction(window.menuBar(), kBasicDrawingCommand);
  return action != nullptr && action->isCheckable() && action->isChecked();
}

TEST_F(DrawingModeTest, TheMenuItemSwitchesTheModeAndTheNextRunKeepsIt) {
  openItems({{8, 1, 0, 0}, {3, 1, 10, 0}});
  EXPECT_EQ(window->view().drawingMode, DrawingMode::kComplete) << "a first run draws completely";
  EXPECT_FALSE(basicChecked(*window));

  window->command(kBasicDrawingCommand);
  EXPECT_EQ(window->view().drawingMode, DrawingMode::kBasic);
  EXPECT_TRUE(basicChecked(*window));
  EXPECT_EQ(std::filesystem::path(drawingModeFilePath()).parent_path(), directory)
      << "not beside melibron.ini";
  EXPECT_EQ(fileText(drawingModeFilePath()), "basic\n");
  {
    FakeInteraction other;
    MainWindow next(&other);
    EXPECT_EQ(next.view().drawingMode, DrawingMode::kBasic);
    EXPECT_TRUE(basicChecked(next));
  }

  window->command(kBasicDrawingCommand);
  EXPECT_EQ(window->view().drawingMode, DrawingMode::kComplete);
  EXPECT_EQ(fileText(drawingModeFilePath()), "complete\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DrawingModeTest, AFileThatSaysNothingKnownDrawsCompletely) {
  const std::pair<const char*, DrawingMode> cases[] = {
      {"basic\n", DrawingMode::kBasic},        {"  basic  ", DrawingMode::kBasic},
      {"Basic\n", DrawingMode::kComplete},     {"", DrawingMode::kComplete},
      {"basic basic", DrawingMode::kComplete},
  };
  for (const auto& [text, mode] : cases) {
    SCOPED_TRACE(text);
    std::ofstream(directory / "drawing-mode") << text;
    EXPECT_EQ(readDrawingMode(drawingModeFilePath()), mode);
  }
  EXPECT_EQ(readDrawingMode((directory / "absent").string()), DrawingMode::kComplete);
}

TEST_F(DrawingModeTest, AModeThatCannotBeKeptIsToldAndStillDrawn) {
  std::filesystem::create_directory(directory / "drawing-mode");
  window->command(kBasicDrawingCommand);
  EXPECT_EQ(window->view().drawingMode, DrawingMode::kBasic);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind(
                "Unable to save the drawing mode:\n" + drawingModeFilePath() + "\n", 0),
            0u)
      << ui.messages[0].text;
}

}  // namespace
