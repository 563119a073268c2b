// The command line: the window, or one of the commands that run without it
// (--info, --text, -o conversions, --thumbnail, --symbols, --help, --version).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/page_export.h"

enum class CommandAction { kWindow, kInfo, kText, kConvert, kThumbnail, kSymbols, kHelp, kVersion };

enum class OutputFormat { kPmx, kMus, kPng, kSvg, kPdf, kOps };

struct CommandLine {
  CommandAction action = CommandAction::kWindow;
  // The score files in order: one for the window (or none), --info and
  // --text; for
  // -o one, or several and folders when the output is a folder or a PDF.
  std::vector<std::string> files;
  std::string output;                        // target of -o, --thumbnail or --symbols
  OutputFormat format = OutputFormat::kPng;  // of -o: --format, else the output's extension
  std::string formatOption;                  // --format, empty when not given
  int thumbnailSize = 0;                     // --thumbnail's SIZE
  std::string libOption;                     // --lib, empty when not given
  PageOptions page;                          // --dpi, --zoom, --antialias, --basic
  int jobs = 0;                              // -j, pages converted at once; 0: one per core
  bool recursive = false;                    // --recursive: folders' subfolders too
  bool quiet = false;                        // --quiet: no progress, failures or summary
};

// Parses the arguments after the program name. Returns false with *error set
// to a one-line message (without the "melibron: " prefix) for an unknown
// option, a missing or extra argument, a bad number or an unknown extension.
bool parseCommandLine(const std::vector<std::string>& args, CommandLine* line, std::string* error);

// parseCommandLine over a program's argv; an error is written to err as a
// "melibron: ..." line. What both programs' main does first.
bool parseProgramArguments(int argc, char** argv, CommandLine* line, std::ostream& err);

// Carries out every action but the window, writing results to out and a
// one-line "melibron: ..." message to err on failure. Returns the exit
// status: 0 on success, 1 otherwise.
int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

// parseCommandLine then runCommand; what main does when no window is wanted.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The --help text, every line ended by "\n".
std::string helpText();
