#include "cli/page_conversion.h"

#include "cli/page_export.h"
#include "score/file_replace.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"

namespace {

PageFormat pageFormat(OutputFormat format) {
  switch (format) {
    case OutputFormat::kSvg: return PageFormat::kSvg;
    case OutputFormat::kPdf: return PageFormat::kPdf;
    case OutputFormat::kOps: return PageFormat::kOps;
    default: return PageFormat::kPng;
  }
}

}  // namespace

bool isPageFormat(OutputFormat format) {
  return format != OutputFormat::kPmx && format != OutputFormat::kMus;
}

bool writeConversion(const std::string& path, const Document& document, OutputFormat format,
                     const PageOptions& page, std::string* error) {
  switch (format) {
    case OutputFormat::kPmx: {
      std::string listing = pmxListing(document);
      std::string message;
      return replaceFileContents(path, listing.data(), listing.size(), &message, error);
    }
    case OutputFormat::kMus: return writeMusFile(path, document, error);
    default: return exportPage(path, pageFormat(format), document, page, error);
  }
}
