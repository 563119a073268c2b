// Converting many pages in one run: outputs, failures, name clashes, workers
// and the multi-page PDF.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/command_line.h"
#include "cli/output_names.h"
#include "cli/progress_bar.h"
#include "shell/support/cli_fixture.h"
#include "shell/support/cli_run.h"
#include "shell/support/fake_libraries.h"

namespace fs = std::filesystem;

namespace {

class CliBatch : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    root_ = directory_.path().toStdString();
    inputs_ = root_ + "/in";
    fs::create_directories(inputs_ + "/sub/deep");
    libOption_ = "--lib=" + testLibraryDirectory(libraries_);
  }

  // Copies the demo page and the corpus pages into the input folder; returns their names.
  std::vector<std::string> copyPages() {
    std::vector<std::string> names = {"demo"};
    fs::copy_file(fs::path(MELIBRON_SOURCE_DIR) / "examples/demo.mus", inputs_ + "/demo.mus");
    for (const char* name : {"chor005", "chopin2801", "brahms-op76n7-p1"}) {
      std::string path = corpusPath(std::string(name) + ".mus");
      if (path.empty()) continue;
      fs::copy_file(path, inputs_ + "/" + name + ".mus");
      names.push_back(name);
    }
    return names;
  }

  std::string root_, inputs_, libOption_;
};

// Every page of a folder, with 1 and 4 workers, comes out exactly as its own
// conversion does.
TEST_F(CliBatch, OutputsEqualSingleConversions) {
  std::vector<std::string> names = copyPages();
  for (const char* extension : {".png", ".ops"}) {
    std::string format = extension + 1;
    for (const char* jobs : {"1", "4"}) {
      std::string folder = root_ + "/batch-" + format + jobs + "/";
      CliResult result =
          runCli({"-o", folder, "--format", format, "-j", jobs, libOption_, inputs_});
      ASSERT_EQ(result.status, 0) << result.err;
      // Without the corpus the demo is the only page.
      std::string pages = names.size() == 1 ? " page" : " pages";
      EXPECT_EQ(result.err,
                "melibron: " + std::to_string(names.size()) + pages + " converted, 0 failed\n");
      EXPECT_EQ(directoryEntries(folder).size(), names.size()) << "only the outputs";
      for (const std::string& name : names) {
        std::string single = output(name + extension);
        ASSERT_EQ(runCli({"-o", single, libOption_, inputs_ + "/" + name + ".mus"}).status, 0);
        std::vector<uint8_t> expected = readFile(single);
        EXPECT_FALSE(expected.empty()) << name;
        EXPECT_EQ(readFile(folder + name + extension), expected) << name << " with -j " << jobs;
      }
    }
  }
}

TEST_F(CliBatch, FailedPagesAreReportedAndTheRestConverted) {
  score(staffAndBarline(), "in/a.mus");
  score(staffAndBarline(), "in/sub/c.pmx");  // not walked without --recursive
  writeFile(inputs_, "bad.mus", {0x01, 0x02, 0x03, 0x00});
  score(staffAndBarline(), "in/z.mus");
  std::string missing = root_ + "/missing.mus";
  fs::create_directories(output("z.png"));  // z's output cannot be written
  CliResult result = runCli({"-o", outputDirectory_, libOption_, inputs_, missing});
  EXPECT_EQ(result.status, 1);
  std::istringstream lines(result.err);
  std::vector<std::string> messages;
  for (std::string line; std::getline(lines, line);) messages.push_back(line);
  ASSERT_EQ(messages.size(), 4u) << result.err;
  // Each worker tells a failure when its page is done, so in any order.
  std::vector<std::string> failures(messages.begin(), messages.begin() + 3);
  std::sort(failures.begin(), failures.end());
  EXPECT_EQ(failures[0], "melibron: " + output("z.png") + ": Is a directory") << result.err;
  EXPECT_EQ(failures[1], "melibron: Final value in file " + inputs_ + "/bad.mus not -9999.0");
  EXPECT_EQ(failures[2], "melibron: Unable to open file " + missing);
  EXPECT_EQ(messages[3], "melibron: 1 page converted, 3 failed");
  EXPECT_EQ(outputs(), (std::vector<std::string>{"a.png", "z.png"})) << "nothing else left";
  EXPECT_TRUE(fs::is_directory(output("z.png")));
}

TEST_F(CliBatch, RecursiveKeepsSubfolders) {
  score(staffAndBarline(), "in/p10.mus");
  score(staffAndBarline(), "in/p9.MUS");
  score(staffAndBarline(), "in/sub/deep/p1.Pmx");
  writeFile(inputs_, "notes.txt", {'x'});
  CliResult result = runCli({"-o", outputDirectory_, "--format=pmx", "--recursive", inputs_});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(outputs(), (std::vector<std::string>{"p10.pmx", "p9.pmx", "sub"}));
  EXPECT_TRUE(fs::is_regular_file(output("sub/deep/p1.pmx")));
}

