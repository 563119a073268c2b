#include "shell/save_file.h"

#include <QString>

bool openForSaving(QSaveFile& file, std::string* error) {
  if (file.open(QIODevice::WriteOnly)) return true;
  *error = file.errorString().toStdString();
  return false;
}

bool finishSaving(QSaveFile& file, std::string* error) {
  if (file.commit()) return true;
  *error = file.errorString().toStdString();
  return false;
}

bool saveBytes(const std::string& path, const QByteArray& bytes, std::string* error) {
  QSaveFile file(QString::fromStdString(path));
  if (!openForSaving(file, error)) return false;
  file.write(bytes);
  return finishSaving(file, error);
}
