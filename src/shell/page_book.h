// One PDF with a page for each of several scores.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/progress_bar.h"
#include "shell/page_painting.h"

// Reads each input in turn and draws it on the next page of a PDF at path,
// reporting each page to progress. The PDF is written only when every page
// was drawn: a page that cannot be read is reported and the rest are still
// read, so that every bad page is named, but nothing is left at path. Also
// stops, writing nothing, when stop returns true. Returns false with *error
// set when the PDF is not written (empty when that is all progress said).
bool writePdfBook(const std::vector<std::string>& inputs, const std::string& path,
                  const PageOptions& requested, BatchProgress& progress,
                  const std::function<bool()>& stop, std::string* error);
