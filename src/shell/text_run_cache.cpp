#include "shell/text_run_cache.h"

#include <QFontMetricsF>
#include <QString>
#include <functional>

#include "shell/text_fonts.h"

namespace {

// A page holds a few hundred runs; a cache this full is emptied rather than
// grown, so that pages opened one after another do not add up.
constexpr size_t kMaxRuns = 4096;

}  // namespace

size_t TextRunCache::KeyHash::operator()(const Key& key) const {
  // Runs of one page differ mostly in their text; the rest tells apart the
  // same word in two sizes or faces.
  size_t h = std::hash<std::string>{}(key.text);
  h = h * 31 + static_cast<size_t>(key.pixelSize);
  h = h * 31 + static_cast<size_t>(key.style);
  return h * 31 + std::hash<double>{}(key.size);
}

const LaidOutRun& TextRunCache::laidOut(const TextRun& run, int pixelSize) {
  Key key{run.family, run.text,    run.style,         pixelSize,
          run.size,   run.spacing, run.verticalScale, run.rotation};
  auto found = runs_.find(key);
  if (found != runs_.end()) return found->second;
  if (runs_.size() >= kMaxRuns) runs_.clear();
  LaidOutRun entry;
  entry.font = textRunFont(run, pixelSize);
  entry.text = QStaticText(QString::fromStdString(run.text));
  entry.text.setTextFormat(Qt::PlainText);
  entry.ascent = QFontMetricsF(entry.font).ascent();
  return runs_.emplace(std::move(key), std::move(entry)).first->second;
}
