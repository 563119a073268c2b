#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "cli/output_names.h"
#include "cli/thumbnail.h"
#include "score/score_input.h"

namespace {

constexpr int kMinDpi = 10;
constexpr int kMaxDpi = 2400;
constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 16.0;
constexpr int kMaxJobs = 256;

constexpr std::array<std::pair<const char*, OutputFormat>, 6> kExtensions = {{
    {".pmx", OutputFormat::kPmx},
    {".mus", OutputFormat::kMus},
    {".png", OutputFormat::kPng},
    {".svg", OutputFormat::kSvg},
    {".pdf", OutputFormat::kPdf},
    {".ops", OutputFormat::kOps},
}};

bool parseDpi(const std::string& text, int* dpi, std::string* error) {
  int value = 0;
  auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc() || end != text.data() + text.size() || text.empty() ||
      value < kMinDpi || value > kMaxDpi) {
    *error = "--dpi needs a whole number from 10 to 2400, not '" + text + "'";
    return false;
  }
  *dpi = value;
  return true;
}

bool parseZoom(const std::string& text, double* zoom, std::string* error) {
  double value = 0;
  auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc() || end != text.data() + text.size() || text.empty() ||
      !std::isfinite(value) || value < kMinZoom || value > kMaxZoom) {
    *error = "--zoom needs a number from 0.05 to 16, not '" + text + "'";
    return false;
  }
  *zoom = value;
  return true;
}

bool parseThumbnailSize(const std::string& text, int* size, std::string* error) {
  int value = 0;
  auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc() || end != text.data() + text.size() || text.empty() ||
      value < kMinThumbnailSize || value > kMaxThumbnailSize) {
    *error = "--thumbnail needs a size from " + std::to_string(kMinThumbnailSize) + " to " +
             std::to_string(kMaxThumbnailSize) + " pixels, not '" + text + "'";
    return false;
  }
  *size = value;
  return true;
}

bool parseJobs(const std::string& text, int* jobs, std::string* error) {
  int value = 0;
  auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc() || end != text.data() + text.size() || text.empty() || value < 1 ||
      value > kMaxJobs) {
    *error = "-j needs a whole number from 1 to 256, not '" + text + "'";
    return false;
  }
  *jobs = value;
  return true;
}

bool formatOfName(const std::string& name, OutputFormat* format, std::string* error) {
  for (const auto& [extension, value] : kExtensions) {
    if (name == extension + 1) {
      *format = value;
      return true;
    }
  }
  *error = "--format needs png, svg, pdf, ops, pmx or mus, not '" + name + "'";
  return false;
}

bool formatOfPath(const std::string& path, OutputFormat* format, std::string* error) {
  std::string extension = lowerCaseExtension(path);
  for (const auto& [name, value] : kExtensions) {
    if (extension == name) {
      *format = value;
      return true;
    }
  }
  *error =
      "cannot tell the output type of '" + path + "' (use .png, .svg, .pdf, .ops, .pmx or .mus)";
  return false;
}

// Walks the arguments, handing out option values in both the "--dpi 96" and
// the "--dpi=96" form.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

  bool atEnd() const { return next_ >= args_.size(); }

  // The next argument, split into option name and inline value at '='
  // ("-j4" is split too, as make users type it).
  std::string take() {
    std::string argument = args_[next_++];
    inlineValue_.reset();
    if (argument.size() > 2 && argument.rfind("-j", 0) == 0) {
      inlineValue_ = argument.substr(2);
      argument.resize(2);
    } else if (argument.rfind("--", 0) == 0) {
      size_t equals = argument.find('=');
      if (equals != std::string::npos) {
        inlineValue_ = argument.substr(equals + 1);
        argument.resize(equals);
      }
    }
    return argument;
  }

  bool hasInlineValue() const { return inlineValue_.has_value(); }

  bool value(const std::string& option, std::string* value, std::string* error) {
    if (inlineValue_) {
      *value = *inlineValue_;
      return true;
    }
    if (atEnd()) {
      *error = "option " + option + " needs a value";
      return false;
    }
    *value = args_[next_++];
    return true;
  }

  // The next argument as it is, for an option followed by several; an
  // option there means one is missing.
  bool operand(std::string* value) {
    if (atEnd() || args_[next_].rfind("--", 0) == 0) return false;
    *value = args_[next_++];
    return true;
  }

 private:
  const std::vector<std::string>& args_;
  size_t next_ = 0;
  std::optional<std::string> inlineValue_;
};

