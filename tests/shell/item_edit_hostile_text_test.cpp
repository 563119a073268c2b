// Text in the Item edit fields that is not an ordinary number: it is stored
// as the conversion gives, and the page is then laid out and painted (under
// the sanitizer build, without undefined behaviour).
#include <QLineEdit>
#include <cmath>
#include <string>

#include "layout/layout.h"
#include "paint/painter.h"
#include "paint/recording_surface.h"
#include "score/item_table.h"
#include "shell/item_edit_dialog.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

enum class Stored { kZero, kNan, kPlusInf, kMinusInf };

struct HostileText {
  const char* typed;
  Stored stored;
};

const HostileText kTexts[] = {
    {"abc", Stored::kZero},     {"", Stored::kZero},          {"nan", Stored::kNan},
    {"-nan", Stored::kNan},     {"inf", Stored::kPlusInf},    {"-inf", Stored::kMinusInf},
    {"1e40", Stored::kPlusInf}, {"-1e40", Stored::kMinusInf},
};

bool storedAs(float v, Stored stored) {
  switch (stored) {
    case Stored::kZero: return v == 0.0f;
    case Stored::kNan: return std::isnan(v);
    case Stored::kPlusInf: return std::isinf(v) && v > 0;
    case Stored::kMinusInf: return std::isinf(v) && v < 0;
  }
  return false;
}

class ItemEditHostileTextTest : public ShellTest {
 protected:
  int currentItem = 1;
};

TEST_F(ItemEditHostileTextTest, StoredAsConvertedThenLaidOutAndPainted) {
  for (const HostileText& text : kTexts) {
    for (int item : {1, 2}) {
      SCOPED_TRACE(std::string("\"") + text.typed + "\" in every field of item " +
                   std::to_string(item));
      // A staff and a note, each with all twenty parameters present.
      loadItems(document, {{8, 1, 0, 0, 1, 200, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                           {1, 1, 10, 5, 10, 0, 1, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
      currentItem = item;
      ItemEditDialog dialog(nullptr, document, currentItem);
      dialog.thumbPosition(item);
      for (int k = 0; k < kParamFieldCount; ++k) {
        dialog.field(kFirstParamField + k)->setText(text.typed);
      }
      std::string error;
      EXPECT_TRUE(dialog.store(&error)) << error;
      for (int k = 1; k <= kParamFieldCount; ++k) {
        EXPECT_TRUE(storedAs(param(itemAt(document.itemTable, item), k), text.stored)) << "P" << k;
      }
      freeAllComponents(view.components);
      layoutScore(document, view);
      RecordingSurface surface;
      paintScore(surface, document, view);
      freeAllComponents(view.components);
    }
  }
}

}  // namespace
