// The External Utilities dialog: its fields, rows, geometry, OK and Cancel.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/dialog_controls.h"
#include "shell/external_utility.h"
#include "shell/external_utils_dialog.h"
#include "window_fixture.h"

namespace {

class ExternalUtilsDialogTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    for (int k = 0; k < kUtilityCount; ++k) {
      utilityPaths[k] = "/opt/tool" + std::to_string(k + 1);
      utilityOptions[k] = "-o " + std::to_string(k + 1);
    }
  }
  std::string text(const QDialog& dialog, int id) {
    return control<QLineEdit>(&dialog, id)->text().toStdString();
  }
  FakeInteraction ui;
};

TEST_F(ExternalUtilsDialogTest, FillsTheTenFieldsFromTheSettings) {
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "External Utilities");
  for (int k = 0; k < kUtilityCount; ++k) {
    EXPECT_EQ(text(dialog, 350 + k), utilityPaths[k]) << "row " << k;
    EXPECT_EQ(text(dialog, 400 + k), utilityOptions[k]) << "row " << k;
    QPushButton* run = control<QPushButton>(&dialog, 300 + k);
    ASSERT_NE(run, nullptr) << "row " << k;
    EXPECT_EQ(run->text().toStdString(), "Run");
  }
}

TEST_F(ExternalUtilsDialogTest, ControlsStandWhereTheDialogUnitsPutThem) {
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  struct Place {
    int id;
    int x, y, width, height;
  };
  const Place places[] = {
      {350, 28, 39, 150, 14},       {354, 28, 147, 150, 14},
      {400, 188, 39, 109, 14},      {403, 188, 120, 109, 14},
      {300, 308, 39, 30, 14},       {304, 308, 147, 30, 14},
      {kOkButton, 361, 85, 50, 14}, {kCancelButton, 361, 102, 50, 14},
  };
  for (const Place& p : places) {
    EXPECT_EQ(control<QWidget>(&dialog, p.id)->geometry(),
              dialog.dialogUnitsToPixels(p.x, p.y, p.width, p.height))
        << "control " << p.id;
  }
  EXPECT_EQ(dialog.size(), dialog.dialogUnitsToPixels(0, 0, 426, 189).size());
  // Horizontal units are a quarter of the average character width, vertical
  // ones an eighth of the character height.
  QFontMetrics metrics(dialog.font());
  int average =
      (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) /
      2;
  EXPECT_EQ(dialog.dialogUnitsToPixels(400, 0, 0, 0).x(), 100 * average);
  EXPECT_EQ(dialog.dialogUnitsToPixels(0, 80, 0, 0).y(), 10 * metrics.height());
}

TEST_F(ExternalUtilsDialogTest, OkTakesEveryRowButEmptyFieldsKeepTheirValues) {
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  setField(dialog, 350, "/new/one");
  setField(dialog, 401, "--two");
  setField(dialog, 352, "");
  setField(dialog, 404, "");
  clickControl(dialog, kOkButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(utilityPaths[0], "/new/one");
  EXPECT_EQ(utilityOptions[1], "--two");
  EXPECT_EQ(utilityPaths[2], "/opt/tool3");
  EXPECT_EQ(utilityOptions[4], "-o 5");
}

TEST_F(ExternalUtilsDialogTest, CancelKeepsEveryStoredValue) {
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  setField(dialog, 350, "/changed");
  setField(dialog, 400, "changed");
  clickControl(dialog, kCancelButton);
  EXPECT_EQ(utilityPaths[0], "/opt/tool1");
  EXPECT_EQ(utilityOptions[0], "-o 1");
}

TEST_F(ExternalUtilsDialogTest, TakeUtilityRowCopiesOneRowOnly) {
  ExternalUtilsDialog dialog(nullptr, ui, document, view);
  setField(dialog, 350, "/first");
  setField(dialog, 352, "/third");
  setField(dialog, 402, "-x");
  takeUtilityRow(dialog, 2);
  EXPECT_EQ(utilityPaths[2], "/third");
  EXPECT_EQ(utilityOptions[2], "-x");
  EXPECT_EQ(utilityPaths[0], "/opt/tool1");
}

}  // namespace
