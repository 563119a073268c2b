// Polygon stamps: an aliased polygon that is drawn again at other whole-pixel
// positions (every note head of a page, again after every scroll step) is
// rasterised once into a small image and copied from then on. Filling and
// outlining are exact under whole-pixel moves, so the copy has the same
// pixels as drawing the polygon anew, at a fraction of the cost.
#pragma once

#include <QPainter>
#include <QPoint>

// Draws the closed polygon (filled even-odd with the painter's solid brush,
// outlined with its pen) from a stamp, making one on the second sighting of
// the shape. Assumes a raster painter, aliased, with a cosmetic pen, whose
// transform moves by `origin` device pixels and nothing else, the caller
// having checked so. Returns false, drawing nothing, for polygons it does
// not stamp: first sightings, large ones, ones reaching within a few pixels
// of the device's edge, and ones under another brush.
bool drawPolygonStamp(QPainter& painter, QPoint origin, const QPoint* points, int count);

// Forgets every stamp and sighting.
void clearPolygonStamps();
