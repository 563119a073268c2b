#include "score/score_input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

#include "score/mus_file.h"
#include "score/pmx_reader.h"

namespace {

// Binary files show a NUL byte early; text listings never hold one.
constexpr size_t kSniffSize = 4096;
constexpr std::array<uint8_t, 4> kEndMarkBytes = {0x00, 0x3C, 0x1C, 0xC6};

ScoreInputType inputTypeByExtension(const std::string& path) {
  return lowerCaseExtension(path) == ".pmx" ? ScoreInputType::kPmx : ScoreInputType::kMus;
}

// The type shown by what readWholeFile gave for path.
ScoreInputType inputTypeOf(FileReadResult read, const std::vector<uint8_t>& bytes,
                           const std::string& path) {
  bool endMark = read == FileReadResult::kRead && bytes.size() >= 4 &&
                 std::equal(kEndMarkBytes.begin(), kEndMarkBytes.end(), bytes.end() - 4);
  if (endMark) return ScoreInputType::kMus;
  if (bytes.empty()) return inputTypeByExtension(path);
  auto sniffed = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), kSniffSize));
  return std::find(bytes.begin(), sniffed, 0) == sniffed ? ScoreInputType::kPmx
                                                         : inputTypeByExtension(path);
}

}  // namespace

std::string withRealFileName(std::string message, const std::string& path) {
  size_t at = message.find(kMessageFileName);
  if (at != std::string::npos) message.replace(at, std::string(kMessageFileName).size(), path);
  return message;
}

std::string lowerCaseExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return extension;
}

std::string messageAboutFile(const std::string& path, const std::string& message) {
  return message.find(path) != std::string::npos ? message : path + ": " + message;
}

ScoreInputType scoreInputType(const std::string& path) {
  std::vector<uint8_t> bytes;
  FileReadResult read = readWholeFile(path, kMaxListingSize, &bytes);
  return inputTypeOf(read, bytes, path);
}

bool openScore(const std::string& path, Document& document, std::string* error) {
  std::error_code status;
  // Opening a directory can succeed here; refuse it before a reader sees it.
  if (std::filesystem::is_directory(path, status)) {
    *error = path + ": is a directory";
    return false;
  }
  // Read once, at the larger of the two readers' limits; the page reader
  // then refuses what is too large for a page.
  std::vector<uint8_t> bytes;
  FileReadResult read = readWholeFile(path, kMaxListingSize, &bytes);
  bool loaded = inputTypeOf(read, bytes, path) == ScoreInputType::kPmx
                    ? readPmxFileBytes(read, bytes, path, document, error)
                    : readMusFileBytes(read, std::move(bytes), document, error);
  if (!loaded) *error = messageAboutFile(path, withRealFileName(*error, path));
  return loaded;
}
