// Settings file bytes -> readSettings, then writeSettings and readSettings
// again: whatever was read must survive being written and read back.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_target.h"
#include "shell/interaction.h"
#include "shell/settings.h"

namespace {

class CountingSink : public MessageSink {
 public:
  void showMessage(const Message&) override { ++count; }
  int count = 0;
};

// A private file for this process, made once and removed at exit.
char scratchPath[] = "/tmp/melibron-fuzz-settings-XXXXXX";

void removeScratchFile() { std::remove(scratchPath); }

std::string scratchFile() {
  int fd = mkstemp(scratchPath);
  if (fd < 0) std::abort();
  close(fd);
  std::atexit(removeScratchFile);
  return scratchPath;
}

// The reader drops one CR before the line end, so a value that ends in CRs
// (from a line of several, or cut to its longest length just after one)
// loses them when it is written and read back. No dialog field can hold a
// CR, so the round trip is compared without trailing CRs.
std::string withoutTrailingCr(std::string value) {
  while (!value.empty() && value.back() == '\r') value.pop_back();
  return value;
}

// Every utility's path, then every utility's options.
using AllSettings = std::array<std::string, size_t{2} * kUtilityCount>;

AllSettings allSettings() {
  AllSettings all;
  for (int k = 0; k < kUtilityCount; ++k) {
    all[k] = utilityPaths[k];
    all[kUtilityCount + k] = utilityOptions[k];
  }
  return all;
}

void clearSettings() {
  for (std::string& value : utilityPaths) value.clear();
  for (std::string& value : utilityOptions) value.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = scratchFile();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  clearSettings();
  CountingSink messages;
  readSettings(path, messages);
  if (messages.count != 0) std::abort();  // the file is there: no message
  for (const std::string& value : allSettings()) {
    if (value.size() > static_cast<size_t>(kMaxSettingLength)) std::abort();
  }
  AllSettings read = allSettings();
  for (std::string& value : read) value = withoutTrailingCr(value);
  writeSettings(path, messages);
  clearSettings();
  readSettings(path, messages);
  AllSettings reread = allSettings();
  for (std::string& value : reread) value = withoutTrailingCr(value);
  if (messages.count != 0 || reread != read) std::abort();
  return 0;
}
