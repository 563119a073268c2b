#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "fidelity_run.h"
#include "synthetic_page.h"

namespace {

void saveGrey(const InkImage& ink, const QString& path) {
  QImage image(ink.width, ink.height, QImage::Format_Grayscale8);
  for (int y = 0; y < ink.height; ++y) {
    for (int x = 0; x < ink.width; ++x) {
      // Greys either side of the ink threshold, as antialiased rasters have.
      image.scanLine(y)[x] = inkAt(ink, x, y) ? 127 : 128;
    }
  }
  ASSERT_TRUE(image.save(path));
}

// Two images: SCORE's page and ours drawn 17 px right and 6 px up, with a
// piece of the top staff line missing; the overlay shows that piece red.
TEST(FidelityProgram, AlignsTwoImagesAndDrawsTheOverlay) {
  QTemporaryDir folder;
  const InkImage reference = syntheticPage(816, 1056, 100, 100);
  InkImage ours = syntheticPage(816, 1056, 117, 94);
  for (int x = 300; x < 320; ++x) ours.ink[static_cast<size_t>(94 + 30) * 816 + x] = 0;
  saveGrey(reference, folder.filePath("score.png"));
  saveGrey(ours, folder.filePath("ours.png"));

  const QString overlayPath = folder.filePath("overlay.png");
  const FidelityFigures figures = runFidelity(
      {folder.filePath("ours.png"), folder.filePath("score.png"), "--overlay", overlayPath});
  ASSERT_TRUE(figures.printed) << figures.errors;
  EXPECT_EQ(figures.dx, -17);
  EXPECT_EQ(figures.dy, 6);
  EXPECT_EQ(figures.dpi, 96);
  EXPECT_LT(figures.recall, 1.0);
  EXPECT_GT(figures.recall, 0.95);
  EXPECT_GT(figures.precision, 0.99);  // a blob cut off at the foot of ours

  const QImage overlay(overlayPath);
  ASSERT_EQ(overlay.format(), QImage::Format_Indexed8);
  EXPECT_EQ(overlay.size(), QSize(816, 1056));
  EXPECT_EQ(overlay.pixel(290, 130), qRgb(230, 0, 0));  // SCORE only: the missing piece
  EXPECT_EQ(overlay.pixel(250, 130), qRgb(0, 0, 0));    // both
  EXPECT_EQ(overlay.pixel(250, 127), qRgb(255, 255, 255));
}

TEST(FidelityProgram, RefusesWhatItCannotRead) {
  QTemporaryDir folder;
  EXPECT_FALSE(runFidelity({folder.filePath("missing.png"), folder.filePath("also.png")}).printed);
  EXPECT_FALSE(runFidelity({"only-one.png"}).printed);
  EXPECT_FALSE(runFidelity({"a.png", "b.png", "--window"}).printed);
}

}  // namespace
