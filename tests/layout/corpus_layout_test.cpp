#include <gtest/gtest.h>

#include <string>

#include "layout/layout_fixture.h"
#include "score/conversions.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "support/mus_bytes.h"
#include "view/view.h"

namespace {

using CorpusLayoutTest = LayoutTest;

const char* const kPages[] = {"chor005.mus", "chopin2801.mus", "brahms-op76n7-p1.mus"};

bool isLaidOutCode(int code) {
  return code == kNoteCode || code == kRestCode || code == kClefCode || code == kMiscSymbolCode ||
         code == kKeySignatureCode || code == kTimeSignatureCode;
}

// Loads a corpus page; false (after recording why) when the corpus is absent.
bool loadPage(Document& document, View& view, const char* name) {
  std::string path = corpusPath(name);
  if (path.empty()) return false;
  std::string error;
  EXPECT_TRUE(readMusFile(path, document, &error)) << name << ": " << error;
  return true;
}

TEST_F(CorpusLayoutTest, PagesLayOutOnTheirStavesFromFilledSlotsOnly) {
  if (corpusPath(kPages[0]).empty()) GTEST_SKIP() << "corpus folder absent";
  // Every other slot empty: components may only come from the even ones.
  for (int n = 1; n < kSymbolCount; n += 2) libraryTable[n].reset();
  for (const char* page : kPages) {
    if (!loadPage(document, view, page)) continue;
    layoutScore(document, view);
    int laidOut = 0;
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      const ItemRecord& record = itemAt(document.itemTable, i);
      if (isLaidOutCode(itemCode(record))) {
        EXPECT_TRUE(isStaffNumber(truncToInt(param(record, 2)))) << page << " item " << i;
      }
      if (componentCount(view, i) == 0) continue;
      ++laidOut;
      EXPECT_TRUE(isLaidOutCode(itemCode(record))) << page << " item " << i;
      for (const Placed& placed : placedOf(view, i)) {
        EXPECT_EQ(placed.symbol % 2, 0) << page << " item " << i << " symbol " << placed.symbol;
      }
    }
    EXPECT_GT(laidOut, 0) << page;
  }
}

TEST_F(CorpusLayoutTest, NotesGetTheirHeadsAndRelayoutIsIdentical) {
  if (corpusPath(kPages[0]).empty()) GTEST_SKIP() << "corpus folder absent";
  for (const char* page : kPages) {
    if (!loadPage(document, view, page)) continue;
    std::vector<uint8_t> image = document.itemTable.fileImage;
    layoutScore(document, view);
    std::vector<std::vector<Placed>> first;
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      const ItemRecord& record = itemAt(document.itemTable, i);
      first.push_back(placedOf(view, i));
      if (itemCode(record) != kNoteCode || param(record, 6) == -1.0f) continue;
      ASSERT_GT(componentCount(view, i), 0) << page << " note " << i;
      EXPECT_EQ(placedOf(view, i)[0].symbol, truncToInt(param(record, 6) + 11.0))
          << page << " note " << i;
    }
    freeAllComponents(view.components);
    layoutScore(document, view);
    for (int i = 1; i <= document.itemTable.itemCount; ++i) {
      EXPECT_EQ(placedOf(view, i), first[i - 1]) << page << " item " << i;
    }
    EXPECT_EQ(document.itemTable.fileImage, image) << page;
  }
}

}  // namespace
