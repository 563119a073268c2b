// fidelity: how closely our drawing of a page matches SCORE's own printout.
// Aligns our page image with SCORE's rasterised EPS by the best whole-pixel
// shift and prints recall and precision of the ink, one-pixel tolerance.
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>

#include "ink_agreement.h"
#include "ink_alignment.h"
#include "ink_png.h"

namespace {

constexpr double kPageWidthInches = 8.5;
// The shift search window at 96 dpi, scaled with the resolution. SCORE's EPS
// places the page by its own margins: tens of pixels from ours across, and
// down the page as much as 225 (chor005).
constexpr SearchWindow kWindowAt96Dpi{80, 320};

const char kUsage[] =
    "usage: fidelity [--overlay OUT.png] [--window X,Y] [--melibron PROGRAM] OURS SCORE.png\n"
    "  OURS       our page image (.png), or a page file that PROGRAM renders\n"
    "             with -o PAGE.png --dpi N at SCORE.png's resolution\n"
    "  SCORE.png  SCORE's EPS rasterised on a whole 8.5 x 11 inch page (ink darker than mid grey)\n"
    "  --overlay  writes both inks: black where they agree, red SCORE only, blue ours only\n"
    "  --window   searches the shift within +-X across and +-Y down, in pixels\n"
    "             (default 80,320 at 96 dpi, scaled with the resolution)\n"
    "  --melibron the program that renders OURS (default: the one built with this tool)\n"
    "prints: recall R precision P shift DX DY dpi N\n";

struct Options {
  QString ours;
  QString reference;
  QString overlay;
  QString melibron = QStringLiteral(MELIBRON_EXECUTABLE);
  SearchWindow window{-1, -1};  // negative: the default for the resolution
};

bool parseWindow(const QString& text, SearchWindow& window) {
  const QStringList parts = text.split(',');
  if (parts.size() != 2) return false;
  bool okX = false;
  bool okY = false;
  window = {parts[0].toInt(&okX), parts[1].toInt(&okY)};
  const auto inRange = [](int pixels) { return pixels >= 0 && pixels <= 10000; };
  return okX && okY && inRange(window.x) && inRange(window.y);
}

bool parseOptions(const QStringList& arguments, Options& options, QString* error) {
  QStringList files;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const bool takesValue =
        argument == "--overlay" || argument == "--window" || argument == "--melibron";
    if (takesValue && i + 1 >= arguments.size()) {
      *error = QStringLiteral("%1 needs a value").arg(argument);
      return false;
    }
    if (argument == "--overlay") {
      options.overlay = arguments[++i];
    } else if (argument == "--melibron") {
      options.melibron = arguments[++i];
    } else if (argument == "--window") {
      if (!parseWindow(arguments[++i], options.window)) {
        *error = QStringLiteral("--window takes two pixel counts from 0 to 10000, as 80,320");
        return false;
      }
    } else if (argument.startsWith("--")) {
      *error = QStringLiteral("unknown option %1").arg(argument);
      return false;
    } else {
      files << argument;
    }
  }
  if (files.size() != 2) {
    *error = QStringLiteral("expected two files, our page and SCORE's image");
    return false;
  }
  options.ours = files[0];
  options.reference = files[1];
  return true;
}

bool renderPage(const Options& options, int dpi, const QString& output, QString* error) {
  if (!QFileInfo(options.melibron).isExecutable()) {
    *error = QStringLiteral("cannot run %1 to render the page; pass --melibron PROGRAM")
                 .arg(options.melibron);
    return false;
  }
  QProcess process;
  process.start(options.melibron, {"-o", output, "--dpi", QString::number(dpi), options.ours});
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    *error = QStringLiteral("%1 could not render %2: %3")
                 .arg(options.melibron, options.ours,
                      QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return false;
  }
  return true;
}

bool readOurs(const Options& options, int dpi, InkImage& ours, QString* error) {
  if (options.ours.endsWith(".png", Qt::CaseInsensitive)) {
    return readInkImage(options.ours, ours, error);
  }
  QTemporaryDir folder;
  const QString rendered = folder.filePath("page.png");
  return renderPage(options, dpi, rendered, error) && readInkImage(rendered, ours, error);
}

int run(const QStringList& arguments) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  if (arguments.contains("--help")) {
    out << kUsage;
    return 0;
  }
  Options options;
  QString error;
  if (!parseOptions(arguments, options, &error)) {
    err << "fidelity: " << error << "\n" << kUsage;
    return 1;
  }
  InkImage reference;
  InkImage ours;
  if (!readInkImage(options.reference, reference, &error)) {
    err << "fidelity: " << error << "\n";
    return 1;
  }
  const int dpi = static_cast<int>(std::lround(reference.width / kPageWidthInches));
  if (!readOurs(options, dpi, ours, &error)) {
    err << "fidelity: " << error << "\n";
    return 1;
  }
  if (ours.width != reference.width || ours.height != reference.height) {
    err << "fidelity: note: our image is " << ours.width << "x" << ours.height << ", SCORE's "
        << reference.width << "x" << reference.height << "; compared in SCORE's page frame\n";
  }
  const auto scaled = [dpi](int pixels) {
    return static_cast<int>(std::lround(pixels * dpi / 96.0));
  };
  const SearchWindow window =
      options.window.x >= 0 ? options.window
                            : SearchWindow{scaled(kWindowAt96Dpi.x), scaled(kWindowAt96Dpi.y)};
  const PixelShift shift = findBestShift(reference, ours, window);
  const InkAgreement agreement = measureAgreement(reference, ours, shift);
  out << QString::asprintf("recall %.4f precision %.4f shift %d %d dpi %d\n", recall(agreement),
                           precision(agreement), shift.dx, shift.dy, dpi);
  if (!options.overlay.isEmpty() &&
      !writeOverlayPng(options.overlay, makeOverlay(reference, ours, shift), &error)) {
    err << "fidelity: " << error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  return run(QCoreApplication::arguments());
}
