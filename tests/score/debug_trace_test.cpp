#include "score/debug_trace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "score/mus_file.h"
#include "score_fixture.h"
#include "support/mus_bytes.h"

namespace {

class DebugTrace : public ScoreTest {
 protected:
  void TearDown() override {
    unsetenv("MELIBRON_DEBUG");
    ScoreTest::TearDown();
  }
};

}  // namespace

TEST_F(DebugTrace, ReaderTracesGoToStandardErrorOnlyWhenAskedFor) {
  std::filesystem::path folder = scratchFolder("trace");
  const std::string path = (folder / "page.mus").string();
  writeBytes(path, musImage({{8, 1, 0}, {13}, {42, 1}}));
  std::string error;

  unsetenv("MELIBRON_DEBUG");
  testing::internal::CaptureStderr();
  ASSERT_TRUE(readMusFile(path, document, &error)) << error;
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  setenv("MELIBRON_DEBUG", "1", 1);
  testing::internal::CaptureStderr();
  ASSERT_TRUE(readMusFile(path, document, &error)) << error;
  const std::string trace = testing::internal::GetCapturedStderr();
  const std::string expectedLines[] = {
      "Opening file " + path + "\n",
      "Memory required for file = 62 bytes.\n",
      "Total number of 4-byte words in file = 15.\n",
      "Number of words in trailer = 5.\n",
      "Number of data words = 9.\n",
      "Item number 1 [STAFF]:\n8 1 0 \n",
      "Item number 2 [-]:\n13 \n",
      "Item number 3 [-]:\n42 1 \n",
  };
  size_t from = 0;
  for (const std::string& line : expectedLines) {
    size_t at = trace.find(line, from);
    EXPECT_NE(at, std::string::npos) << "missing or out of order: " << line << "in:\n" << trace;
    if (at != std::string::npos) from = at + line.size();
  }
  std::filesystem::remove_all(folder);
}
