#include "shell/dialog_controls.h"

#include <charconv>
#include <string>

void setControlId(QWidget* widget, int id) {
  widget->setObjectName(QStringLiteral("id%1").arg(id));
}

uint32_t unsignedFieldValue(const QString& text) {
  bool ok = false;
  uint32_t value = text.trimmed().toUInt(&ok, 10);
  return ok && !text.trimmed().startsWith(u'+') ? value : 0;
}

double numberFieldValue(const QString& text) {
  // std::from_chars ignores the locale that Qt installs, unlike strtod.
  std::string bytes = text.trimmed().toStdString();
  const char* first = bytes.data();
  const char* last = first + bytes.size();
  bool negative = false;
  if (first != last && (*first == '+' || *first == '-')) {
    negative = *first == '-';
    ++first;
  }
  if (first != last && (*first == '+' || *first == '-')) return 0.0;
  double value = 0.0;
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end == first) return 0.0;
  return negative ? -value : value;
}
