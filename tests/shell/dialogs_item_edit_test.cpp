// The Item edit dialog: filling, storing, Refresh and the up-down control.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstring>

#include "layout/layout.h"
#include "score/item_table.h"
#include "score/mus_file.h"
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
  return {{1, 1, 20.5f, 4, 0, 1, -2}, text, {8, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                             0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
}

std::string fieldText(const ItemEditDialog& dialog, int id) {
  return dialog.field(id)->text().toStdString();
}

class ItemEditTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    loadItems(document, threeItems());
  }
  int currentItem = 7;
};

TEST_F(ItemEditTest, OpensOnItemOneWithItsParametersAndEmptyRestFields) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  EXPECT_EQ(currentItem, 1);
  EXPECT_EQ(fieldText(dialog, kItemNumberField), "1");
  EXPECT_EQ(control<QLabel>(&dialog, kItemNameField)->text().toStdString(), "note    ");
  const char* expected[] = {"1.00", "1.00", "20.50", "4.00", "0.00", "1.00", "-2.00"};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(fieldText(dialog, 200 + k), expected[k]) << "P" << k + 1;
  for (int id = 207; id <= 219; ++id) EXPECT_EQ(fieldText(dialog, id), "") << id;
}

TEST_F(ItemEditTest, TextItemShowsThirteenNumbersAndItsText) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.thumbPosition(2);
  EXPECT_EQ(control<QLabel>(&dialog, kItemNameField)->text().toStdString(), "word    ");
  EXPECT_EQ(fieldText(dialog, 200), "16.00");
  EXPECT_EQ(fieldText(dialog, 202), "50.00");
  EXPECT_EQ(fieldText(dialog, 211), "7.00");
  EXPECT_EQ(fieldText(dialog, kTextField), "Allegro");
}

TEST_F(ItemEditTest, StoreWritesTheFieldsAsFloats) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.field(202)->setText("33.25");
  dialog.field(206)->setText("not a number");
  std::string error;
  ASSERT_TRUE(dialog.store(&error)) << error;
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 1), 3), 33.25f);
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 1), 7), 0.0f);
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 1), 4), 4.0f);

  dialog.thumbPosition(2);
  dialog.field(202)->setText("  -61.5xyz");
  ASSERT_TRUE(dialog.store(&error)) << error;
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 2), 3), -61.5f);
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 2)), "Allegro") << "an untouched text changed";
}

TEST_F(ItemEditTest, AnEditedTextIsStoredWithTheLengthRulesOfTextItems) {
  struct Case {
    const char* typed;
    int words;  // 13 + ceil(length / 4)
  };
  const Case cases[] = {{"Andante con moto", 17}, {"rit.", 14}, {"", 13}, {"Allegro", 15}};
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.thumbPosition(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    dialog.field(202)->setText("51");
    dialog.field(kTextField)->setText(c.typed);
    std::string error;
    ASSERT_TRUE(dialog.store(&error)) << error;
    ASSERT_EQ(document.itemTable.itemCount, 3);
    const ItemRecord& text = itemAt(document.itemTable, 2);
    EXPECT_EQ(textOfItem(text), c.typed);
    EXPECT_FLOAT_EQ(param(text, 12), static_cast<float>(std::strlen(c.typed)));
    EXPECT_FLOAT_EQ(param(text, 3), 51.0f) << "the numbers were lost";
    EXPECT_EQ(text.paramWords, c.words);
    EXPECT_EQ(text.paramCount, c.words);
    EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 3), 1), 8.0f)
        << "the item after it moved wrongly";
    EXPECT_EQ(itemAt(document.itemTable, 3).paramWords, 22);
    EXPECT_EQ(document.loadStatistics.serialNumber, 1234u) << "the trailer was not kept";
  }
  // The file written from the table reads back with the new text.
  std::string error;
  ASSERT_TRUE(writeMusFile((directory / "edited.mus").string(), document, &error)) << error;
  ASSERT_TRUE(readMusFile((directory / "edited.mus").string(), document, &error)) << error;
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 2)), "Allegro");
}

TEST_F(ItemEditTest, TheTextFieldTakesAtMost255Characters) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.thumbPosition(2);
  dialog.field(kTextField)->setText(QString(300, 'x'));
  std::string error;
  ASSERT_TRUE(dialog.store(&error)) << error;
  EXPECT_EQ(textOfItem(itemAt(document.itemTable, 2)), std::string(255, 'x'));
}

