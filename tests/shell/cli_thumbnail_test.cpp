// melibron --thumbnail SIZE IN OUT: the top of the page, square, for file managers.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <utility>

#include "shell/support/cli_fixture.h"
#include "shell/support/cli_run.h"
#include "shell/support/fake_libraries.h"

namespace {

using CliThumbnail = CliFixture;

QImage readImage(const std::string& path) { return QImage(QString::fromStdString(path)); }

// The first and last rows with any grey or black, or (-1, -1).
std::pair<int, int> inkedRows(const QImage& image) {
  std::pair<int, int> rows(-1, -1);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 255) {
        if (rows.first < 0) rows.first = y;
        rows.second = y;
        break;
      }
    }
  }
  return rows;
}

double inkShare(const QImage& image) {
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
  }
  return static_cast<double>(ink) / (image.width() * image.height());
}

TEST_F(CliThumbnail, ShowsTheTopOfThePageOnly) {
  // The top square of the page ends 2.5 inches above its bottom edge: staff
  // 12 (9.41 inches up) is inside it, staff 1 (0.75 inch up) below it.
  std::string high = score({{8, 12}}, "high.mus");
  std::string low = score({{8, 1}}, "low.mus");
  ASSERT_EQ(runCli({"--thumbnail", "128", high, output("high.png"), "--lib", libraries_}).status,
            0);
  ASSERT_EQ(runCli({"--thumbnail", "128", low, output("low.png"), "--lib", libraries_}).status, 0);
  QImage shown = readImage(output("high.png"));
  ASSERT_EQ(shown.size(), QSize(128, 128));
  // Its lines 1.24 to 1.59 inches below the top: rows 18.6 to 23.9 of 128 for 8.5 inches.
  auto [top, bottom] = inkedRows(shown);
  EXPECT_NEAR(top, 18, 1);
  EXPECT_NEAR(bottom, 24, 1);
  EXPECT_EQ(inkedRows(readImage(output("low.png"))).first, -1) << "the bottom staff is drawn";
}

TEST_F(CliThumbnail, PagesGiveImagesOfTheSizeWithInk) {
  std::string libraries = testLibraryDirectory(libraries_);
  std::vector<std::string> pages = {MELIBRON_SOURCE_DIR "/examples/demo.mus"};
  for (const char* name : {"chopin2801", "brahms-op76n7-p1", "chor005"}) {
    std::string page = std::string(MELIBRON_CORPUS_DIR) + "/" + name + ".mus";
    if (std::filesystem::exists(page)) pages.push_back(page);
  }
  for (const std::string& page : pages) {
    for (int size : {64, 256}) {
      std::string out = output(std::to_string(size) + ".png");
      CliResult result =
          runCli({"--thumbnail", std::to_string(size), page, out, "--lib", libraries});
      ASSERT_EQ(result.status, 0) << page << ": " << result.err;
      QImage image = readImage(out);
      ASSERT_EQ(image.size(), QSize(size, size)) << page;
      EXPECT_EQ(qGray(image.pixel(0, 0)), 255) << page << ": background";
      double ink = inkShare(image);
      EXPECT_GT(ink, 0.005) << page << " at " << size;
      EXPECT_LT(ink, 0.4) << page << " at " << size;
    }
  }
}

TEST_F(CliThumbnail, BadArgumentsAreRefused) {
  std::string page = score(staffAndBarline());
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const std::string sizes = "melibron: --thumbnail needs a size from 16 to 1024 pixels, not ";
  const std::string operands =
      "melibron: --thumbnail needs a size, a score file and an output file\n";
  const Case cases[] = {
      {{"0", page, output("t.png")}, sizes + "'0'\n"},
      {{"-5", page, output("t.png")}, sizes + "'-5'\n"},
      {{"100000", page, output("t.png")}, sizes + "'100000'\n"},
      {{"12px", page, output("t.png")}, sizes + "'12px'\n"},
      {{"128", page}, operands},
      {{"128"}, operands},
      {{"128", "/nonexistent/page.mus", output("t.png")},
       "melibron: Unable to open file /nonexistent/page.mus\n"},
      {{"128", page, "/nonexistent/t.png"}, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--thumbnail"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--lib", libraries_});
    CliResult result = runCli(args);
    EXPECT_EQ(result.status, 1) << c.args.front();
    if (c.err.empty()) {
      EXPECT_NE(result.err.find("melibron: /nonexistent/t.png: "), std::string::npos) << result.err;
    } else {
      EXPECT_EQ(result.err, c.err);
    }
    EXPECT_TRUE(outputs().empty()) << c.args.front();
  }
}

}  // namespace
