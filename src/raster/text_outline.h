// Text runs as glyph outlines, so that the filler draws them as it draws
// every other shape: rotation, spacing and vertical scale come for free.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "paint/drawing_surface.h"
#include "raster/contours.h"
#include "raster/text_faces.h"

// FreeType faces of the files, opened when first used. A face may be used
// by one thread at a time, so each thread drawing text keeps its own.
class TextOutliner {
 public:
  explicit TextOutliner(const TextFaceFiles& files);
  ~TextOutliner();
  TextOutliner(const TextOutliner&) = delete;
  TextOutliner& operator=(const TextOutliner&) = delete;

  // Adds the run's glyphs, unhinted and unkerned, each advance times the
  // run's spacing, at its size, height, origin and rotation, in device
  // pixels. Returns false, adding nothing, when the style has no face.
  bool addRun(const TextRun& run, std::vector<Contour>* contours);

 private:
  struct Faces;
  std::unique_ptr<Faces> faces_;
};

// The outliner of this thread over textFaces().
TextOutliner& threadTextOutliner();
