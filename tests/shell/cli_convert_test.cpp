#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QSvgRenderer>

#include "score/mus_file.h"
#include "shell/support/cli_fixture.h"
#include "shell/support/cli_run.h"

namespace {

using CliConvert = CliFixture;

bool ink(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

std::string text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(CliConvert, WritesThePmxListing) {
  std::string input = score({{1, 1, 10.5f}, {}, {8, 1, -2.5f}});
  CliResult result = runCli({"-o", output("page.pmx"), input});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");
  EXPECT_EQ(text(readFile(output("page.pmx"))), "1.000 1.000 10.500 \n\n8.000 1.000 -2.500 \n");
}

TEST_F(CliConvert, EmptyScoreGivesAnEmptyListing) {
  CliResult result = runCli({"-o", output("empty.pmx"), score({})});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(outputs(), std::vector<std::string>{"empty.pmx"});
  EXPECT_TRUE(readFile(output("empty.pmx")).empty());
}

TEST_F(CliConvert, WritesTheItemsAsAHandOverFile) {
  // With our own serial number and an inches trailer the written file is the input.
  std::vector<uint8_t> image =
      musImage({{8, 1}, {1, 1, 10, 5, 0, 1}, {14, 1, 50}}, kWrittenSerialNumber);
  std::string input = writeFile(directory_.path().toStdString(), "in.mus", image);
  CliResult result = runCli({"-o", output("copy.mus"), input});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readFile(output("copy.mus")), image);
}

TEST_F(CliConvert, OpsListingIsStableAndHoldsTheStaff) {
  std::string input = score(staffAndBarline());
  ASSERT_EQ(runCli({"-o", output("first.ops"), "--basic", "--lib", libraries_, input}).status, 0);
  ASSERT_EQ(runCli({"-o", output("second.ops"), "--basic", "--lib", libraries_, input}).status, 0);
  std::string first = text(readFile(output("first.ops")));
  EXPECT_EQ(first, text(readFile(output("second.ops"))));
  EXPECT_NE(first.find("moveto 48 984\nlineto 768 984\n"), std::string::npos) << first;
  EXPECT_NE(first.find("pen 3\n"), std::string::npos) << first;
}

TEST_F(CliConvert, PagesFollowResolutionAndZoom) {
  std::string input = score({{8, 1}});
  std::vector<std::string> options = {"--dpi",   "120",   "--zoom",   "2",
                                      "--basic", "--lib", libraries_, input};
  for (const char* name : {"z.ops", "z.png"}) {
    std::vector<std::string> args = {"-o", output(name)};
    args.insert(args.end(), options.begin(), options.end());
    ASSERT_EQ(runCli(args).status, 0) << name;
  }
  // Page origin at (60, 1230) for 120 pixels per inch, doubled by the zoom.
  EXPECT_NE(text(readFile(output("z.ops"))).find("moveto 120 2460\n"), std::string::npos);
  EXPECT_EQ(QImage(QString::fromStdString(output("z.png"))).size(), QSize(2040, 2640));
}

TEST_F(CliConvert, PngShowsTheStaffAndTheFinalBarline) {
  std::string input = score(staffAndBarline());
  CliResult result = runCli({"-o", output("page.png"), "--basic", "--lib", libraries_, input});
  ASSERT_EQ(result.status, 0) << result.err;
  QImage image(QString::fromStdString(output("page.png")));
  ASSERT_EQ(image.size(), QSize(816, 1056));
  EXPECT_TRUE(ink(image, 400, 984)) << "bottom staff line";
  EXPECT_FALSE(ink(image, 400, 980)) << "between staff lines";
  // Final barline at P3 = 50: thin stroke at x 220, 3-pixel stroke centred on 226.
  EXPECT_TRUE(ink(image, 220, 970));
  for (int x = 225; x <= 227; ++x) EXPECT_TRUE(ink(image, x, 970)) << "thick stroke at x " << x;
  EXPECT_FALSE(ink(image, 224, 970));
  EXPECT_FALSE(ink(image, 228, 970));
}

TEST_F(CliConvert, CompletePngShowsTheFinalBarlineAsSCOREPrintsIt) {
  std::string input = score(staffAndBarline());
  CliResult result = runCli({"-o", output("page.png"), "--lib", libraries_, input});
  ASSERT_EQ(result.status, 0) << result.err;
  QImage image(QString::fromStdString(output("page.png")));
  EXPECT_TRUE(ink(image, 400, 984)) << "bottom staff line";
  // At P3 = 50 (x 228): the thin bar 2.3 units left (x 219.7), the thick
  // bar one unit wide and outlined, from x 224.4 to 228.
  EXPECT_TRUE(ink(image, 219, 970) || ink(image, 220, 970));
  EXPECT_FALSE(ink(image, 222, 970));
  for (int x = 225; x <= 227; ++x) EXPECT_TRUE(ink(image, x, 970)) << "thick bar at x " << x;
  EXPECT_FALSE(ink(image, 230, 970));
}

TEST_F(CliConvert, WritesSvgAndPdf) {
  std::string input = score(staffAndBarline());
  ASSERT_EQ(runCli({"-o", output("page.svg"), "--lib", libraries_, input}).status, 0);
  ASSERT_EQ(runCli({"-o", output("page.pdf"), "--antialias", "--lib", libraries_, input}).status,
            0);
  QSvgRenderer svg(QString::fromStdString(output("page.svg")));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 20400, 26400)) << "drawn at 2400 pixels per inch";
  EXPECT_NE(text(readFile(output("page.svg"))).find("width=\"8.5in\" height=\"11in\""),
            std::string::npos);
  EXPECT_EQ(text(readFile(output("page.pdf"))).substr(0, 5), "%PDF-");
  EXPECT_EQ(outputs(), (std::vector<std::string>{"page.pdf", "page.svg"}));
}

TEST_F(CliConvert, SymbolChartShowsEverySlot) {
  CliResult result = runCli({"--symbols", output("chart.png"), "--lib", libraries_});
  ASSERT_EQ(result.status, 0) << result.err;
  QImage image(QString::fromStdString(output("chart.png")));
  ASSERT_FALSE(image.isNull());
  // Cells of 100 x 110 pixels from (10, 10); each fake symbol is a black
  // square centred in the 90-pixel picture area above the label.
  for (int symbol : {0, 9, 137, 199}) {
    int x = 10 + (symbol % 10) * 100 + 50;
    int y = 10 + (symbol / 10) * 110 + 45;
    EXPECT_TRUE(ink(image, x, y)) << "symbol " << symbol;
  }
}

}  // namespace
