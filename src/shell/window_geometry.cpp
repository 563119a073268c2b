#include "shell/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "score/whole_file.h"
#include "shell/save_file.h"

namespace {

// A geometry record is some tens of bytes; anything much larger is not ours.
constexpr size_t kMaxGeometryFileSize = 4096;

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
  std::vector<uint8_t> bytes;
  if (readWholeFile(path, kMaxGeometryFileSize, &bytes) == FileReadResult::kCannotOpen) {
    return false;
  }
  QByteArray text =
      QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()))
          .trimmed();
  return window.restoreGeometry(QByteArray::fromBase64(text));
}
