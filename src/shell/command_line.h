// The command line: the window, or one of the commands that run without it
// (--info, -o conversions, --thumbnail, --symbols, --help, --version).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "shell/page_export.h"

enum class CommandAction { kWindow, kInfo, kConvert, kThumbnail, kSymbols, kHelp, kVersion };

enum class OutputFormat { kPmx, kMus, kPng, kSvg, kPdf, kOps };

struct CommandLine {
  CommandAction action = CommandAction::kWindow;
  std::string file;                          // the score file; may be empty only for the window
  std::string output;                        // target of -o, --thumbnail or --symbols
  OutputFormat format = OutputFormat::kPng;  // of -o, from the output's extension
  int thumbnailSize = 0;                     // --thumbnail's SIZE
  std::string libOption;                     // --lib, empty when not given
  PageOptions page;                          // --dpi, --zoom, --antialias
};

// Parses the arguments after the program name. Returns false with *error set
// to a one-line message (without the "melibron: " prefix) for an unknown
// option, a missing or extra argument, a bad number or an unknown extension.
bool parseCommandLine(const std::vector<std::string>& args, CommandLine* line, std::string* error);

// True when the action needs a QGuiApplication: text, SVG and PDF output.
// Raster pages are drawn into a QImage without one.
bool needsGuiApplication(const CommandLine& line);

// Carries out every action but the window, writing results to out and a
// one-line "melibron: ..." message to err on failure. Returns the exit
// status: 0 on success, 1 otherwise.
int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

// parseCommandLine then runCommand; what main does when no window is wanted.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The --help text, every line ended by "\n".
std::string helpText();
