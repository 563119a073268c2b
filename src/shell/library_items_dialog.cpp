#include "shell/library_items_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "library/library_table.h"
#include "shell/dialog_controls.h"

LibraryItemsDialog::LibraryItemsDialog(QWidget* parent, int& shownLibrary)
    : QDialog(parent), shownLibrary_(shownLibrary) {
  setWindowTitle("Library Items");
  auto* number = new QLineEdit;
  setControlId(number, kLibraryNumberField);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  setControlId(buttons->button(QDialogButtonBox::Ok), kOkButton);
  setControlId(buttons->button(QDialogButtonBox::Cancel), kCancelButton);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow("Display library (number):", number);
  layout->addRow(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LibraryItemsDialog::accept() {
  uint32_t number = unsignedFieldValue(control<QLineEdit>(this, kLibraryNumberField)->text());
  shownLibrary_ = static_cast<int>(std::min<uint32_t>(number, kLibraryCount - 1));
  QDialog::accept();
}