TEST_F(CliBatch, NameClashesAreRefusedBeforeWriting) {
  std::string a = score(staffAndBarline(), "in/a.mus");
  std::string aListing = score(staffAndBarline(), "in/a.pmx");
  std::string otherA = score(staffAndBarline(), "a.mus");
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {"one folder, two types",
       {"-o", outputDirectory_ + "/", inputs_},
       "'" + a + "' and '" + aListing + "' would both be written to '" + output("a.png") + "'"},
      {"two folders",
       {"-o", outputDirectory_, "--format", "svg", otherA, a},
       "'" + otherA + "' and '" + a + "' would both be written to '" + output("a.svg") + "'"},
      {"over its input",
       {"-o", inputs_, "--format", "mus", a},
       "'" + inputs_ + "/a.mus' would be written over the input '" + a + "'"},
  };
  for (const Case& c : cases) {
    CliResult result = runCli(c.args);
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_EQ(result.err, "melibron: " + c.message + "; nothing was written\n") << c.name;
    EXPECT_EQ(outputs(), std::vector<std::string>{}) << c.name;
    EXPECT_EQ(directoryEntries(inputs_), (std::vector<std::string>{"a.mus", "a.pmx", "sub"}))
        << c.name;
  }
}

TEST_F(CliBatch, UnwritableOutputFolder) {
  std::string page = score(staffAndBarline());
  std::string blocker = writeFile(root_, "blocker", {'x'});
  CliResult underFile = runCli({"-o", blocker + "/out/", page});
  EXPECT_EQ(underFile.status, 1);
  EXPECT_EQ(underFile.err.rfind("melibron: " + blocker + "/out/: ", 0), 0u) << underFile.err;
  // Permissions do not stop the superuser.
  if (geteuid() == 0) GTEST_SKIP() << "running as root";
  fs::permissions(outputDirectory_, fs::perms::owner_read | fs::perms::owner_exec);
  CliResult readOnly = runCli({"-o", outputDirectory_, "--format=pmx", page});
  fs::permissions(outputDirectory_, fs::perms::owner_all);
  EXPECT_EQ(readOnly.status, 1);
  EXPECT_NE(readOnly.err.find("melibron: 0 pages converted, 1 failed\n"), std::string::npos);
  EXPECT_EQ(outputs(), std::vector<std::string>{});
}

int pdfPages(const std::string& path) {
  std::string command = "pdfinfo '" + path + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  int pages = -1;
  char line[512];
  while (fgets(line, sizeof line, pipe) != nullptr) std::sscanf(line, "Pages: %d", &pages);
  pclose(pipe);
  return pages;
}

TEST_F(CliBatch, PdfBookHasAPagePerInput) {
  if (std::system("pdfinfo -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdfinfo absent";
  std::vector<std::string> names = copyPages();
  std::string demo = inputs_ + "/demo.mus";
  std::string book = output("book.pdf");
  CliResult result = runCli({"-o", book, libOption_, demo, inputs_, demo});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(pdfPages(book), static_cast<int>(names.size()) + 2);
  std::string bad = writeFile(root_, "bad.mus", {0x01});
  CliResult failed = runCli({"-o", output("bad-book.pdf"), libOption_, demo, bad});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find(output("bad-book.pdf") + ": not written: 1 of 2 pages failed"),
            std::string::npos)
      << failed.err;
  EXPECT_EQ(outputs(), std::vector<std::string>{"book.pdf"});
}

TEST(BatchOptions, Parsing) {
  struct Case {
    std::vector<std::string> args;
    std::string error;  // empty: accepted
    int jobs;
  };
  const Case cases[] = {
      {{"-o", "out/", "-j4", "a.mus", "b.mus"}, "", 4},
      {{"-o", "out/", "--jobs=2", "a.mus"}, "", 2},
      {{"-o", "out/", "-j", "0", "a.mus"}, "-j needs a whole number from 1 to 256, not '0'", 0},
      {{"-o", "out/", "--format", "jpg", "a.mus"},
       "--format needs png, svg, pdf, ops, pmx or mus, not 'jpg'",
       0},
      {{"-o", "a.svg", "--format", "png", "a.mus"},
       "--format png does not match the output 'a.svg'",
       0},
      {{"--info", "a.mus", "b.mus"}, "more than one file given ('a.mus' and 'b.mus')", 0},
  };
  for (const Case& c : cases) {
    CommandLine line;
    std::string error;
    EXPECT_EQ(parseCommandLine(c.args, &line, &error), c.error.empty()) << c.error;
    EXPECT_EQ(error, c.error);
    if (c.error.empty()) EXPECT_EQ(line.jobs, c.jobs);
  }
}

TEST(BatchNames, NaturalOrder) {
  std::vector<std::string> names = {"p10", "p9", "p09b", "a/p2", "P1", "p1", "p"};
  std::sort(names.begin(), names.end(), naturalLess);
  EXPECT_EQ(names, (std::vector<std::string>{"P1", "a/p2", "p", "p1", "p9", "p09b", "p10"}));
}

TEST(BatchProgress, BarAndSummary) {
  EXPECT_EQ(progressLine(0, 200, 0), "  0/200 pages [--------------------]");
  EXPECT_EQ(progressLine(50, 200, 2.0),
            "  50/200 pages [#####---------------]  25.0 pages/s  6 s left");
  EXPECT_EQ(durationText(185), "3 min 05 s");
  EXPECT_EQ(durationText(7260), "2 h 01 min");
  std::ostringstream err;
  BatchProgress progress(err, ProgressStyle::kBar, 2);
  progress.pageFailed("x.mus: unreadable");
  progress.pageConverted();
  progress.finish(false);
  std::string text = err.str();
  EXPECT_NE(text.find("\r\033[Kmelibron: x.mus: unreadable\n"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.rfind('\r')), "\r\033[Kmelibron: 1 page converted, 1 failed\n");
}

}  // namespace
