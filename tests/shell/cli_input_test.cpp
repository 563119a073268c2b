#include <gtest/gtest.h>

#include "score/mus_file.h"
#include "score/score_input.h"
#include "shell/support/cli_fixture.h"
#include "shell/support/cli_run.h"

namespace {

using CliInput = CliFixture;

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

TEST_F(CliInput, TypeByContentThenExtension) {
  std::vector<uint8_t> page = musImage({{8, 1}});
  std::vector<uint8_t> noEndMark(page.begin(), page.end() - 4);
  struct Case {
    const char* name;
    const char* file;
    std::vector<uint8_t> bytes;
    ScoreInputType type;
  };
  const Case cases[] = {
      {"page named .pmx", "a.pmx", page, ScoreInputType::kMus},
      {"listing named .mus", "b.mus", bytesOf("8.000 1.000 \n"), ScoreInputType::kPmx},
      {"listing without extension", "c", bytesOf("8.000 1.000 \n"), ScoreInputType::kPmx},
      {"empty .pmx", "d.PMX", {}, ScoreInputType::kPmx},
      {"empty .mus", "e.mus", {}, ScoreInputType::kMus},
      {"binary .mus without end mark", "f.mus", noEndMark, ScoreInputType::kMus},
      {"binary .pmx without end mark", "g.pmx", noEndMark, ScoreInputType::kPmx},
  };
  for (const Case& c : cases) {
    std::string path = writeFile(directory_.path().toStdString(), c.file, c.bytes);
    EXPECT_EQ(scoreInputType(path), c.type) << c.name;
  }
  EXPECT_EQ(scoreInputType(output("missing.pmx")), ScoreInputType::kPmx);
  EXPECT_EQ(scoreInputType(output("missing.mus")), ScoreInputType::kMus);
}

TEST_F(CliInput, ListingConvertsBackToThePage) {
  std::vector<uint8_t> page =
      musImage({{8, 1}, {1, 1, 10.5f, 5, 0, 1}, {14, 1, 50, 0, -2.5f}}, kWrittenSerialNumber);
  std::string input = writeFile(directory_.path().toStdString(), "in.mus", page);
  ASSERT_EQ(runCli({"-o", output("listing.pmx"), input}).status, 0);
  CliResult result = runCli({"-o", output("again.mus"), output("listing.pmx")});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readFile(output("again.mus")), page);
}

TEST_F(CliInput, ListingErrorsNameThePath) {
  std::string path =
      writeFile(directory_.path().toStdString(), "bad.pmx", bytesOf("8.000 1.000\nnot a number\n"));
  CliResult result = runCli({"--info", path});
  EXPECT_EQ(result.status, 1);
  std::string prefix = "melibron: " + path + ": line 2";
  EXPECT_EQ(result.err.substr(0, prefix.size()), prefix) << result.err;
}

}  // namespace
