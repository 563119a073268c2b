#include "shell/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

bool holdsLibraries(const fs::path& directory) {
  std::error_code error;
  return fs::is_regular_file(directory / "libra.drw", error);
}

// Where an installed program finds its data when it was moved after
// installation: <prefix>/bin/melibron beside <prefix>/share/melibron/lib.
fs::path besideExecutable() {
  std::error_code error;
  fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path().parent_path() / "share" / "melibron" / "lib";
}

std::string homeDirectory() {
  std::string home = environment("HOME");
  if (!home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : ".";
}

}  // namespace

std::string libraryDirectory(const std::string& libOption) {
  if (!libOption.empty()) return libOption;
  std::string fromEnvironment = environment("MELIBRON_LIB");
  if (!fromEnvironment.empty()) return fromEnvironment;
  if (holdsLibraries(MELIBRON_BUILD_LIB_DIR)) return MELIBRON_BUILD_LIB_DIR;
  if (holdsLibraries(MELIBRON_INSTALL_LIB_DIR)) return MELIBRON_INSTALL_LIB_DIR;
  fs::path relocated = besideExecutable();
  if (!relocated.empty() && holdsLibraries(relocated)) return relocated.string();
  // Nothing found: name the installed place in the message the loader gives.
  return MELIBRON_INSTALL_LIB_DIR;
}

std::string scoreDirectory() {
  fs::path directory = environment("MELIBRON_SCORE_DIR");
  if (directory.empty()) {
    // XDG says relative data homes are to be ignored.
    fs::path dataHome = environment("XDG_DATA_HOME");
    if (dataHome.empty() || dataHome.is_relative()) {
      dataHome = fs::path(homeDirectory()) / ".local" / "share";
    }
    directory = dataHome / "melibron";
  }
  std::error_code error;
  fs::create_directories(directory, error);  // a failure shows when a file is opened there
  return directory.string();
}

std::string settingsFilePath() { return (fs::path(scoreDirectory()) / "melibron.ini").string(); }

std::string handOverFilePath() { return (fs::path(scoreDirectory()) / "tempfile.mus").string(); }

std::string windowGeometryFilePath() {
  return (fs::path(scoreDirectory()) / "window-geometry").string();
}
