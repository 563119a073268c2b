// The program itself, started as a separate process: exit status, streams,
// and drawing without a display or a chosen Qt platform.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "shell/support/cli_fixture.h"

namespace {

struct ProcessResult {
  int status = -1;
  std::string out;
  std::string err;
};

ProcessResult runProgram(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("QT_QPA_PLATFORM");
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  process.setProcessEnvironment(environment);
  process.start(MELIBRON_EXECUTABLE, arguments);
  ProcessResult result;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
    return result;
  result.status = process.exitCode();
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  return result;
}

using CliProcess = CliFixture;

TEST_F(CliProcess, DrawsWithoutADisplay) {
  QString out = QString::fromStdString(output("page.png"));
  ProcessResult result = runProgram({"-o", out, "--lib", QString::fromStdString(libraries_),
                                     QString::fromStdString(score(staffAndBarline()))});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");
  EXPECT_EQ(outputs(), std::vector<std::string>{"page.png"});
}

TEST_F(CliProcess, ExitStatusAndStreams) {
  struct Case {
    const char* name;
    QStringList arguments;
    int status;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {"version", {"--version"}, 0, "melibron 0.13\n", ""},
      {"unknown option",
       {"--bogus"},
       1,
       "",
       "melibron: unknown option '--bogus' (see melibron --help)\n"},
      {"missing file",
       {"--info", "/nonexistent/x.mus"},
       1,
       "",
       "melibron: Unable to open file /nonexistent/x.mus\n"},
  };
  for (const Case& c : cases) {
    ProcessResult result = runProgram(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.err, c.err) << c.name;
  }
}

}  // namespace

namespace {

// Grey pixels of a PNG: the antialiased edges of text, as the lines of an
// aliased page have none.
int greyPixels(const std::string& path) {
  QImage image(QString::fromStdString(path));
  int grey = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) grey += qGray(image.pixel(x, y)) % 255 != 0;
  }
  return grey;
}

TEST_F(CliProcess, RasterPagesHoldTheirTextWithoutADisplay) {
  std::vector<ItemParams> items = staffAndBarline();
  items.push_back(textItemParams({16, 1, 10, 12, 1, 2}, "_00Lento"));
  QString page = QString::fromStdString(score(items));
  QString lib = QString::fromStdString(libraries_);
  QString complete = QString::fromStdString(output("complete.png"));
  QString basic = QString::fromStdString(output("basic.png"));
  ProcessResult drawn = runProgram({"-o", complete, "--lib", lib, page});
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(drawn.err, "") << "the fonts are found";
  ASSERT_EQ(runProgram({"-o", basic, "--basic", "--lib", lib, page}).status, 0);
  EXPECT_GT(greyPixels(complete.toStdString()), 20);
  EXPECT_EQ(greyPixels(basic.toStdString()), 0) << "the basic drawing has no text";
}

}  // namespace
