#include "score/score_input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "score/mus_file.h"
#include "score/pmx_reader.h"

namespace {

// Binary files show a NUL byte early; text listings never hold one.
constexpr std::streamsize kSniffSize = 4096;
constexpr std::array<char, 4> kEndMarkBytes = {0x00, 0x3C, 0x1C, static_cast<char>(0xC6)};

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
  ScoreInputType byExtension =
      lowerCaseExtension(path) == ".pmx" ? ScoreInputType::kPmx : ScoreInputType::kMus;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
  if (size <= 0) return byExtension;
  if (size >= 4) {
    std::array<char, 4> tail{};
    file.seekg(size - 4);
    if (file.read(tail.data(), 4) && tail == kEndMarkBytes) return ScoreInputType::kMus;
  }
  std::string head(static_cast<size_t>(std::min<std::streamoff>(size, kSniffSize)), '\0');
  file.clear();
  file.seekg(0);
  if (!file.read(head.data(), static_cast<std::streamsize>(head.size()))) return byExtension;
  return head.find('\0') == std::string::npos ? ScoreInputType::kPmx : byExtension;
}

bool openScore(const std::string& path, Document& document, std::string* error) {
  std::error_code status;
  // Opening a directory can succeed here; refuse it before a reader sees it.
  if (std::filesystem::is_directory(path, status)) {
    *error = path + ": is a directory";
    return false;
  }
  bool loaded = scoreInputType(path) == ScoreInputType::kPmx
                    ? readPmxFile(path, document, error)
                    : readMusFile(path, document, error);
  if (!loaded) *error = messageAboutFile(path, withRealFileName(*error, path));
  return loaded;
}
