#include "cli/qt_conversions.h"

namespace {

QtConversions provided;

}  // namespace

void provideQtConversions(const QtConversions& conversions) { provided = conversions; }

const QtConversions& qtConversions() { return provided; }

bool needsQtProgram(const CommandLine& line) {
  return line.action == CommandAction::kSymbols ||
         (line.action == CommandAction::kConvert && line.format == OutputFormat::kPdf);
}
