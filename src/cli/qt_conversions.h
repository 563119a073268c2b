// The conversions only Qt draws: PDF pages, the PDF book and the symbol
// chart. The Qt program provides them; melibron, which links no Qt, starts
// that program for the commands that need them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/page_export.h"
#include "cli/progress_bar.h"

struct QtConversions {
  // The page laid out in view as a PDF file at path.
  bool (*writePdfPage)(const std::string& path, const Document& document, View& view,
                       const PageOptions& options, std::string* error) = nullptr;
  // As writePdfBook in shell/page_book.h.
  bool (*writePdfBook)(const std::vector<std::string>& inputs, const std::string& path,
                       const PageOptions& options, BatchProgress& progress,
                       const std::function<bool()>& stop, std::string* error) = nullptr;
  // As writeSymbolChart in shell/symbol_chart.h.
  bool (*writeSymbolChart)(const std::string& path, const PageOptions& options,
                           std::string* error) = nullptr;
};

// Hands the conversions over; the Qt program does this before it runs a
// command.
void provideQtConversions(const QtConversions& conversions);

// What was provided; all null in melibron.
const QtConversions& qtConversions();

// True when the command needs them: PDF output, single or many pages, and
// the symbol chart.
bool needsQtProgram(const CommandLine& line);

// The message of a command whose conversion this program cannot draw.
constexpr const char* kNeedsQtProgram = "this conversion needs melibron-window, which draws it";