bool setAction(CommandLine* line, CommandAction action, std::string* error) {
  if (line->action != CommandAction::kWindow && line->action != action) {
    *error = "--info, --text, -o, --thumbnail and --symbols cannot be combined";
    return false;
  }
  line->action = action;
  return true;
}

constexpr std::array<const char*, 8> kFlags = {"--info",      "--text", "--antialias", "--basic",
                                               "--recursive", "-r",     "--quiet",     "-q"};

bool isFlag(const std::string& option) {
  return std::find(kFlags.begin(), kFlags.end(), option) != kFlags.end();
}

bool takeFlag(const std::string& option, CommandLine* line, std::string* error) {
  if (option == "--info") return setAction(line, CommandAction::kInfo, error);
  if (option == "--text") return setAction(line, CommandAction::kText, error);
  if (option == "--antialias") line->page.antialias = true;
  if (option == "--basic") line->page.drawingMode = DrawingMode::kBasic;
  if (option == "--recursive" || option == "-r") line->recursive = true;
  if (option == "--quiet" || option == "-q") line->quiet = true;
  return true;
}

bool takeOption(ArgumentReader& reader, const std::string& option, CommandLine* line,
                std::string* error) {
  std::string value;
  if (isFlag(option)) {
    if (reader.hasInlineValue()) {
      *error = "option " + option + " takes no value";
      return false;
    }
    return takeFlag(option, line, error);
  }
  if (option == "-o" || option == "--output") {
    return reader.value(option, &line->output, error) &&
           setAction(line, CommandAction::kConvert, error);
  }
  if (option == "--thumbnail") {
    if (!reader.value(option, &value, error) ||
        !parseThumbnailSize(value, &line->thumbnailSize, error)) {
      return false;
    }
    std::string input;
    if (!reader.operand(&input) || !reader.operand(&line->output)) {
      *error = "--thumbnail needs a size, a score file and an output file";
      return false;
    }
    line->format = OutputFormat::kPng;  // whatever the name the file manager chose
    line->files.push_back(input);
    return setAction(line, CommandAction::kThumbnail, error);
  }
  if (option == "--symbols") {
    return reader.value(option, &line->output, error) &&
           setAction(line, CommandAction::kSymbols, error);
  }
  if (option == "--lib") return reader.value(option, &line->libOption, error);
  if (option == "--dpi") {
    return reader.value(option, &value, error) && parseDpi(value, &line->page.pixelsPerInch, error);
  }
  if (option == "--zoom") {
    return reader.value(option, &value, error) && parseZoom(value, &line->page.zoom, error);
  }
  if (option == "--format") return reader.value(option, &line->formatOption, error);
  if (option == "-j" || option == "--jobs") {
    return reader.value(option, &value, error) && parseJobs(value, &line->jobs, error);
  }
  *error = "unknown option '" + option + "' (see melibron --help)";
  return false;
}

// An output folder takes any number of pages and folders, in --format (PNG
// by default); a .pdf file takes them as its pages; any other file one page.
bool checkConversion(CommandLine* line, std::string* error) {
  OutputFormat chosen = OutputFormat::kPng;
  bool formatGiven = !line->formatOption.empty();
  if (formatGiven && !formatOfName(line->formatOption, &chosen, error)) return false;
  if (isFolderOutput(line->output)) {
    line->format = chosen;
    return true;
  }
  if (!formatOfPath(line->output, &line->format, error)) return false;
  if (formatGiven && chosen != line->format) {
    *error = "--format " + line->formatOption + " does not match the output '" + line->output + "'";
    return false;
  }
  if (namesSeveralPages(line->files) && line->format != OutputFormat::kPdf) {
    *error = "several pages need an output folder (ending in /) or a .pdf file, not '" +
             line->output + "'";
    return false;
  }
  return true;
}

