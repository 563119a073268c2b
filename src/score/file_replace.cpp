#include "score/file_replace.h"

#include <cstdio>

bool replaceFileContents(const std::string& path, const void* data, size_t size,
                         std::string* error) {
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    *error = "Unable to create file " + path;
    return false;
  }
  bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  // fclose flushes the buffer, so its failure is a write failure too.
  written = (std::fclose(file) == 0) && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    *error = "Unable to write file " + path;
    return false;
  }
  return true;
}
