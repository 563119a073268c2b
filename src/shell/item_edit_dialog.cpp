#include "shell/item_edit_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "score/item_table.h"
#include "score/item_text.h"
#include "score/number_text.h"
#include "score/score_text.h"
#include "score/text_items.h"
#include "shell/dialog_controls.h"
#include "shell/up_down_control.h"

namespace {

// Text items show P1..P13 as numbers and their characters in field 213.
constexpr int kTextNumberFields = 13;
constexpr int kFieldRows = 10;
// A parameter field is as wide as this number, whatever it shows.
constexpr char kWidestNumber[] = "-000000.00";

int fieldWidth(const QLineEdit* field) {
  return field->fontMetrics().horizontalAdvance(kWidestNumber) +
         4 * field->fontMetrics().averageCharWidth();
}

QLineEdit* addField(QGridLayout* grid, int row, int column, const QString& label, int id) {
  grid->addWidget(new QLabel(label), row, column);
  auto* field = new QLineEdit;
  setControlId(field, id);
  field->setFixedWidth(fieldWidth(field));
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

// The item name keeps one width, the widest name's, so nothing beside it
// moves as the names change.
QLabel* nameLabel() {
  auto* name = new QLabel;
  setControlId(name, kItemNameField);
  int widest = name->fontMetrics().horizontalAdvance(itemTypeName(0));
  for (int code = 1; code <= kItemCodeCount; ++code) {
    widest = std::max(widest, name->fontMetrics().horizontalAdvance(itemTypeName(code)));
  }
  name->setFixedWidth(widest);
  return name;
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

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What the item prints: the decoded string of a text item, the digits or
// letter of a number, nothing for the others.
QString printedText(const ItemRecord& item) {
  if (isTextItem(item)) return fromUtf8(joinedText(textItemSpans(item)));
  if (itemCode(item) == kNumberCode) return fromUtf8(numberText(param(item, 5)));
  return {};
}

// The row under the parameters that shows it; as wide as the fields above,
// whatever the text's length.
QLabel* addPrintedTextRow(QGridLayout* grid) {
  int row = kFieldRows + 1;
  grid->addWidget(new QLabel("Prints:"), row, 0);
  auto* printed = new QLabel;
  setControlId(printed, kPrintedTextField);
  printed->setTextFormat(Qt::PlainText);
  printed->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  grid->addWidget(printed, row, 1, 1, grid->columnCount() - 1);
  return printed;
}

}  // namespace

ItemEditDialog::ItemEditDialog(QWidget* parent, Document& document, int& currentItem)
    : QDialog(parent), document_(document), currentItem_(currentItem) {
  setWindowTitle("Item edit");
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Item number:"), 0, 0);
  auto* itemNumber = new QLineEdit;
  setControlId(itemNumber, kItemNumberField);
  itemNumber->setFixedWidth(fieldWidth(itemNumber));
  itemNumber->installEventFilter(this);
  // The up-down stands beside its buddy, not over the end of the number.
  auto* numberRow = new QHBoxLayout;
  numberRow->setSpacing(0);
  numberRow->addWidget(itemNumber);
  grid->addLayout(numberRow, 0, 1, Qt::AlignLeft);
  grid->addWidget(nameLabel(), 0, 2, 1, 3, Qt::AlignLeft);
  for (int i = 0; i < kParamFieldCount; ++i) {
    QLineEdit* field = addField(grid, 1 + i % kFieldRows, 2 * (i / kFieldRows),
                                QString("%1:").arg(i + 1), kFirstParamField + i);
    if (kFirstParamField + i == kTextField) {
      field->setFixedWidth(2 * field->maximumWidth());
      field->setMaxLength(kMaxTextFieldLength);
    }
  }

  QLabel* printed = addPrintedTextRow(grid);

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = addButton(buttons, "OK", kOkButton);
  QPushButton* cancel = addButton(buttons, "Cancel", kCancelButton);
  QPushButton* refreshButton = addButton(buttons, "Refresh", kRefreshButton);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    std::string error;
    if (!store(&error)) {
      QMessageBox::warning(this, "Item edit", QString::fromStdString(error));
      return;
    }
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(field(kTextField), &QLineEdit::textEdited, this, [printed](const QString& typed) {
    printed->setText(fromUtf8(joinedText(decodeScoreText(typed.toLatin1().toStdString()))));
  });

  currentItem_ = 1;
  fill();
  upDown_ = new UpDownControl(this, itemNumber, 1, document_.itemTable.itemCount, 1);
  setControlId(upDown_, kItemUpDown);
  upDown_->setFixedHeight(itemNumber->sizeHint().height());
  numberRow->addWidget(upDown_);
  upDown_->onThumbPosition = [this](int position) { thumbPosition(position); };
}

QLineEdit* ItemEditDialog::field(int id) const { return control<QLineEdit>(this, id); }

void ItemEditDialog::fill() {
  const ItemRecord& item = itemAt(document_.itemTable, currentItem_);
  field(kItemNumberField)->setText(QString::number(currentItem_));
  control<QLabel>(this, kItemNameField)->setText(itemTypeName(itemCode(item)));
  shownText_.clear();
  control<QLabel>(this, kPrintedTextField)->setText(printedText(item));
  if (isTextItem(item)) {
    for (int k = 1; k <= kTextNumberFields; ++k) {
      field(kFirstParamField + k - 1)->setText(number(param(item, k)));
    }
    std::string text = textOfItem(item).substr(0, kMaxTextFieldLength);
    shownText_ = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    field(kTextField)->setText(shownText_);
    return;
  }
  for (int k = 1; k <= kParamFieldCount; ++k) {
    field(kFirstParamField + k - 1)
        ->setText(k <= item.paramCount ? number(param(item, k)) : QString());
  }
}

bool ItemEditDialog::store(std::string* error) {
  ItemRecord& item = itemAt(document_.itemTable, currentItem_);
  bool text = isTextItem(item);
  int count = text ? kTextNumberFields : std::min<int>(item.paramCount, kParamFieldCount);
  for (int k = 1; k <= count; ++k) {
    setParam(item, k, toFloat(numberFieldValue(field(kFirstParamField + k - 1)->text())));
  }
  // A P1 just changed away from 16 makes the field a number again.
  QString typed = field(kTextField)->text();
  if (!text || !isTextItem(item) || typed == shownText_) return true;
  QByteArray latin1 = typed.toLatin1();
  if (!replaceItemText(document_, currentItem_, latin1.toStdString(), error)) return false;
  shownText_ = typed;
  return true;
}

void ItemEditDialog::refresh() {
  int64_t n = unsignedFieldValue(field(kItemNumberField)->text());
  currentItem_ = n > 0 ? static_cast<int>(std::min<int64_t>(n, document_.itemTable.itemCount)) : 1;
  fill();
}

void ItemEditDialog::thumbPosition(int position) {
  if (position < 1 || position > document_.itemTable.itemCount) return;
  currentItem_ = position;
  fill();
}

bool ItemEditDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field(kItemNumberField) || event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(watched, event);
  }
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: refresh(); return true;  // not the default button
    case Qt::Key_Up: upDown_->stepBy(1); return true;
    case Qt::Key_Down: upDown_->stepBy(-1); return true;
    default: return false;
  }
}
