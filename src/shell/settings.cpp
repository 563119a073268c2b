#include "shell/settings.h"

#include <sstream>

#include "score/file_replace.h"
#include "score/whole_file.h"
#include "shell/interaction.h"

std::array<std::string, kUtilityCount> utilityPaths;
std::array<std::string, kUtilityCount> utilityOptions;

namespace {

// A settings file we write is at most ten lines of 255 bytes. Reading no
// more than this keeps a huge file, or an endless one such as /dev/zero,
// from taking memory and time without bound.
constexpr size_t kMaxSettingsFileSize = 64 * 1024;

Message settingsMessage(const std::string& text) {
  return Message{text, "MELIBRON", MessageIcon::kExclamation};
}

// One line without its line end (a CR of a file edited elsewhere goes too),
// cut to the longest value a field holds.
std::string readValue(std::istream& in) {
  std::string line;
  std::getline(in, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > static_cast<size_t>(kMaxSettingLength)) line.resize(kMaxSettingLength);
  return line;
}

}  // namespace

void readSettings(const std::string& path, MessageSink& messages) {
  std::vector<uint8_t> bytes;
  if (readWholeFile(path, kMaxSettingsFileSize, &bytes) == FileReadResult::kCannotOpen) {
    messages.showMessage(settingsMessage("Unable to open user-defined settings file:\n" + path +
                                         "\n- using default values instead."));
    return;
  }
  std::istringstream lines(std::string(bytes.begin(), bytes.end()));
  for (std::string& value : utilityPaths) value = readValue(lines);
  for (std::string& value : utilityOptions) value = readValue(lines);
}

void writeSettings(const std::string& path, MessageSink& messages) {
  std::string text;
  for (const std::string& value : utilityPaths) text += value + "\n";
  for (const std::string& value : utilityOptions) text += value + "\n";
  std::string ignored;
  if (!replaceFileContents(path, text.data(), text.size(), &ignored)) {
    messages.showMessage(
        settingsMessage("Unable to save user-defined settings file:\n" + path +
                        "\nWhen MELIBRON is run again, default values will be used."));
  }
}
