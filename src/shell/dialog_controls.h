// Control ids of the dialog resources: every control of a dialog carries its
// resource id, so code and tests reach it as control<QLineEdit>(dialog, 230).
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

// Ids shared by every dialog.
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

// Tags widget with the resource id.
void setControlId(QWidget* widget, int id);

// The child of dialog tagged with id, or null when there is none.
template <class Control>
Control* control(const QWidget* dialog, int id) {
  return dialog->findChild<Control*>(QStringLiteral("id%1").arg(id));
}

// A field read as an unsigned decimal integer: digits only (surrounding
// spaces allowed) that fit 32 bits; anything else reads as 0.
uint32_t unsignedFieldValue(const QString& text);

// A field read as a decimal floating-point number the way the C library's
// text-to-number conversion reads it: leading spaces, an optional sign, the
// longest number prefix; text that is not a number gives 0.
double numberFieldValue(const QString& text);