// What each action needs besides its options.
bool checkArguments(CommandLine* line, std::string* error) {
  if (line->action != CommandAction::kConvert && line->files.size() > 1) {
    *error = "more than one file given ('" + line->files[0] + "' and '" + line->files[1] + "')";
    return false;
  }
  switch (line->action) {
    case CommandAction::kInfo:
    case CommandAction::kText:
    case CommandAction::kConvert:
      if (line->files.empty()) {
        *error = "missing file argument";
        return false;
      }
      return line->action != CommandAction::kConvert || checkConversion(line, error);
    case CommandAction::kSymbols:
      if (!line->files.empty()) {
        *error = "--symbols takes no score file";
        return false;
      }
      if (!formatOfPath(line->output, &line->format, error)) return false;
      if (line->format != OutputFormat::kPng) {
        *error = "--symbols writes a .png image";
        return false;
      }
      return true;
    default: return true;
  }
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& args, CommandLine* line, std::string* error) {
  *line = CommandLine();
  ArgumentReader reader(args);
  bool optionsEnded = false;
  while (!reader.atEnd()) {
    std::string argument = reader.take();
    if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
      line->files.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      line->action = CommandAction::kHelp;
      return true;
    } else if (argument == "--version") {
      line->action = CommandAction::kVersion;
      return true;
    } else if (!takeOption(reader, argument, line, error)) {
      return false;
    }
  }
  return checkArguments(line, error);
}

std::string helpText() {
  return "Usage:\n"
         "  melibron [--lib DIR] [FILE]      open the window, showing FILE when given\n"
         "  melibron --info FILE             print the File Info values of FILE\n"
         "  melibron --text FILE             print every text and number item of FILE, one a\n"
         "                                   line: item, staff, x, y, font and the text, tab\n"
         "                                   separated\n"
         "  melibron -o OUT.pmx FILE         write the Save As PMX listing\n"
         "  melibron -o OUT.mus FILE         write the items as a hand-over .mus file\n"
         "  melibron -o OUT.png|OUT.svg|OUT.pdf|OUT.ops [PAGE OPTIONS] FILE\n"
         "                                   draw the page (.ops: its list of drawing calls)\n"
         "  melibron --thumbnail SIZE FILE OUT.png\n"
         "                                   draw the top of the page, SIZE x SIZE pixels\n"
         "  melibron -o OUTDIR/ [--format png|svg|pdf|ops|pmx|mus] [-j N] [--recursive]\n"
         "           [--quiet] [PAGE OPTIONS] FILE|FOLDER...\n"
         "                                   convert many pages, each to OUTDIR/NAME.FORMAT\n"
         "  melibron -o BOOK.pdf [PAGE OPTIONS] FILE|FOLDER...\n"
         "                                   one PDF with a page per FILE, in the order given\n"
         "  melibron --symbols OUT.png [--lib DIR]\n"
         "                                   draw the 200 library symbols with their numbers\n"
         "  melibron --help | --version\n"
         "--info, --text and -o read FILE as a SCORE .mus page or a PMX listing.\n"
         "Page options:\n"
         "  --dpi N      pixels per inch of PNG and .ops pages, 10 to 2400 (default 96);\n"
         "               PDF and SVG pages are drawn at 2400\n"
         "  --zoom Z     zoom factor, 0.05 to 16 (default 1)\n"
         "  --antialias  smooth edges in PNG images (SVG and PDF viewers smooth their own)\n"
         "  --basic      draw only what the first versions drew (the page as SCORE prints\n"
         "               it is the default)\n"
         "  --lib DIR    directory of the twenty .drw symbol libraries\n"
         "Many pages: a FOLDER gives its .mus and .pmx files in name order (--recursive:\n"
         "with its subfolders'); -j N converts N pages at once (default: one per core);\n"
         "a failed page is reported and the others converted; --quiet says nothing.\n"
         "Environment: MELIBRON_LIB (symbol libraries), MELIBRON_SCORE_DIR (settings and\n"
         "hand-over file; default $XDG_DATA_HOME/melibron).\n"
         "Every option, the files and the exit status: man melibron\n";
}

bool parseProgramArguments(int argc, char** argv, CommandLine* line, std::ostream& err) {
  std::string error;
  if (parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), line, &error)) return true;
  err << "melibron: " << error << "\n";
  return false;
}
