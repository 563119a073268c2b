// The Item edit dialog (Itemeditbox): the parameters of one item at a time,
// editable, with an up-down control and Refresh to move between items.
#pragma once

#include <QDialog>

#include "score/document.h"

class QLineEdit;
class UpDownControl;

// Control ids.
constexpr int kRefreshButton = 3;
constexpr int kFirstParamField = 200;  // P1..P20 in 200..219
constexpr int kParamFieldCount = 20;
constexpr int kTextField = 213;  // the text of a text item
constexpr int kItemNumberField = 230;
constexpr int kItemUpDown = 231;
constexpr int kItemNameField = 232;
constexpr int kPrintedTextField = 233;  // what a text or number item prints, decoded
// The longest text the text field shows and takes.
constexpr int kMaxTextFieldLength = 255;

class ItemEditDialog : public QDialog {
 public:
  // Shows item 1 of the document (which must hold at least one item) and
  // sets currentItem to 1; currentItem follows the item shown. Enter in the
  // item-number field shows the item typed there, as Refresh does; Up and
  // Down there step the item number.
  ItemEditDialog(QWidget* parent, Document& document, int& currentItem);

  // Fills the fields from the current item. A text or number item also
  // shows what it prints, its escapes and font codes decoded; the text
  // field's edits show there as they are typed.
  void fill();
  // Stores the fields back into the current item's parameters. A changed
  // text of a text item is stored too, with P12 set to its length; its
  // characters are kept to Latin-1 ('?' for others). Returns false (after
  // storing the numbers) with *error set when the text cannot be stored.
  bool store(std::string* error);
  // Shows the item named in the item-number field, clamped to 1..item count.
  void refresh();
  // An up-down position: shown when it lies in 1..item count.
  void thumbPosition(int position);

  QLineEdit* field(int id) const;
  UpDownControl* upDown() const { return upDown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Document& document_;
  int& currentItem_;
  UpDownControl* upDown_ = nullptr;
  QString shownText_;  // the text field as filled, to see whether it changed
};
