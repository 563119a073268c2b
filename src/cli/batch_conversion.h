// Converting many pages in one run: into an output folder, on several
// workers at once, or gathered into one PDF.
#pragma once

#include <ostream>

#include "cli/command_line.h"

// True when -o writes a folder of outputs or a PDF of several pages.
bool isBatchConversion(const CommandLine& line);

// Converts every page of line.files (folders walked) as -o says, reporting
// progress and failures on err. Returns the exit status: 0 when every page
// was converted, 130 when interrupted, else 1.
int convertBatch(const CommandLine& line, std::ostream& err);
