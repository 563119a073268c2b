// Writing the loaded score to an -o output in any format.
#pragma once

#include <string>

#include "cli/command_line.h"
#include "score/document.h"

// True for the formats drawn from the symbol libraries (not PMX or .mus).
bool isPageFormat(OutputFormat format);

// Writes the document to path. Returns false with *error set to the
// reason when it cannot be written; then nothing is left at path.
bool writeConversion(const std::string& path, const Document& document, OutputFormat format,
                     const PageOptions& page, std::string* error);
