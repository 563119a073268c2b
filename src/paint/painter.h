// The painter: draws every item of the table onto a drawing surface.
#pragma once

#include "library/library_table.h"
#include "paint/drawing_surface.h"
#include "paint/line_kind.h"
#include "paint/page_frame.h"
#include "score/document.h"
#include "view/view.h"

// Draws the record's draw list (a component in window pixels, or a library
// symbol in library units). Leaves the last polygon's brush selected. Never
// reads outside the vector list: runs are cut at its end, an entry with a
// negative point count owns no points, and a Bézier run with no point before
// it (a list that starts with opcode -1) is not drawn. Empty runs make no call.
void drawSymbol(DrawingSurface& surface, const LibrarySymbol& record);

// A component with drawSymbol, between the surface's symbol brackets.
void drawComponent(DrawingSurface& surface, const Component& component);

// Refills the view's staff tables, then draws the document's items 1..item
// count in order, each between beginItem and endItem, with the components of
// the view's last layout pass.
void paintScore(DrawingSurface& surface, const Document& document, View& view);

// The live components of item i in the view, each with drawSymbol.
void drawComponents(DrawingSurface& surface, const View& view, int item);

// Per-code drawing. Items on staves outside 1..32, and barlines reaching past
// staff 32, cannot be placed and draw nothing; a note there still draws its
// components. Missing parameters read as 0.0 (beams included).
// Each draws item `item` (1..item count) of the document.
void paintStaff(DrawingSurface& surface, const Document& document, const View& view, int item);
void paintNote(DrawingSurface& surface, const Document& document, const View& view, int item);
// A note of the complete drawing: on the staff of P12 and with SCORE's head
// shift of P10, as its layout places it, its stem and ledger lines at
// SCORE's weights once they are wider than a pixel.
void paintPrintedNote(DrawingSurface& surface, const Document& document, const View& view,
                      int item);
void paintLine(DrawingSurface& surface, const Document& document, const View& view, int item);
void paintBeam(DrawingSurface& surface, const Document& document, const View& view, int item);
void paintBarline(DrawingSurface& surface, const Document& document, const View& view, int item);

// The complete drawing's own routines, for the items it draws as SCORE
// prints them. Staff lines take SCORE's weight once it is wider than a pixel.
void paintCompleteStaff(DrawingSurface& surface, const Document& document, const View& view,
                        int item);
void paintSlur(DrawingSurface& surface, const Document& document, const View& view, int item);
void paintCompleteLine(DrawingSurface& surface, const Document& document, const View& view,
                       int item);
void paintCompleteBarline(DrawingSurface& surface, const Document& document, const View& view,
                          int item);
void paintTrill(DrawingSurface& surface, const Document& document, const View& view, int item);
// Text items (code 16) and numbers (code 10) in SCORE's Times faces and
// sizes, through drawText; numbers with the circle or box of their P8.
void paintText(DrawingSurface& surface, const Document& document, const View& view, int item);
void paintNumber(DrawingSurface& surface, const Document& document, const View& view, int item);
// A line's shape on a staff, as paintCompleteLine draws the line items.
void paintLineShape(DrawingSurface& surface, const View& view, const LineItem& line,
                    const StaffFrame& frame);

// The routine that draws items of the code in the drawing mode, or null for
// the kinds drawn nothing of (and for unknown codes). The complete drawing
// has routines of its own for some kinds and the basic ones for the rest.
using PaintRoutine = void (*)(DrawingSurface& surface, const Document& document, const View& view,
                              int item);
PaintRoutine paintRoutine(DrawingMode mode, int code);

// Helpers shared by the per-code routines.

// Highest staff a barline of span p4 reaches from staff s (1..32), or 0 when
// it reaches past the staff tables.
int barlineTopStaff(int s, float p4);

// Staff lines and ledger lines drawn per item at most. Real pages need fewer
// than a hundred; hostile counts (billions from a P4 or P7) would otherwise
// keep a paint busy for minutes. At a thousand, a page of thousands of notes
// each asking for more ledger lines still took 14 s per paint; a hundred
// lines reach past the page edge at any usual size.
constexpr int kMaxRuledLines = 100;

// A move to (x1, y1), then a line to (x2, y2) with the current pen.
void drawLine(DrawingSurface& surface, int x1, int y1, int x2, int y2);

// Staff number of an item: P2 truncated (0 when absent).
int staffOfItem(const ItemRecord& item);

// Window y of a height of v steps above the bottom line of a staff of size z
// whose bottom line lies at page height b: toWindowY(v * z * stepUnit + b).
int stepToWindowY(const View& view, double v, double z, double b);

// truncate(v x 0.01), with the factor and the product in single precision,
// so that whole hundreds give whole counts (100 x 0.01f rounds to 1).
int hundredsOf(float v);
