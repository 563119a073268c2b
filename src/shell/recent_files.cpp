#include "shell/recent_files.h"

#include <QByteArray>
#include <algorithm>

#include "score/whole_file.h"
#include "shell/save_file.h"

namespace {

// Ten paths of a few hundred bytes; reading no more keeps a huge or endless
// file from taking memory.
constexpr size_t kMaxRecentFileSize = 64 * 1024;

}  // namespace

std::vector<std::string> readRecentFiles(const std::string& path) {
  std::vector<uint8_t> bytes;
  readWholeFile(path, kMaxRecentFileSize, &bytes);
  std::string text(bytes.begin(), bytes.end());
  std::vector<std::string> files;
  size_t start = 0;
  while (start < text.size() && files.size() < kMaxRecentFiles) {
    size_t end = std::min(text.find('\n', start), text.size());
    std::string line = text.substr(start, end - start);
    if (!line.empty()) files.push_back(line);
    start = end + 1;
  }
  return files;
}

bool writeRecentFiles(const std::string& path, const std::vector<std::string>& files) {
  QByteArray text;
  for (const std::string& file : files) text += QByteArray::fromStdString(file) + '\n';
  std::string ignored;
  return saveBytes(path, text, &ignored);
}

std::vector<std::string> withRecentFile(const std::vector<std::string>& files,
                                        const std::string& file) {
  std::vector<std::string> result{file};
  for (const std::string& other : files) {
    if (other != file && result.size() < kMaxRecentFiles) result.push_back(other);
  }
  return result;
}
