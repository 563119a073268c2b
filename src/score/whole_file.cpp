#include "score/whole_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

constexpr size_t kChunkSize = 64 * 1024;

}  // namespace

FileReadResult readWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>* bytes) {
  bytes->clear();
  std::error_code ignored;
  // A directory opens for reading on some systems and then fails to read.
  std::FILE* file =
      std::filesystem::is_directory(path, ignored) ? nullptr : std::fopen(path.c_str(), "rb");
  if (file == nullptr) return FileReadResult::kCannotOpen;
  uintmax_t size = std::filesystem::file_size(path, ignored);
  if (!ignored) bytes->reserve(static_cast<size_t>(std::min<uintmax_t>(size, limit)));
  // One byte past the limit tells a file that is too large from one that fits.
  uint8_t chunk[kChunkSize];
  while (bytes->size() <= limit) {
    size_t wanted = std::min(kChunkSize, limit + 1 - bytes->size());
    size_t got = std::fread(chunk, 1, wanted, file);
    bytes->insert(bytes->end(), chunk, chunk + got);
    if (got < wanted) break;
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    bytes->clear();
    return FileReadResult::kCannotRead;
  }
  if (bytes->size() > limit) {
    bytes->resize(limit);
    return FileReadResult::kTooLarge;
  }
  return FileReadResult::kRead;
}
