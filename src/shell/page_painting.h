// Pages drawn with Qt: onto a painter as the window draws them, into PDF
// pages, and raster images written as PNG files.
#pragma once

#include <QSize>
#include <string>

#include "cli/page_export.h"

class QImage;
class QPainter;
class QPdfWriter;

// pageSize as Qt's size.
QSize qtPageSize(const PageOptions& options);

// Paints the page laid out in view onto an active painter the way the window
// does: a white fill of size with the black stock pen and white brush
// selected, then paintScore, the pens at SCORE's weights for the view's
// resolution and zoom.
void paintPage(QPainter& painter, const Document& document, View& view, const QSize& size,
               bool antialias);

// Writes an RGB32 image of a page to path as a PNG file, in the smallest
// pixel format that holds it exactly. Returns false with *error set when it
// cannot be written; then nothing is left at path.
bool savePngImage(const std::string& path, const QImage& image, std::string* error);

// Sets writer up for pages of the options: their resolution, and the
// 8.5 x 11 inch sheet times the zoom, without margins.
void setUpPdfWriter(QPdfWriter& writer, const PageOptions& options);

// The page laid out in view as a PDF file at path. Returns false with
// *error set when it cannot be written; then nothing is left at path.
bool writePdfPage(const std::string& path, const Document& document, View& view,
                  const PageOptions& options, std::string* error);
