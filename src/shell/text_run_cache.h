// Text runs laid out once for a view that is painted again and again: the
// window repaints the same runs on every scroll step, moved by whole pixels,
// and shaping them anew each time was most of what text cost there.
#pragma once

#include <QFont>
#include <QStaticText>
#include <string>
#include <unordered_map>

#include "paint/drawing_surface.h"

// The font and laid-out text of one run.
struct LaidOutRun {
  QFont font;
  QStaticText text;
  double ascent = 0;  // the laid-out text is placed by its top, runs by their baseline
};

// Owned by whoever paints the same page repeatedly; it must be destroyed
// before the application object, as the fonts it holds belong to it.
class TextRunCache {
 public:
  // The run laid out at a whole pixel size, from the cache when a run with
  // the same text, font, size, spacing and transform was laid out before.
  const LaidOutRun& laidOut(const TextRun& run, int pixelSize);

  // Everything that shapes or places the glyphs other than a move.
  struct Key {
    std::string family;
    std::string text;
    FontStyle style;
    int pixelSize;
    double size, spacing, verticalScale, rotation;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& key) const;
  };

 private:
  std::unordered_map<Key, LaidOutRun, KeyHash> runs_;
};
