// The Library Items dialog (LibraryItemBox): asks which symbol library to show.
#pragma once

#include <QDialog>

constexpr int kLibraryNumberField = 350;

class LibraryItemsDialog : public QDialog {
 public:
  // An empty library-number field; OK stores the number into shownLibrary.
  LibraryItemsDialog(QWidget* parent, int& shownLibrary);

  // OK: the field as an unsigned number (0 when empty or not a number),
  // 20 and above giving 19, becomes the shown library; then closes.
  void accept() override;

 private:
  int& shownLibrary_;
};
