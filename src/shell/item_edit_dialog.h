// The Item edit dialog (Itemeditbox): the parameters of one item at a time,
// editable, with an up-down control and Refresh to move between items.
#pragma once

#include <QDialog>

class QLineEdit;
class UpDownControl;

// Control ids.
constexpr int kRefreshButton = 3;
constexpr int kFirstParamField = 200;  // P1..P20 in 200..219
constexpr int kParamFieldCount = 20;
constexpr int kTextField = 213;        // the text of a text item
constexpr int kItemNumberField = 230;
constexpr int kItemUpDown = 231;
constexpr int kItemNameField = 232;

class ItemEditDialog : public QDialog {
 public:
  // Shows item 1 of the loaded table (which must hold at least one item) and
  // sets currentItem to 1; currentItem follows the item shown.
  ItemEditDialog(QWidget* parent, int& currentItem);

  // Fills the fields from the current item.
  void fill();
  // Stores the fields back into the current item's parameters.
  void store();
  // Shows the item named in the item-number field, clamped to 1..item count.
  void refresh();
  // An up-down position: shown when it lies in 1..item count.
  void thumbPosition(int position);

  QLineEdit* field(int id) const;
  UpDownControl* upDown() const { return upDown_; }

 private:
  int& currentItem_;
  UpDownControl* upDown_ = nullptr;
};
