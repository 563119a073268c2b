#include "shell/file_info_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "cli/file_info.h"
#include "score/item_table.h"
#include "shell/dialog_controls.h"

namespace {

constexpr int kCountRows = 9;  // the eighteen counts stand in two columns

void addValue(QGridLayout* grid, int row, int column, const std::string& label,
              const std::string& value, int id) {
  grid->addWidget(new QLabel(QString::fromStdString(label)), row, column);
  auto* field = new QLabel(QString::fromStdString(value));
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  setControlId(field, id);
  grid->addWidget(field, row, column + 1);
}

}  // namespace

FileInfoDialog::FileInfoDialog(QWidget* parent, const Document& document) : QDialog(parent) {
  setWindowTitle("File Info");
  std::vector<std::pair<std::string, std::string>> values = fileInfoValues(document);

  auto* counts = new QGroupBox("Item counts");
  auto* countGrid = new QGridLayout(counts);
  addValue(countGrid, 0, 0, values[0].first, values[0].second, kItemCountField);
  for (int c = 0; c < kItemCodeCount; ++c) {
    const auto& [label, value] = values[1 + c];
    addValue(countGrid, 1 + c % kCountRows, 2 * (c / kCountRows), label, value,
             kFirstCodeCountField + c);
  }

  auto* other = new QGroupBox("Other info.");
  auto* otherGrid = new QGridLayout(other);
  const int otherIds[] = {kFileSizeField, kScoreVersionField, kSerialNumberField, kUnitsField};
  for (int i = 0; i < 4; ++i) {
    const auto& [label, value] = values[1 + kItemCodeCount + i];
    addValue(otherGrid, i, 0, label, value, otherIds[i]);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  setControlId(buttons->button(QDialogButtonBox::Ok), kOkButton);
  setControlId(buttons->button(QDialogButtonBox::Cancel), kCancelButton);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(counts);
  layout->addWidget(other);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
