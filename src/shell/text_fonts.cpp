#include "shell/text_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <iostream>
#include <mutex>

namespace {

constexpr double kPercent = 100.0;

// What fontconfig knows does not change while the program runs: the
// families are listed once, by whichever thread draws text first.
const QStringList& installedFamilies() {
  static const QStringList families = QFontDatabase::families();
  return families;
}

void warnMissing(const QString& family) {
  static std::once_flag warned;
  std::call_once(warned, [&] {
    std::cerr << "melibron: the font family '" << family.toStdString()
              << "' is not installed (Debian package fonts-urw-base35); text is drawn in the "
                 "nearest serif font, with other widths than SCORE's\n";
  });
}

}  // namespace

bool textFamilyInstalled(const QString& family) {
  // A family that two foundries provide is listed once for each, as
  // "Nimbus Roman [urw]".
  for (const QString& installed : installedFamilies()) {
    if (installed.compare(family, Qt::CaseInsensitive) == 0 ||
        installed.startsWith(family + " [", Qt::CaseInsensitive)) {
      return true;
    }
  }
  warnMissing(family);
  return false;
}

QFont textRunFont(const TextRun& run, int pixelSize) {
  QString family = QString::fromStdString(run.family);
  QFont font;
  if (textFamilyInstalled(family)) {
    font.setFamily(family);
  } else {
    font.setFamily("serif");
    font.setStyleHint(QFont::Serif);
  }
  font.setPixelSize(pixelSize);
  font.setBold(run.style == FontStyle::kBold || run.style == FontStyle::kBoldItalic);
  font.setItalic(run.style == FontStyle::kItalic || run.style == FontStyle::kBoldItalic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  if (run.spacing != 1) font.setLetterSpacing(QFont::PercentageSpacing, run.spacing * kPercent);
  return font;
}
