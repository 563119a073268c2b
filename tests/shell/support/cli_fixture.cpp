#include "shell/support/cli_fixture.h"

#include <filesystem>

#include "shell/support/cli_run.h"
#include "shell/support/fake_libraries.h"

void CliFixture::SetUp() {
  ASSERT_TRUE(directory_.isValid());
  std::filesystem::path root = directory_.path().toStdString();
  libraries_ = (root / "lib").string();
  outputDirectory_ = (root / "out").string();
  std::filesystem::create_directories(libraries_);
  std::filesystem::create_directories(outputDirectory_);
  ASSERT_TRUE(writeFakeLibraries(libraries_));
}

std::string CliFixture::score(const std::vector<ItemParams>& items, const std::string& name) {
  return writeFile(directory_.path().toStdString(), name, musImage(items));
}

std::string CliFixture::output(const std::string& name) const {
  return (std::filesystem::path(outputDirectory_) / name).string();
}

std::vector<std::string> CliFixture::outputs() const { return directoryEntries(outputDirectory_); }

std::vector<ItemParams> staffAndBarline() { return {{8, 1}, {14, 1, 50, 0, 2}}; }