TEST_F(ItemEditTest, EnterInTheItemNumberGoesThereAndArrowsStep) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.show();
  QLineEdit* number = dialog.field(kItemNumberField);
  number->setFocus();
  number->setText("3");
  QTest::keyClick(number, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible()) << "Enter closed the dialog";
  EXPECT_EQ(currentItem, 3);
  EXPECT_EQ(fieldText(dialog, 200), "8.00");
  QTest::keyClick(number, Qt::Key_Up);
  EXPECT_EQ(currentItem, 3) << "stepped past the last item";
  QTest::keyClick(number, Qt::Key_Down);
  EXPECT_EQ(currentItem, 2);
  EXPECT_EQ(fieldText(dialog, kItemNumberField), "2");
  QTest::keyClick(number, Qt::Key_Down);
  QTest::keyClick(number, Qt::Key_Down);
  EXPECT_EQ(currentItem, 1);
  // Enter elsewhere still means OK.
  dialog.field(202)->setFocus();
  QTest::keyClick(dialog.field(202), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ItemEditTest, FieldsKeepTheirPlacesAndTheUpDownStandsBesideTheNumber) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.show();
  auto places = [&] {
    std::vector<QRect> rects;
    for (int id = 200; id <= 219; ++id) rects.push_back(dialog.field(id)->geometry());
    rects.push_back(dialog.geometry());
    return rects;
  };
  std::vector<QRect> note = places();
  for (int item : {2, 3, 1}) {
    dialog.thumbPosition(item);
    QApplication::processEvents();
    EXPECT_EQ(places(), note) << "fields moved for item " << item;
  }
  QRect numberRect = dialog.field(kItemNumberField)->geometry();
  QRect upDownRect(dialog.upDown()->mapTo(&dialog, QPoint(0, 0)), dialog.upDown()->size());
  QRect numberOnDialog(dialog.field(kItemNumberField)->mapTo(&dialog, QPoint(0, 0)),
                       numberRect.size());
  EXPECT_FALSE(upDownRect.intersects(numberOnDialog));
  EXPECT_GE(upDownRect.left(), numberOnDialog.right());
}

TEST_F(ItemEditTest, OkStoresAndCancelDoesNot) {
  {
    ItemEditDialog dialog(nullptr, document, currentItem);
    dialog.field(202)->setText("99");
    clickControl(dialog, kCancelButton);
  }
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 1), 3), 20.5f);
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.field(202)->setText("99");
  clickControl(dialog, kOkButton);
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 1), 3), 99.0f);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ItemEditTest, StoreReachesOnlyTheFirstTwentyParameters) {
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.thumbPosition(3);
  for (int id = 200; id <= 219; ++id) dialog.field(id)->setText("5");
  std::string error;
  EXPECT_TRUE(dialog.store(&error));
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 3), 20), 5.0f);
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 3), 21), 0.0f);
  EXPECT_FLOAT_EQ(param(itemAt(document.itemTable, 1), 1), 1.0f) << "another item changed";
}

TEST_F(ItemEditTest, RefreshClampsTheItemNumber) {
  struct Case {
    const char* typed;
    int shown;
  };
  const Case cases[] = {{"0", 1}, {"", 1},  {"abc", 1},       {"2", 2},
                        {"3", 3}, {"4", 3}, {"4000000000", 3}};
  ItemEditDialog dialog(nullptr, document, currentItem);
  for (const Case& c : cases) {
    dialog.field(kItemNumberField)->setText(c.typed);
    clickControl(dialog, kRefreshButton);
    EXPECT_EQ(currentItem, c.shown) << "typed \"" << c.typed << "\"";
    EXPECT_EQ(fieldText(dialog, kItemNumberField), std::to_string(c.shown)) << c.typed;
  }
}

TEST_F(ItemEditTest, UpDownRunsFromOneToTheItemCount) {
  ItemEditDialog dialog(nullptr, document, currentItem);
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
  ItemEditDialog dialog(nullptr, document, currentItem);
  dialog.thumbPosition(0);
  dialog.thumbPosition(4);
  EXPECT_EQ(currentItem, 1);
}

using EditItemCommandTest = WindowTest;

TEST_F(EditItemCommandTest, TheEditedItemIsLaidOutAgain) {
  openItems({{8, 1, 0, 0}, {3, 1, 10, 0}});
  const ItemComponents* clef = componentsOf(window->view().components, 2);
  ASSERT_NE(clef, nullptr);
  ASSERT_GT(clef->count, 0);
  int count = clef->count;
  int x = clef->records[0]->vectors[0].x;
  ui.onDialog = [](QDialog& dialog) {
    auto& edit = dynamic_cast<ItemEditDialog&>(dialog);
    edit.thumbPosition(2);
    edit.field(202)->setText("40");
    clickControl(dialog, kOkButton);
  };
  window->command(kEditItemCommand);
  EXPECT_EQ(ui.dialogsRun, 1);
  EXPECT_FLOAT_EQ(param(itemAt(shown().itemTable, 2), 3), 40.0f);
  EXPECT_EQ(window->currentItem(), 2);
  clef = componentsOf(window->view().components, 2);
  ASSERT_EQ(clef->count, count);
  EXPECT_NE(clef->records[0]->vectors[0].x, x) << "the clef stayed where it was";
}

}  // namespace

namespace {

TEST_F(ItemEditTest, ShowsWhatTextAndNumbersPrint) {
  loadItems(document, {{1, 1, 20.5f, 4},
                       textItemParams({16, 1, 50, 12}, "_00Fr<<ed<<eric _02Chopin"),
                       {10, 1, 0, 13, 1001}});
  ItemEditDialog dialog(nullptr, document, currentItem);
  auto printed = [&] { return control<QLabel>(&dialog, kPrintedTextField)->text().toStdString(); };
  EXPECT_EQ(printed(), "") << "a note prints no text";
  dialog.thumbPosition(2);
  EXPECT_EQ(fieldText(dialog, kTextField), "_00Fr<<ed<<eric _02Chopin");
  EXPECT_EQ(printed(), "Frédéric Chopin");
  QTest::keyClicks(dialog.field(kTextField), "%%u");
  EXPECT_EQ(printed(), "Frédéric Chopinü") << "follows the typing";
  dialog.thumbPosition(3);
  EXPECT_EQ(printed(), "A");
}

}  // namespace
