#include <gtest/gtest.h>

#include <QFileInfo>
#include <ostream>
#include <string>

#include "fidelity_run.h"

namespace {

struct PageFloor {
  const char* page;
  int dpi;
  double recall;
  double precision;
};

// The lowest figures each corpus page may fall to in the complete drawing
// (the program's default): the measured ones of docs/fidelity.md less 0.01,
// so the drawing can only get closer to SCORE's. Raise them as it does; the
// aim is 0.97 both ways at 96 dpi.
constexpr PageFloor kFloors[] = {
    {"brahms-op76n7-p1", 96, 0.982, 0.982}, {"chopin2801", 96, 0.966, 0.979},
    {"chor005", 96, 0.982, 0.984},          {"brahms-op76n7-p1", 200, 0.967, 0.975},
    {"chopin2801", 200, 0.950, 0.974},      {"chor005", 200, 0.976, 0.979},
};

void PrintTo(const PageFloor& floor, std::ostream* out) {
  *out << floor.page << " at " << floor.dpi << " dpi";
}

class CorpusFidelity : public testing::TestWithParam<PageFloor> {};

TEST_P(CorpusFidelity, StaysAboveItsFloor) {
  const PageFloor& floor = GetParam();
  const QString base = QStringLiteral(MELIBRON_CORPUS_DIR "/") + floor.page;
  const QString scoreImage = base + QStringLiteral(".eps-%1dpi.png").arg(floor.dpi);
  if (!QFileInfo::exists(base + ".mus") || !QFileInfo::exists(scoreImage)) {
    GTEST_SKIP() << "corpus page absent: " << base.toStdString();
  }
  const FidelityFigures figures = runFidelity({base + ".mus", scoreImage});
  ASSERT_TRUE(figures.printed) << figures.errors;
  EXPECT_EQ(figures.dpi, floor.dpi);
  EXPECT_GE(figures.recall, floor.recall) << floor.page << " at " << floor.dpi << " dpi";
  EXPECT_GE(figures.precision, floor.precision) << floor.page << " at " << floor.dpi << " dpi";
}

std::string floorName(const testing::TestParamInfo<PageFloor>& info) {
  std::string name = std::string(info.param.page) + "_" + std::to_string(info.param.dpi) + "dpi";
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, CorpusFidelity, testing::ValuesIn(kFloors), floorName);

}  // namespace
