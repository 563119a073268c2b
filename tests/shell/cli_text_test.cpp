// --text: every text and number item of a page, one tab-separated line each,
// and text that stays text in PDF pages.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "shell/support/cli_fixture.h"
#include "shell/support/cli_run.h"

namespace {

using CliText = CliFixture;

TEST_F(CliText, ListsTextAndNumberItems) {
  std::vector<uint8_t> image =
      musImage({{8, 1, 0, 0, 0.75f},
                textItemParams({16, 1, 22.625f, 18, 1, 1.3767f, 0, 0, 0, 0, -1.0125f},
                               "_00An Wasserfl%%ussen Babylon"),
                {10, 6, 0, 13, 4, 0, 1, 0, 0, 0, 0, 0, 0, 0, -0.8625f},
                {1, 1, 10, 5, 10},
                textItemParams({16, 2, 10, 5}, "_00Allegro _02con brio"),
                textItemParams({16, 2, 10, 5, 1, 1, 0, 9701}, "_00Fr<<ed<<eric"),
                textItemParams({16, 2, 10, 5}, "_00_01"),
                {10, 1, 5, 13, 1e12f},
                {10, 1, 5, 13, 1001}});
  std::string path = writeFile(directory_.path().toStdString(), "text.mus", image);

  CliResult result = runCli({"--text", path});

  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "2\t1\t21.612\t18\tTimes-Roman\tAn Wasserflüssen Babylon\n"
            "3\t6\t-0.863\t13\tTimes-Italic\t4\n"
            "5\t2\t10\t5\tTimes-Roman+Times-Italic\tAllegro con brio\n"
            "6\t2\t10\t5\tTimes-Bold\tFrédéric\n"
            "7\t2\t10\t5\t\t\n"
            "8\t1\t5\t13\t\t\n"
            "9\t1\t5\t13\tTimes-Roman\tA\n");
}

TEST_F(CliText, NeedsOneFile) {
  EXPECT_EQ(runCli({"--text"}).err, "melibron: missing file argument\n");
  EXPECT_EQ(runCli({"--text", "--info", "a.mus"}).err,
            "melibron: --info, --text, -o, --thumbnail and --symbols cannot be combined\n");
  CliResult missing = runCli({"--text", output("none.mus")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.mus"), std::string::npos) << missing.err;
}

// The strings of the corpus pages as SCORE prints them.
TEST_F(CliText, CorpusPages) {
  struct Row {
    const char* page;
    int lines;
    const char* line;
  };
  const Row rows[] = {
      {"chor005.mus", 6, "400\t8\t21.612\t18\tTimes-Roman\tAn Wasserflüssen Babylon\n"},
      {"chor005.mus", 6, "448\t8\t3\t-8\tTimes-Bold\t5\n"},
      {"chopin2801.mus", 11, "\tTimes-Roman\tFrédéric Chopin\n"},
      {"chopin2801.mus", 11, "\tTimes-Italic\tstretto\n"},
      {"brahms-op76n7-p1.mus", 9, "\tTimes-Roman\tJohannes Brahms\n"},
      {"brahms-op76n7-p1.mus", 9, "\t-1.57\t14\tTimes-Italic\t11\n"},
  };
  bool any = false;
  for (const Row& row : rows) {
    std::string path = corpusPath(row.page);
    if (path.empty()) continue;
    any = true;
    CliResult result = runCli({"--text", path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), row.lines) << row.page;
    EXPECT_NE(result.out.find(row.line), std::string::npos) << row.page << ":\n" << result.out;
  }
  if (!any) GTEST_SKIP() << "corpus folder absent";
}

// A librarian's check: the words of a converted page can be found again.
TEST_F(CliText, PdfTextCanBeExtracted) {
  std::string path = corpusPath("chor005.mus");
  if (path.empty()) GTEST_SKIP() << "corpus folder absent";
  QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) absent";
  std::string pdf = output("chor005.pdf");
  CliResult result = runCli({"-o", pdf, "--lib", libraries_, path});
  ASSERT_EQ(result.status, 0) << result.err;
  QProcess process;
  process.start(pdftotext, {QString::fromStdString(pdf), "-"});
  ASSERT_TRUE(process.waitForFinished(60000));
  std::string words = process.readAllStandardOutput().toStdString();
  EXPECT_NE(words.find("An Wasserflüssen Babylon"), std::string::npos) << words;
  EXPECT_NE(words.find("BWV 267"), std::string::npos) << words;
}

}  // namespace
