#include "shell/item_edit_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "score/item_table.h"
#include "shell/dialog_controls.h"
#include "shell/up_down_control.h"

namespace {

// Text items show P1..P13 as numbers and their characters in field 213.
constexpr int kTextNumberFields = 13;
// The text field was filled from a 256-character buffer.
constexpr int kMaxShownText = 255;
constexpr int kFieldRows = 10;

QLineEdit* addField(QGridLayout* grid, int row, int column, const QString& label, int id) {
  grid->addWidget(new QLabel(label), row, column);
  auto* field = new QLineEdit;
  setControlId(field, id);
  // The text field reaches into a column of its own, so the others keep
  // their width.
  grid->addWidget(field, row, column + 1, 1, id == kTextField ? 2 : 1);
  return field;
}

QPushButton* addButton(QHBoxLayout* row, const QString& text, int id) {
  auto* button = new QPushButton(text);
  setControlId(button, id);
  row->addWidget(button);
  return button;
}

// A 4-byte float of the value; values beyond its range become infinite, as
// the conversion does on the platform, without undefined behaviour.
float toFloat(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

QString number(float value) { return QString::asprintf("%.2f", static_cast<double>(value)); }

}  // namespace

ItemEditDialog::ItemEditDialog(QWidget* parent, int& currentItem)
    : QDialog(parent), currentItem_(currentItem) {
  setWindowTitle("Item edit");
  auto* grid = new QGridLayout;
  QLineEdit* itemNumber = addField(grid, 0, 0, "Item number:", kItemNumberField);
  auto* name = new QLabel;
  setControlId(name, kItemNameField);
  grid->addWidget(name, 0, 2);
  for (int i = 0; i < kParamFieldCount; ++i) {
    QLineEdit* field = addField(grid, 1 + i % kFieldRows, 2 * (i / kFieldRows),
                                QString("%1:").arg(i + 1), kFirstParamField + i);
    if (kFirstParamField + i == kTextField) field->setMinimumWidth(2 * field->sizeHint().width());
  }

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = addButton(buttons, "OK", kOkButton);
  QPushButton* cancel = addButton(buttons, "Cancel", kCancelButton);
  QPushButton* refreshButton = addButton(buttons, "Refresh", kRefreshButton);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    store();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  currentItem_ = 1;
  fill();
  upDown_ = new UpDownControl(this, itemNumber, 1, itemTable.itemCount, 1);
  setControlId(upDown_, kItemUpDown);
  grid->addWidget(upDown_, 0, 1, Qt::AlignRight);
  upDown_->onThumbPosition = [this](int position) { thumbPosition(position); };
}

QLineEdit* ItemEditDialog::field(int id) const { return control<QLineEdit>(this, id); }

void ItemEditDialog::fill() {
  const ItemRecord& item = itemAt(currentItem_);
  field(kItemNumberField)->setText(QString::number(currentItem_));
  control<QLabel>(this, kItemNameField)->setText(itemTypeName(itemCode(item)));
  if (isTextItem(item)) {
    for (int k = 1; k <= kTextNumberFields; ++k) {
      field(kFirstParamField + k - 1)->setText(number(param(item, k)));
    }
    std::string text = textOfItem(item).substr(0, kMaxShownText);
    field(kTextField)->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return;
  }
  for (int k = 1; k <= kParamFieldCount; ++k) {
    field(kFirstParamField + k - 1)->setText(k <= item.paramCount ? number(param(item, k)) : QString());
  }
}

void ItemEditDialog::store() {
  ItemRecord& item = itemAt(currentItem_);
  int count = isTextItem(item) ? kTextNumberFields : std::min<int>(item.paramCount, kParamFieldCount);
  for (int k = 1; k <= count; ++k) {
    setParam(item, k, toFloat(numberFieldValue(field(kFirstParamField + k - 1)->text())));
  }
}

void ItemEditDialog::refresh() {
  int64_t n = unsignedFieldValue(field(kItemNumberField)->text());
  currentItem_ = n > 0 ? static_cast<int>(std::min<int64_t>(n, itemTable.itemCount)) : 1;
  fill();
}

void ItemEditDialog::thumbPosition(int position) {
  if (position < 1 || position > itemTable.itemCount) return;
  currentItem_ = position;
  fill();
}
