#include "shell/up_down_control.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialog_controls.h"

UpDownControl::UpDownControl(QWidget* parent, QLineEdit* buddy, int lower, int upper, int position)
    : QWidget(parent), buddy_(buddy), lower_(lower), upper_(upper), position_(position) {
  auto* up = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setArrowType(Qt::DownArrow);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up);
  layout->addWidget(down);
  connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
  connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDownControl::stepBy(int delta) {
  // The user may have typed into the buddy since the last step.
  int64_t typed = unsignedFieldValue(buddy_->text());
  if (typed >= lower_ && typed <= upper_) position_ = static_cast<int>(typed);
  position_ = std::clamp(position_ + delta, lower_, std::max(lower_, upper_));
  buddy_->setText(QString::number(position_));
  if (onThumbPosition) onThumbPosition(position_);
}
