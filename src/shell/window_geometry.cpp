#include "shell/window_geometry.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "shell/save_file.h"

namespace {

// A geometry record is some tens of bytes; anything much larger is not ours.
constexpr qint64 kMaxGeometryFileSize = 4096;

}  // namespace

void setDefaultNormalGeometry(QWidget& window) {
  QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  QSize size = available.size() * 2 / 3;
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
}

bool saveWindowGeometry(const QWidget& window, const std::string& path) {
  std::string ignored;
  return saveBytes(path, window.saveGeometry().toBase64() + '\n', &ignored);
}

bool restoreWindowGeometry(QWidget& window, const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray text = file.read(kMaxGeometryFileSize).trimmed();
  return window.restoreGeometry(QByteArray::fromBase64(text));
}
