// The painter: draws every item of the table onto a drawing surface.
#pragma once

#include "library/library_table.h"
#include "paint/drawing_surface.h"

struct ItemRecord;

// Draws the record's draw list (a component in window pixels, or a library
// symbol in library units). Leaves the last polygon's brush selected.
void drawSymbol(DrawingSurface& surface, const LibrarySymbol& record);

// Refills the staff tables, then draws items 1..item count in order.
void paintScore(DrawingSurface& surface);

// Components 0 .. componentCount-1 of an item, each with drawSymbol.
void drawComponents(DrawingSurface& surface, const ItemRecord& item);

// Per-code drawing.
void paintStaff(DrawingSurface& surface, const ItemRecord& item);
void paintNote(DrawingSurface& surface, const ItemRecord& item);
void paintLine(DrawingSurface& surface, const ItemRecord& item);
void paintBeam(DrawingSurface& surface, const ItemRecord& item);
void paintBarline(DrawingSurface& surface, const ItemRecord& item);
