#include "shell/drawing_mode_file.h"

#include "score/whole_file.h"
#include "shell/save_file.h"

namespace {

constexpr char kBasicWord[] = "basic";
constexpr char kCompleteWord[] = "complete";
// The file holds one word; more is not ours to read.
constexpr size_t kMaxFileSize = 64;

}  // namespace

DrawingMode readDrawingMode(const std::string& path) {
  std::vector<uint8_t> bytes;
  readWholeFile(path, kMaxFileSize, &bytes);
  QByteArray text(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<qsizetype>(bytes.size()));
  return text.trimmed() == kBasicWord ? DrawingMode::kBasic : DrawingMode::kComplete;
}

bool writeDrawingMode(const std::string& path, DrawingMode mode, std::string* error) {
  QByteArray word(mode == DrawingMode::kBasic ? kBasicWord : kCompleteWord);
  return saveBytes(path, word + '\n', error);
}
