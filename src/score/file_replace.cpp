#include "score/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace {

// The text of errno, thread-safe unlike strerror (batches write on every core).
std::string systemReason() { return std::generic_category().message(errno); }

bool fail(const std::string& message, std::string* error, std::string* reason) {
  if (reason != nullptr) *reason = systemReason();
  *error = message;
  return false;
}

}  // namespace

bool replaceFileContents(const std::string& path, const void* data, size_t size, std::string* error,
                         std::string* reason) {
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return fail("Unable to create file " + path, error, reason);
  bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  // fclose flushes the buffer, so its failure is a write failure too.
  written = (std::fclose(file) == 0) && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    fail("Unable to write file " + path, error, reason);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}
