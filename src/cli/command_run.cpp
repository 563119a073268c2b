// Carrying out the commands that run without the window.
#include "cli/batch_conversion.h"
#include "cli/command_line.h"
#include "cli/file_info.h"
#include "cli/page_conversion.h"
#include "cli/paths.h"
#include "cli/qt_conversions.h"
#include "cli/thumbnail.h"
#include "library/library_table.h"
#include "score/score_input.h"
#include "score/text_items.h"

namespace {

int fail(std::ostream& err, const std::string& message) {
  err << "melibron: " << message << "\n";
  return 1;
}

int convert(const CommandLine& line, std::ostream& err) {
  if (isBatchConversion(line)) return convertBatch(line, err);
  std::string error;
  Document document;
  if (!openScore(line.files.front(), document, &error)) return fail(err, error);
  // Pages are drawn from library symbols; the listings need none.
  if (isPageFormat(line.format) && !loadLibraries(libraryDirectory(line.libOption), &error)) {
    return fail(err, error);
  }
  if (!writeConversion(line.output, document, line.format, line.page, &error)) {
    return fail(err, messageAboutFile(line.output, error));
  }
  return 0;
}

int printInfo(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string error;
  Document document;
  if (!openScore(line.files.front(), document, &error)) return fail(err, error);
  for (auto [label, value] : fileInfoValues(document)) {
    if (!label.empty() && label.back() == ':') label.pop_back();
    out << label << ": " << value << "\n";
  }
  return 0;
}

int printText(const CommandLine& line, std::ostream& out, std::ostream& err) {
  std::string error;
  Document document;
  if (!openScore(line.files.front(), document, &error)) return fail(err, error);
  out << textListing(document);
  return 0;
}

int drawThumbnail(const CommandLine& line, std::ostream& err) {
  std::string error;
  Document document;
  if (!openScore(line.files.front(), document, &error)) return fail(err, error);
  if (!loadLibraries(libraryDirectory(line.libOption), &error)) return fail(err, error);
  if (!exportThumbnail(line.output, document, line.thumbnailSize, line.page.drawingMode, &error)) {
    return fail(err, messageAboutFile(line.output, error));
  }
  return 0;
}

int drawSymbols(const CommandLine& line, std::ostream& err) {
  auto writeSymbolChart = qtConversions().writeSymbolChart;
  if (writeSymbolChart == nullptr) return fail(err, kNeedsQtProgram);
  std::string error;
  if (!loadLibraries(libraryDirectory(line.libOption), &error)) return fail(err, error);
  if (!writeSymbolChart(line.output, line.page, &error)) {
    return fail(err, messageAboutFile(line.output, error));
  }
  return 0;
}

}  // namespace

int runCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  switch (line.action) {
    case CommandAction::kHelp: out << helpText(); return 0;
    case CommandAction::kVersion: out << "melibron " MELIBRON_VERSION "\n"; return 0;
    case CommandAction::kInfo: return printInfo(line, out, err);
    case CommandAction::kText: return printText(line, out, err);
    case CommandAction::kConvert: return convert(line, err);
    case CommandAction::kThumbnail: return drawThumbnail(line, err);
    case CommandAction::kSymbols: return drawSymbols(line, err);
    case CommandAction::kWindow: break;
  }
  return fail(err, "the window cannot be opened from here");
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!parseCommandLine(args, &line, &error)) return fail(err, error);
  return runCommand(line, out, err);
}
