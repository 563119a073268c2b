// Thumbnails for file managers: the top of the page as a small square image.
#pragma once

#include <string>

#include "score/document.h"
#include "view/drawing_mode.h"

constexpr int kMinThumbnailSize = 16;
constexpr int kMaxThumbnailSize = 1024;

// Lays out the document's page and writes the top of it, a square as wide as
// the page, drawn in the given mode, smoothed and reduced to size x size
// pixels, to path as a PNG image. Returns false with *error set when it
// cannot be written; then nothing is left at path.
bool exportThumbnail(const std::string& path, const Document& document, int size, DrawingMode mode,
                     std::string* error);
