#include "shell/drawing_mode_file.h"

#include <QFile>

#include "shell/save_file.h"

namespace {

constexpr char kBasicWord[] = "basic";
constexpr char kCompleteWord[] = "complete";
// The file holds one word; more is not ours to read.
constexpr qint64 kMaxFileSize = 64;

}  // namespace

DrawingMode readDrawingMode(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return DrawingMode::kComplete;
  return file.read(kMaxFileSize).trimmed() == kBasicWord ? DrawingMode::kBasic : DrawingMode::kComplete;
}

bool writeDrawingMode(const std::string& path, DrawingMode mode, std::string* error) {
  QByteArray word(mode == DrawingMode::kBasic ? kBasicWord : kCompleteWord);
  return saveBytes(path, word + '\n', error);
}
