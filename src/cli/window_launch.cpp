#include "cli/window_launch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kWindowProgram[] = "melibron-window";

// Beside this program in the build tree, else in the installed libexec
// folder, found relative to this program so a moved installation works.
fs::path windowProgramPath() {
  std::error_code error;
  fs::path directory = fs::read_symlink("/proc/self/exe", error).parent_path();
  fs::path beside = directory / kWindowProgram;
  if (access(beside.c_str(), X_OK) == 0) return beside;
  return (directory / MELIBRON_WINDOW_FROM_BINDIR / kWindowProgram).lexically_normal();
}

}  // namespace

int startWindowProgram(char** argv, std::ostream& err) {
  fs::path program = windowProgramPath();
  // argv[0] stays as the user typed it: Qt names the window's class after it.
  execv(program.c_str(), argv);
  err << "melibron: cannot start the window program " << program.string() << ": "
      << std::strerror(errno) << "\n";
  return 1;
}
