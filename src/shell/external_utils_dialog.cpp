#include "shell/external_utils_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/dialog_controls.h"
#include "shell/external_utility.h"

namespace {

constexpr int kDialogWidthUnits = 426;
constexpr int kDialogHeightUnits = 189;
constexpr int kRowPitch = 27;

// Rounded a * b / c, as the platform's MulDiv computes it.
int mulDiv(int a, int b, int c) { return (2 * a * b + c) / (2 * c); }

}  // namespace

ExternalUtilsDialog::ExternalUtilsDialog(QWidget* parent, MessageSink& messages, Document& document,
                                         View& view, RowRunner run)
    : QDialog(parent), run_(std::move(run)) {
  if (!run_) {
    run_ = [&messages, &document, &view](ExternalUtilsDialog& dialog, int k) {
      runExternalUtility(dialog, k, messages, document, view);
    };
  }
  setWindowTitle("External Utilities");
  setFont(QFont("MS Sans Serif", 8));
  // The platform's dialog base units: the average width of the 52 letters
  // (rounded) and the font's height.
  QFontMetrics metrics(font());
  int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  averageCharWidth_ = (letters / 26 + 1) / 2;
  charHeight_ = metrics.height();

  addStatic("External utilities' full pathnames:\n(eg: C:\\Score\\Lj\\Lj.exe )", 29, 16, 135, 19);
  addStatic("command line options:\n(eg: /LJ /N )", 189, 16, 110, 19);
  for (int k = 0; k < kUtilityCount; ++k) addRow(k);

  auto* ok = new QPushButton("OK", this);
  setControlId(ok, kOkButton);
  ok->setGeometry(dialogUnitsToPixels(361, 85, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton("Cancel", this);
  setControlId(cancel, kCancelButton);
  cancel->setGeometry(dialogUnitsToPixels(361, 102, 50, 14));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  setFixedSize(dialogUnitsToPixels(0, 0, kDialogWidthUnits, kDialogHeightUnits).size());
}

QRect ExternalUtilsDialog::dialogUnitsToPixels(int x, int y, int width, int height) const {
  return QRect(mulDiv(x, averageCharWidth_, 4), mulDiv(y, charHeight_, 8),
               mulDiv(width, averageCharWidth_, 4), mulDiv(height, charHeight_, 8));
}

void ExternalUtilsDialog::accept() {
  for (int k = 0; k < kUtilityCount; ++k) takeUtilityRow(*this, k);
  QDialog::accept();
}

void ExternalUtilsDialog::addRow(int k) {
  int y = 39 + kRowPitch * k;
  addStatic(QString("%1.").arg(k + 1), 9, y + 2, k == 4 ? 10 : 8, 8);

  auto* path = new QLineEdit(QString::fromStdString(utilityPaths[k]), this);
  setControlId(path, kUtilityPathField + k);
  path->setMaxLength(kMaxSettingLength);
  path->setGeometry(dialogUnitsToPixels(28, y, 150, 14));

  auto* options = new QLineEdit(QString::fromStdString(utilityOptions[k]), this);
  setControlId(options, kUtilityOptionsField + k);
  options->setMaxLength(kMaxSettingLength);
  options->setGeometry(dialogUnitsToPixels(188, y, 109, 14));

  auto* run = new QPushButton("Run", this);
  setControlId(run, kUtilityRunButton + k);
  run->setAutoDefault(false);
  run->setGeometry(dialogUnitsToPixels(308, y, 30, 14));
  connect(run, &QPushButton::clicked, this, [this, k] { run_(*this, k); });
}

void ExternalUtilsDialog::addStatic(const QString& text, int x, int y, int width, int height) {
  auto* label = new QLabel(text, this);
  label->setGeometry(dialogUnitsToPixels(x, y, width, height));
}
