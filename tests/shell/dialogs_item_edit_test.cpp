// The Item edit dialog: filling, storing, Refresh and the up-down control.
#include <QLabel>
#include <QLineEdit>

#include "layout/layout.h"
#include "score/item_table.h"
#include <cstring>
#include "shell/commands.h"
#include "shell/dialog_controls.h"
#include "shell/item_edit_dialog.h"
#include "shell/up_down_control.h"
#include "support/mus_bytes.h"
#include "window_fixture.h"

namespace {

// Item 1: a note with 7 parameters; item 2: a text item "Allegro" (P12 = 7);
// item 3: a staff.
std::vector<ItemParams> threeItems() {
  std::vector<uint8_t> words = textItemWords({16, 1, 50, 12, 0, 0, 0, 0, 0, 0, 0, 7, 0}, "Allegro");
  ItemParams text(words.size() / 4);
  std::memcpy(text.data(), words.data(), words.size());
  return {{1, 1, 20.5f, 4, 0, 1, -2}, text, {8, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
}

std::string fieldText(const ItemEditDialog& dialog, int id) {
  return dialog.field(id)->text().toStdString();
}

class ItemEditTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    loadItems(threeItems());
  }
  int currentItem = 7;
};

TEST_F(ItemEditTest, OpensOnItemOneWithItsParametersAndEmptyRestFields) {
  ItemEditDialog dialog(nullptr, currentItem);
  EXPECT_EQ(currentItem, 1);
  EXPECT_EQ(fieldText(dialog, kItemNumberField), "1");
  EXPECT_EQ(control<QLabel>(&dialog, kItemNameField)->text().toStdString(), "note    ");
  const char* expected[] = {"1.00", "1.00", "20.50", "4.00", "0.00", "1.00", "-2.00"};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(fieldText(dialog, 200 + k), expected[k]) << "P" << k + 1;
  for (int id = 207; id <= 219; ++id) EXPECT_EQ(fieldText(dialog, id), "") << id;
}

TEST_F(ItemEditTest, TextItemShowsThirteenNumbersAndItsText) {
  ItemEditDialog dialog(nullptr, currentItem);
  dialog.thumbPosition(2);
  EXPECT_EQ(control<QLabel>(&dialog, kItemNameField)->text().toStdString(), "word    ");
  EXPECT_EQ(fieldText(dialog, 200), "16.00");
  EXPECT_EQ(fieldText(dialog, 202), "50.00");
  EXPECT_EQ(fieldText(dialog, 211), "7.00");
  EXPECT_EQ(fieldText(dialog, kTextField), "Allegro");
}

TEST_F(ItemEditTest, StoreWritesTheFieldsAsFloatsAndLeavesTheTextIntact) {
  ItemEditDialog dialog(nullptr, currentItem);
  dialog.field(202)->setText("33.25");
  dialog.field(206)->setText("not a number");
  dialog.store();
  EXPECT_FLOAT_EQ(param(itemAt(1), 3), 33.25f);
  EXPECT_FLOAT_EQ(param(itemAt(1), 7), 0.0f);
  EXPECT_FLOAT_EQ(param(itemAt(1), 4), 4.0f);

  dialog.thumbPosition(2);
  dialog.field(202)->setText("  -61.5xyz");
  dialog.field(kTextField)->setText("changed");
  dialog.store();
  EXPECT_FLOAT_EQ(param(itemAt(2), 3), -61.5f);
  EXPECT_EQ(textOfItem(itemAt(2)), "Allegro");
}

TEST_F(ItemEditTest, OkStoresAndCancelDoesNot) {
  {
    ItemEditDialog dialog(nullptr, currentItem);
    dialog.field(202)->setText("99");
    clickControl(dialog, kCancelButton);
  }
  EXPECT_FLOAT_EQ(param(itemAt(1), 3), 20.5f);
  ItemEditDialog dialog(nullptr, currentItem);
  dialog.field(202)->setText("99");
  clickControl(dialog, kOkButton);
  EXPECT_FLOAT_EQ(param(itemAt(1), 3), 99.0f);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ItemEditTest, StoreReachesOnlyTheFirstTwentyParameters) {
  ItemEditDialog dialog(nullptr, currentItem);
  dialog.thumbPosition(3);
  for (int id = 200; id <= 219; ++id) dialog.field(id)->setText("5");
  dialog.store();
  EXPECT_FLOAT_EQ(param(itemAt(3), 20), 5.0f);
  EXPECT_FLOAT_EQ(param(itemAt(3), 21), 0.0f);
  EXPECT_FLOAT_EQ(param(itemAt(1), 1), 1.0f) << "another item changed";
}

TEST_F(ItemEditTest, RefreshClampsTheItemNumber) {
  struct Case {
    const char* typed;
    int shown;
  };
  const Case cases[] = {{"0", 1}, {"", 1}, {"abc", 1}, {"2", 2}, {"3", 3}, {"4", 3}, {"4000000000", 3}};
  ItemEditDialog dialog(nullptr, currentItem);
  for (const Case& c : cases) {
    dialog.field(kItemNumberField)->setText(c.typed);
    clickControl(dialog, kRefreshButton);
    EXPECT_EQ(currentItem, c.shown) << "typed \"" << c.typed << "\"";
    EXPECT_EQ(fieldText(dialog, kItemNumberField), std::to_string(c.shown)) << c.typed;
  }
}

TEST_F(ItemEditTest, UpDownRunsFromOneToTheItemCount) {
  ItemEditDialog dialog(nullptr, currentItem);
  UpDownControl* upDown = control<UpDownControl>(&dialog, kItemUpDown);
  ASSERT_EQ(upDown, dialog.upDown());
  EXPECT_EQ(upDown->lower(), 1);
  EXPECT_EQ(upDown->upper(), 3);
  EXPECT_EQ(upDown->position(), 1);
  upDown->stepBy(1);
  EXPECT_EQ(currentItem, 2);
  EXPECT_EQ(fieldText(dialog, 200), "16.00");
  upDown->stepBy(5);
  EXPECT_EQ(currentItem, 3);
  upDown->stepBy(-10);
  EXPECT_EQ(currentItem, 1);
  // A number typed into the buddy is where the next step starts.
  dialog.field(kItemNumberField)->setText("3");
  upDown->stepBy(-1);
  EXPECT_EQ(currentItem, 2);
}

TEST_F(ItemEditTest, ThumbPositionsOutsideTheItemsAreIgnored) {
  ItemEditDialog dialog(nullptr, currentItem);
  dialog.thumbPosition(0);
  dialog.thumbPosition(4);
  EXPECT_EQ(currentItem, 1);
}

using EditItemCommandTest = WindowTest;

TEST_F(EditItemCommandTest, TheEditedItemIsLaidOutAgain) {
  loadItems({{8, 1, 0, 0}, {3, 1, 10, 0}});
  layoutScore();
  ASSERT_GT(itemAt(2).componentCount, 0);
  int count = itemAt(2).componentCount;
  int x = itemAt(2).components[0]->vectors[0].x;
  ui.onDialog = [](QDialog& dialog) {
    auto& edit = dynamic_cast<ItemEditDialog&>(dialog);
    edit.thumbPosition(2);
    edit.field(202)->setText("40");
    clickControl(dialog, kOkButton);
  };
  window->command(kEditItemCommand);
  EXPECT_EQ(ui.dialogsRun, 1);
  EXPECT_FLOAT_EQ(param(itemAt(2), 3), 40.0f);
  EXPECT_EQ(window->currentItem(), 2);
  ASSERT_EQ(itemAt(2).componentCount, count);
  EXPECT_NE(itemAt(2).components[0]->vectors[0].x, x) << "the clef stayed where it was";
}

}  // namespace
