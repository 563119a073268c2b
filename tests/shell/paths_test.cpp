#include "cli/paths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <optional>

#include "shell/support/environment.h"

namespace fs = std::filesystem;

namespace {

TEST(LibraryDirectory, OptionThenEnvironmentThenBundledLibraries) {
  EnvironmentGuard environment;
  environment.set("MELIBRON_LIB", "/from/environment");
  EXPECT_EQ(libraryDirectory("/from/option"), "/from/option");
  EXPECT_EQ(libraryDirectory(""), "/from/environment");

  environment.set("MELIBRON_LIB", "");
  std::string bundled = libraryDirectory("");
  fs::path built = fs::path(MELIBRON_BINARY_DIR) / "lib";
  if (fs::exists(built / "libra.drw")) {
    EXPECT_EQ(bundled, built.string()) << "an empty MELIBRON_LIB counts as unset";
  } else {
    EXPECT_EQ(fs::path(bundled).filename(), "lib");
    EXPECT_EQ(fs::path(bundled).parent_path().filename(), "melibron");
  }
}

TEST(ScoreDirectory, EnvironmentPrecedence) {
  QTemporaryDir temporary;
  ASSERT_TRUE(temporary.isValid());
  fs::path root = temporary.path().toStdString();
  struct Case {
    const char* name;
    std::optional<std::string> scoreDir;
    std::optional<std::string> dataHome;
    fs::path expected;
  };
  const Case cases[] = {
      {"score dir wins", (root / "score").string(), (root / "data").string(), root / "score"},
      {"data home", std::nullopt, (root / "data").string(), root / "data" / "melibron"},
      {"empty score dir", "", (root / "data").string(), root / "data" / "melibron"},
      {"home", std::nullopt, std::nullopt, root / "home" / ".local" / "share" / "melibron"},
      {"relative data home ignored", std::nullopt, "relative/data",
       root / "home" / ".local" / "share" / "melibron"},
  };
  for (const Case& c : cases) {
    EnvironmentGuard environment;
    environment.set("HOME", (root / "home").string());
    environment.set("MELIBRON_SCORE_DIR", c.scoreDir);
    environment.set("XDG_DATA_HOME", c.dataHome);
    EXPECT_EQ(scoreDirectory(), c.expected.string()) << c.name;
    EXPECT_TRUE(fs::is_directory(c.expected)) << c.name << ": not created";
    EXPECT_EQ(settingsFilePath(), (c.expected / "melibron.ini").string()) << c.name;
    EXPECT_EQ(handOverFilePath(), (c.expected / "tempfile.mus").string()) << c.name;
  }
}

}  // namespace
