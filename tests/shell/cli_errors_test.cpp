#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "shell/support/cli_fixture.h"
#include "shell/support/cli_run.h"

namespace {

class CliErrors : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    good_ = score(staffAndBarline());
    std::vector<uint8_t> image = musImage({{8, 1}});
    image.back() ^= 0x01;  // the end mark differs in one bit
    badEnd_ = writeFile(directory_.path().toStdString(), "bad-end.mus", image);
    missing_ = (std::filesystem::path(directory_.path().toStdString()) / "missing.mus").string();
    emptyLibraries_ = (std::filesystem::path(directory_.path().toStdString()) / "nolib").string();
    std::filesystem::create_directories(emptyLibraries_);
  }

  std::string good_, badEnd_, missing_, emptyLibraries_;
};

// Every failure exits with 1, says what went wrong in one line on the error
// stream, prints nothing else and leaves nothing in the output folder.
TEST_F(CliErrors, FailWithOneLineAndLeaveNothingBehind) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string message;  // expected standard error; a trailing '*' matches any rest
  };
  std::string libOption = "--lib=" + libraries_;
  const Case cases[] = {
      {"unreadable file", {"--info", missing_}, "melibron: Unable to open file " + missing_ + "\n"},
      {"unreadable file for output",
       {"-o", output("a.png"), libOption, missing_},
       "melibron: Unable to open file " + missing_ + "\n"},
      {"missing end mark",
       {"-o", output("a.pmx"), badEnd_},
       "melibron: Final value in file " + badEnd_ + " not -9999.0\n"},
      {"directory as file",
       {"--info", outputDirectory_},
       "melibron: " + outputDirectory_ + ": is a directory\n"},
      {"output in a missing folder",
       {"-o", output("none/a.pmx"), good_},
       "melibron: " + output("none/a.pmx") + ": *"},
      {"hand-over file in a missing folder",
       {"-o", output("none/a.mus"), good_},
       "melibron: Unable to create file " + output("none/a.mus") + "\n"},
      {"missing listing",
       {"--info", output("none.pmx")},
       "melibron: Unable to open file " + output("none.pmx") + "\n"},
      {"several pages onto one image",
       {"-o", output("a.png"), libOption, good_, good_},
       "melibron: several pages need an output folder (ending in /) or a .pdf file, not '" +
           output("a.png") + "'\n"},
      {"unknown option",
       {"--colour", good_},
       "melibron: unknown option '--colour' (see melibron --help)\n"},
      {"unknown extension",
       {"-o", output("a.jpg"), good_},
       "melibron: cannot tell the output type of '" + output("a.jpg") +
           "' (use .png, .svg, .pdf, .ops, .pmx or .mus)\n"},
      {"missing file", {"-o", output("a.png")}, "melibron: missing file argument\n"},
      {"bad dpi",
       {"-o", output("a.png"), "--dpi", "nan", good_},
       "melibron: --dpi needs a whole number from 10 to 2400, not 'nan'\n"},
      {"bad zoom",
       {"-o", output("a.png"), "--zoom", "inf", good_},
       "melibron: --zoom needs a number from 0.05 to 16, not 'inf'\n"},
      {"missing libraries",
       {"-o", output("a.png"), "--lib", emptyLibraries_, good_},
       "melibron: Unable to open library files in " + emptyLibraries_ + " directory\n"},
      {"missing libraries for ops",
       {"-o", output("a.ops"), "--lib", emptyLibraries_, good_},
       "melibron: Unable to open library files in " + emptyLibraries_ + " directory\n"},
      {"missing libraries for the chart",
       {"--symbols", output("c.png"), "--lib", emptyLibraries_},
       "melibron: Unable to open library files in " + emptyLibraries_ + " directory\n"},
      {"image too large",
       {"-o", output("big.png"), "--dpi", "2400", "--zoom", "16", libOption, good_},
       "melibron: " + output("big.png") +
           ": a page image of 326400 x 422400 pixels is too large\n"},
  };
  std::filesystem::create_directories(outputDirectory_ + "/sub.png");
  for (const Case& c : cases) {
    CliResult result = runCli(c.args);
    EXPECT_EQ(result.status, 1) << c.name;
    EXPECT_EQ(result.out, "") << c.name;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1)
        << c.name << ": " << result.err;
    if (c.message.back() == '*') {
      EXPECT_EQ(result.err.substr(0, c.message.size() - 1),
                c.message.substr(0, c.message.size() - 1))
          << c.name;
    } else {
      EXPECT_EQ(result.err, c.message) << c.name;
    }
    EXPECT_EQ(outputs(), std::vector<std::string>{"sub.png"}) << c.name << ": files left behind";
  }
}

TEST_F(CliErrors, FailedReadKeepsNothingOfThePreviousOutput) {
  // A failure after a successful run must not touch what that run wrote.
  ASSERT_EQ(runCli({"-o", output("keep.pmx"), good_}).status, 0);
  std::vector<uint8_t> before = readFile(output("keep.pmx"));
  EXPECT_EQ(runCli({"-o", output("keep.pmx"), badEnd_}).status, 1);
  EXPECT_EQ(readFile(output("keep.pmx")), before);
}

TEST_F(CliErrors, HelpAndVersion) {
  CliResult version = runCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "melibron 0.13\n");
  CliResult help = runCli({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* topic :
       {"--info", "-o OUT.pmx", "-o OUT.mus", "OUT.png|OUT.svg|OUT.pdf|OUT.ops", "--symbols",
        "--thumbnail SIZE", "--dpi", "--zoom", "--lib", "--antialias", "--basic", "--format",
        "-j N", "--recursive", "--quiet", "--version", "man melibron"}) {
    EXPECT_NE(help.out.find(topic), std::string::npos) << topic;
  }
}

}  // namespace
