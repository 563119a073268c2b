// A pair of arrow buttons that steps an integer shown in a buddy field, in
// the manner of the platform's up-down control with a buddy integer.
#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;

class UpDownControl : public QWidget {
 public:
  // Steps the integer in buddy between lower and upper, starting at position.
  UpDownControl(QWidget* parent, QLineEdit* buddy, int lower, int upper, int position);

  int lower() const { return lower_; }
  int upper() const { return upper_; }
  int position() const { return position_; }

  // Moves by delta from the buddy's value (or the last position when the
  // buddy holds no number in range), clamped to the range; writes the new
  // position into the buddy and reports it as a thumb-position request.
  void stepBy(int delta);

  // Receives the position after every step.
  std::function<void(int)> onThumbPosition;

 private:
  QLineEdit* buddy_;
  int lower_;
  int upper_;
  int position_;
};
