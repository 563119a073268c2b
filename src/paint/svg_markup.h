// Pieces of SVG text: numbers, path data and escaped strings, appended to a
// buffer.
#pragma once

#include <string>

#include "paint/drawing_surface.h"

// A number with at most `decimals` decimals (0..6), trailing zeros dropped
// ("12", "0.5", "-3.2"); a value that is not finite is written as 0.
void appendNumber(std::string& out, double v, int decimals = 1);
// A scale factor, to six significant digits.
void appendFactor(std::string& out, double v);

// Path data of the path moved by (dx, dy), to `decimals` decimals: moves
// absolute, lines and curves relative ("M x y l dx dy c ... z"). False,
// appending nothing, when the path is malformed or a point is not finite or
// lies farther than kSvgReach from the origin.
bool appendPathData(std::string& out, const SurfacePath& path, double dx, double dy,
                    int decimals = 0);

// The points as "M x y l dx dy ..." moved by (dx, dy), closed when asked.
void appendPointData(std::string& out, const Vector* points, int count, double dx, double dy,
                     bool closed);

// The UTF-8 text with &, <, > and " escaped; bytes that are not a character
// XML allows (controls other than tab and line breaks, broken sequences) are
// left out.
void appendEscaped(std::string& out, const std::string& text);

// Coordinates beyond this many device pixels come only from hostile input.
constexpr double kSvgReach = 1e9;
