#include "cli/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
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

fs::path executablePath() {
  std::error_code error;
  fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : executable;
}

// The build's libraries serve the programs of that build, not a copy
// installed or packaged from it.
bool runsFromBuildTree(const fs::path& executable) {
  std::error_code error;
  fs::path build = fs::weakly_canonical(fs::path(MELIBRON_BUILD_LIB_DIR).parent_path(), error);
  if (error || executable.empty()) return false;
  auto [inBuild, inExecutable] =
      std::mismatch(build.begin(), build.end(), executable.begin(), executable.end());
  return inBuild == build.end();
}

// Where an installed program finds its data, also when it was moved after
// installation: <prefix>/share/melibron/lib, for <prefix>/bin/melibron and
// <prefix>/libexec/melibron/melibron-window alike.
fs::path besideExecutable(const fs::path& executable) {
  const fs::path data = fs::path("share") / "melibron" / "lib";
  fs::path prefix = executable.parent_path().parent_path();
  for (int level = 0; level < 2 && !executable.empty(); ++level, prefix = prefix.parent_path()) {
    if (holdsLibraries(prefix / data)) return prefix / data;
  }
  return {};
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
  fs::path executable = executablePath();
  if (runsFromBuildTree(executable) && holdsLibraries(MELIBRON_BUILD_LIB_DIR)) {
    return MELIBRON_BUILD_LIB_DIR;
  }
  fs::path beside = besideExecutable(executable);
  if (!beside.empty()) return beside.string();
  if (holdsLibraries(MELIBRON_INSTALL_LIB_DIR)) return MELIBRON_INSTALL_LIB_DIR;
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

std::string recentFilesFilePath() { return (fs::path(scoreDirectory()) / "recent-files").string(); }

std::string drawingModeFilePath() { return (fs::path(scoreDirectory()) / "drawing-mode").string(); }
