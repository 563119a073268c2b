// The ten-line settings file.
#include "shell/settings.h"

#include <fstream>
#include <sstream>

#include "window_fixture.h"

namespace {

class SettingsTest : public ShellTest {
 protected:
  std::string path() const { return (directory / "melibron.ini").string(); }
  std::string contents() const {
    std::ifstream in(path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  FakeInteraction ui;
};

TEST_F(SettingsTest, RoundTripKeepsAllTenStringsEmptyOnesIncluded) {
  utilityPaths = {"/usr/bin/lj", "", "/opt/with space/tool", "", std::string(254, 'p')};
  utilityOptions = {"/LJ /N", "", "", "-v 'a b'", ""};
  auto paths = utilityPaths;
  auto options = utilityOptions;
  writeSettings(path(), ui);
  EXPECT_EQ(contents(), "/usr/bin/lj\n\n/opt/with space/tool\n\n" + std::string(254, 'p') +
                            "\n/LJ /N\n\n\n-v 'a b'\n\n");
  utilityPaths = {};
  utilityOptions = {};
  readSettings(path(), ui);
  EXPECT_EQ(utilityPaths, paths);
  EXPECT_EQ(utilityOptions, options);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsTest, AThreeLineFileSetsThreePathsAndNothingElse) {
  std::ofstream(path()) << "/a\n/b\n/c\n";
  readSettings(path(), ui);
  EXPECT_EQ(utilityPaths, (std::array<std::string, 5>{"/a", "/b", "/c", "", ""}));
  EXPECT_EQ(utilityOptions, (std::array<std::string, 5>{}));
}

TEST_F(SettingsTest, LinesLoseCarriageReturnsAndAreCutTo254Characters) {
  std::ofstream(path()) << "/a\r\n" << std::string(300, 'x') << "\n";
  readSettings(path(), ui);
  EXPECT_EQ(utilityPaths[0], "/a");
  EXPECT_EQ(utilityPaths[1], std::string(254, 'x'));
}

TEST_F(SettingsTest, AMissingFileWarnsAndKeepsTheDefaults) {
  readSettings((directory / "absent.ini").string(), ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Unable to open user-defined settings file:\n" +
                                     (directory / "absent.ini").string() +
                                     "\n- using default values instead.");
  EXPECT_EQ(ui.messages[0].caption, "MELIBRON");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(utilityPaths, (std::array<std::string, 5>{}));
}

TEST_F(SettingsTest, AFailedWriteWarnsAndLeavesWhatWasThere) {
  // A directory in the file's place cannot be replaced by the new file.
  std::string blocked = (directory / "blocked.ini").string();
  std::filesystem::create_directory(blocked);
  std::ofstream(blocked + "/keep") << "kept";
  utilityPaths[0] = "/new";
  writeSettings(blocked, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Unable to save user-defined settings file:\n" + blocked +
                                     "\nWhen MELIBRON is run again, default values will be used.");
  EXPECT_EQ(ui.messages[0].caption, "MELIBRON");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_TRUE(std::filesystem::exists(blocked + "/keep"));
  // No temporary file is left beside it.
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    EXPECT_EQ(entry.path().filename().string().find("blocked.ini."), std::string::npos)
        << entry.path();
  }
}

TEST_F(SettingsTest, AWriteIntoAMissingDirectoryFails) {
  writeSettings((directory / "no" / "such" / "melibron.ini").string(), ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "MELIBRON");
}

}  // namespace
