#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/qt_conversions.h"

namespace {

using Args = std::vector<std::string>;

TEST(CliParse, RefusesBadArguments) {
  struct Case {
    const char* name;
    Args args;
    std::string message;
  };
  const Case cases[] = {
      {"unknown option",
       {"--frobnicate", "a.mus"},
       "unknown option '--frobnicate' (see melibron --help)"},
      {"unknown short option", {"-x"}, "unknown option '-x' (see melibron --help)"},
      {"info without file", {"--info"}, "missing file argument"},
      {"output without file", {"-o", "a.png"}, "missing file argument"},
      {"output without value", {"a.mus", "-o"}, "option -o needs a value"},
      {"dpi without value", {"-o", "a.png", "a.mus", "--dpi"}, "option --dpi needs a value"},
      {"two files", {"--info", "a.mus", "b.mus"}, "more than one file given ('a.mus' and 'b.mus')"},
      {"info and output",
       {"--info", "-o", "a.png", "a.mus"},
       "--info, --text, -o, --thumbnail and --symbols cannot be combined"},
      {"unknown extension",
       {"-o", "a.txt", "a.mus"},
       "cannot tell the output type of 'a.txt' (use .png, .svg, .pdf, .ops, .pmx or .mus)"},
      {"no extension",
       {"-o", "page", "a.mus"},
       "cannot tell the output type of 'page' (use .png, .svg, .pdf, .ops, .pmx or .mus)"},
      {"symbols with a score",
       {"--symbols", "chart.png", "a.mus"},
       "--symbols takes no score file"},
      {"symbols as svg", {"--symbols", "chart.svg"}, "--symbols writes a .png image"},
      {"flag with value", {"--antialias=yes", "a.mus"}, "option --antialias takes no value"},
  };
  for (const Case& c : cases) {
    CommandLine line;
    std::string error;
    EXPECT_FALSE(parseCommandLine(c.args, &line, &error)) << c.name;
    EXPECT_EQ(error, c.message) << c.name;
  }
}

TEST(CliParse, RefusesNumbersOutOfRange) {
  const std::string dpiMessage = "--dpi needs a whole number from 10 to 2400, not '";
  const std::string zoomMessage = "--zoom needs a number from 0.05 to 16, not '";
  struct Case {
    const char* option;
    const char* value;
    const std::string& message;
  };
  const Case cases[] = {
      {"--dpi", "abc", dpiMessage},    {"--dpi", "", dpiMessage},
      {"--dpi", "9", dpiMessage},      {"--dpi", "2401", dpiMessage},
      {"--dpi", "96.5", dpiMessage},   {"--dpi", "96x", dpiMessage},
      {"--zoom", "nan", zoomMessage},  {"--zoom", "-inf", zoomMessage},
      {"--zoom", "0.04", zoomMessage}, {"--zoom", "16.01", zoomMessage},
      {"--zoom", "1.5x", zoomMessage}, {"--zoom", "1e400", zoomMessage},
  };
  for (const Case& c : cases) {
    CommandLine line;
    std::string error;
    Args args = {"-o", "a.png", c.option, c.value, "a.mus"};
    EXPECT_FALSE(parseCommandLine(args, &line, &error)) << c.option << " " << c.value;
    EXPECT_EQ(error, c.message + c.value + "'") << c.option << " " << c.value;
  }
}

TEST(CliParse, ReadsPageOptionsInBothForms) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(parseCommandLine({"--dpi=120", "-o", "Out.PDF", "--zoom", "2.5", "--antialias",
                                "--lib", "/libs", "--basic", "page.mus"},
                               &line, &error))
      << error;
  EXPECT_EQ(line.action, CommandAction::kConvert);
  EXPECT_EQ(line.format, OutputFormat::kPdf) << "extensions are matched without case";
  EXPECT_EQ(line.output, "Out.PDF");
  EXPECT_EQ(line.files, std::vector<std::string>{"page.mus"});
  EXPECT_EQ(line.libOption, "/libs");
  EXPECT_EQ(line.page.pixelsPerInch, 120);
  EXPECT_DOUBLE_EQ(line.page.zoom, 2.5);
  EXPECT_TRUE(line.page.antialias);
  EXPECT_EQ(line.page.drawingMode, DrawingMode::kBasic);
  EXPECT_TRUE(needsQtProgram(line));
  ASSERT_TRUE(parseCommandLine({"-o", "a.ops", "a.mus"}, &line, &error)) << error;
  EXPECT_EQ(line.page.drawingMode, DrawingMode::kComplete) << "the default";
}

TEST(CliParse, ChoosesTheAction) {
  struct Case {
    const char* name;
    Args args;
    CommandAction action;
    OutputFormat format;
    bool needsQt;
  };
  const Case cases[] = {
      {"window", {}, CommandAction::kWindow, OutputFormat::kPng, false},
      {"window with file",
       {"--lib", "d", "a.mus"},
       CommandAction::kWindow,
       OutputFormat::kPng,
       false},
      {"info", {"--info", "a.mus"}, CommandAction::kInfo, OutputFormat::kPng, false},
      {"pmx", {"-o", "x.pmx", "a.mus"}, CommandAction::kConvert, OutputFormat::kPmx, false},
      {"mus", {"--output=x.mus", "a.mus"}, CommandAction::kConvert, OutputFormat::kMus, false},
      {"ops", {"-o", "x.ops", "a.mus"}, CommandAction::kConvert, OutputFormat::kOps, false},
      {"png, with text",
       {"-o", "x.png", "a.mus"},
       CommandAction::kConvert,
       OutputFormat::kPng,
       false},
      {"png, basic",
       {"-o", "x.png", "--basic", "a.mus"},
       CommandAction::kConvert,
       OutputFormat::kPng,
       false},
      {"svg", {"-o", "x.svg", "a.mus"}, CommandAction::kConvert, OutputFormat::kSvg, false},
      {"pdf", {"-o", "x.pdf", "a.mus"}, CommandAction::kConvert, OutputFormat::kPdf, true},
      {"pdf book",
       {"-o", "b.pdf", "a.mus", "b.mus"},
       CommandAction::kConvert,
       OutputFormat::kPdf,
       true},
      {"pdf pages to a folder",
       {"-o", "out/", "--format", "pdf", "a.mus"},
       CommandAction::kConvert,
       OutputFormat::kPdf,
       true},
      {"thumbnail",
       {"--thumbnail", "64", "a.mus", "t.png"},
       CommandAction::kThumbnail,
       OutputFormat::kPng,
       false},
      {"symbols", {"--symbols", "c.png"}, CommandAction::kSymbols, OutputFormat::kPng, true},
      {"help ends parsing",
       {"-o", "x.txt", "--help", "--bogus"},
       CommandAction::kHelp,
       OutputFormat::kPng,
       false},
      {"version", {"--version"}, CommandAction::kVersion, OutputFormat::kPng, false},
  };
  for (const Case& c : cases) {
    CommandLine line;
    std::string error;
    ASSERT_TRUE(parseCommandLine(c.args, &line, &error)) << c.name << ": " << error;
    EXPECT_EQ(line.action, c.action) << c.name;
    if (c.action == CommandAction::kConvert) EXPECT_EQ(line.format, c.format) << c.name;
    EXPECT_EQ(needsQtProgram(line), c.needsQt) << c.name;
  }
}

TEST(CliParse, DoubleDashEndsOptions) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(parseCommandLine({"--info", "--", "-odd.mus"}, &line, &error)) << error;
  EXPECT_EQ(line.files, std::vector<std::string>{"-odd.mus"});
}

}  // namespace
