// Finding the text faces without fontconfig, and runs as outlines.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

#include "raster/text_outline.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNimbusRoman = "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Regular.otf";

class TextFaces : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("raster-fonts-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Links the file into the test's folder under name, below subfolder.
  void install(const fs::path& file, const std::string& subfolder, const std::string& name) {
    fs::create_directories(folder_ / subfolder);
    fs::create_symlink(file, folder_ / subfolder / name);
  }

  fs::path folder_;
};

struct Box {
  double left = std::numeric_limits<double>::max(), top = left;
  double right = -left, bottom = -left;
};

Box boxOf(const std::vector<Contour>& contours) {
  Box box;
  for (const Contour& c : contours) {
    for (const PathPoint& p : c.points) {
      box.left = std::min(box.left, p.x);
      box.right = std::max(box.right, p.x);
      box.top = std::min(box.top, p.y);
      box.bottom = std::max(box.bottom, p.y);
    }
  }
  return box;
}

TEST_F(TextFaces, NoneFoundDrawsNothing) {
  TextFaceFiles faces = findTextFaces({folder_.string(), (folder_ / "absent").string()});
  EXPECT_TRUE(faces.fallback);
  for (const std::string& file : faces.files) EXPECT_EQ(file, "");
  TextOutliner outliner(faces);
  TextRun run;
  run.size = 20;
  run.text = "Allegro";
  std::vector<Contour> contours;
  EXPECT_FALSE(outliner.addRun(run, &contours));
  EXPECT_TRUE(contours.empty());
}

TEST_F(TextFaces, FoundBelowAFolderAndStandingInForMissingStyles) {
  if (!fs::exists(kNimbusRoman)) GTEST_SKIP() << "fonts-urw-base35 absent";
  install(kNimbusRoman, "deep/er", "NimbusRoman-Regular.otf");
  TextFaceFiles faces = findTextFaces({folder_.string()});
  EXPECT_EQ(faces.of(FontStyle::kRoman), (folder_ / "deep/er/NimbusRoman-Regular.otf").string());
  EXPECT_EQ(faces.of(FontStyle::kBoldItalic), faces.of(FontStyle::kRoman))
      << "a missing style takes the roman face";
  EXPECT_TRUE(faces.fallback);
}

TEST_F(TextFaces, ASerifFaceStandsInForNimbusRoman) {
  if (!fs::exists(kNimbusRoman)) GTEST_SKIP() << "fonts-urw-base35 absent";
  install(kNimbusRoman, "truetype/dejavu", "DejaVuSerif.ttf");  // any face will do
  TextFaceFiles faces = findTextFaces({folder_.string()});
  EXPECT_EQ(faces.of(FontStyle::kBold), (folder_ / "truetype/dejavu/DejaVuSerif.ttf").string());
  EXPECT_TRUE(faces.fallback);
}

TEST_F(TextFaces, RunsAreSizedSpacedAndTurned) {
  if (!fs::exists(kNimbusRoman)) GTEST_SKIP() << "fonts-urw-base35 absent";
  install(kNimbusRoman, "opentype/urw-base35", "NimbusRoman-Regular.otf");
  TextOutliner outliner(findTextFaces({folder_.string()}));
  auto box = [&](const char* text, double spacing, double height, double rotation) {
    TextRun run;
    run.size = 100;
    run.x = 1000;
    run.y = 1000;
    run.text = text;
    run.spacing = spacing;
    run.verticalScale = height;
    run.rotation = rotation;
    std::vector<Contour> contours;
    EXPECT_TRUE(outliner.addRun(run, &contours)) << text;
    return boxOf(contours);
  };
  Box h = box("H", 1, 1, 0);
  EXPECT_NEAR(h.bottom, 1000, 1) << "on the baseline";
  EXPECT_NEAR(1000 - h.top, 66, 3) << "the cap height of a 100-pixel Times face";
  Box tall = box("H", 1, 2, 0);
  EXPECT_NEAR(1000 - tall.top, 2 * (1000 - h.top), 1);
  Box two = box("HH", 1, 1, 0), spaced = box("HH", 2, 1, 0);
  double advance = two.right - h.right;
  EXPECT_NEAR(spaced.right - h.right, 2 * advance, 0.5) << "the advance doubled";
  Box turned = box("H", 1, 1, 90);  // clockwise: the glyph's top points right
  EXPECT_NEAR(turned.left, 1000, 1);
  EXPECT_NEAR(turned.right, 2000 - h.top, 1);
  std::vector<Contour> none;
  TextRun malformed;
  malformed.size = 10;
  malformed.text = "\xff\xfe\xc3";
  EXPECT_TRUE(outliner.addRun(malformed, &none)) << "malformed UTF-8 is drawn, as U+FFFD";
}

}  // namespace
