// Entry point of melibron: the commands it draws without Qt, else the
// window program, which also draws what only Qt draws (PDF, the symbol
// chart), in its place.
#include <iostream>

#include "cli/command_line.h"
#include "cli/heap_reserve.h"
#include "cli/qt_conversions.h"
#include "cli/window_launch.h"

int main(int argc, char** argv) {
  CommandLine line;
  if (!parseProgramArguments(argc, argv, &line, std::cerr)) return 1;
  if (line.action == CommandAction::kWindow || needsQtProgram(line)) {
    return startWindowProgram(argv, std::cerr);
  }
  reserveHeap(expectedHeapBytes(line));
  return runCommand(line, std::cout, std::cerr);
}
