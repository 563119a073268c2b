#include "shell/save_file.h"

#include "score/file_replace.h"

bool saveBytes(const std::string& path, const QByteArray& bytes, std::string* error) {
  std::string message;
  return replaceFileContents(path, bytes.constData(), static_cast<size_t>(bytes.size()), &message,
                             error);
}
