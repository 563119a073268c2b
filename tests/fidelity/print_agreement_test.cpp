// Our PDF, rasterised at 600 dpi by pdftoppm, against our own PNG drawn at
// 600 dpi: the print path and the raster path draw the same page.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "fidelity_run.h"

namespace {

// Both are our drawing, so they agree to within a pixel; the floor leaves
// room for the outline pixel the raster glyphs carry and the curves do not.
constexpr double kFloor = 0.98;

bool run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  return process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

class PrintAgreement : public testing::TestWithParam<const char*> {};

TEST_P(PrintAgreement, PdfAt600DpiIsThePngAt600Dpi) {
  const QString page = QStringLiteral(MELIBRON_CORPUS_DIR "/") + GetParam() + ".mus";
  if (!QFileInfo::exists(page)) GTEST_SKIP() << "corpus page absent: " << page.toStdString();
  if (!run("pdftoppm", {"-v"})) GTEST_SKIP() << "pdftoppm absent";
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  const QString pdf = directory.filePath("page.pdf");
  const QString png = directory.filePath("page-600.png");
  ASSERT_TRUE(run(MELIBRON_EXECUTABLE, {"-o", pdf, page}));
  ASSERT_TRUE(run(MELIBRON_EXECUTABLE, {"-o", png, "--dpi", "600", "--antialias", page}));
  ASSERT_TRUE(
      run("pdftoppm", {"-r", "600", "-png", "-singlefile", pdf, directory.filePath("pdf")}));
  // The two pages share their frame: no shift to search beyond a pixel or two.
  const FidelityFigures figures =
      runFidelity({"--window", "2,2", directory.filePath("pdf.png"), png});
  ASSERT_TRUE(figures.printed) << figures.errors;
  EXPECT_EQ(figures.dpi, 600);
  EXPECT_GE(figures.recall, kFloor) << GetParam();
  EXPECT_GE(figures.precision, kFloor) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Pages, PrintAgreement,
                         testing::Values("brahms-op76n7-p1", "chopin2801", "chor005"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

}  // namespace
