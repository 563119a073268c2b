// Settings files that are not ours: however long or endless, reading one
// takes bounded memory and time.
#include <fstream>

#include "shell/settings.h"
#include "window_fixture.h"

namespace {

class SettingsLimitsTest : public ShellTest {
 protected:
  std::string path() const { return (directory / "melibron.ini").string(); }
  FakeInteraction ui;
};

TEST_F(SettingsLimitsTest, AnEndlessFileGivesOneCutValue) {
  readSettings("/dev/zero", ui);
  EXPECT_EQ(utilityPaths[0], std::string(254, '\0'));
  EXPECT_EQ(utilityPaths[1], "");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsLimitsTest, AHugeLineEndsTheUsefulPartOfTheFile) {
  std::ofstream(path()) << "/a\n" << std::string(1 << 20, 'x') << "\n/c\n";
  readSettings(path(), ui);
  EXPECT_EQ(utilityPaths, (std::array<std::string, 5>{"/a", std::string(254, 'x'), "", "", ""}));
}

TEST_F(SettingsLimitsTest, HugeLinesAfterTheTenthChangeNothing) {
  std::ofstream(path()) << "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n" << std::string(1 << 20, 'y');
  readSettings(path(), ui);
  EXPECT_EQ(utilityPaths, (std::array<std::string, 5>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(utilityOptions, (std::array<std::string, 5>{"6", "7", "8", "9", "10"}));
}

}  // namespace
