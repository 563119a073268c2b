// The layout pass: turns notes, rests, clefs, misc symbols and key and time
// signatures into components in window pixels for the current view.
#pragma once

#include "layout/component_store.h"
#include "score/document.h"
#include "view/view.h"

// Refills the view's staff tables and lays out every item of the document
// into the view's component lists, which it first prepares (emptied, one per
// item), so the lists hold this pass alone. With MELIBRON_DEBUG set, traces
// every component placed and each item's count.
void layoutScore(const Document& document, View& view);

// Per-family cases, called with the item number (1-based) after the staff
// tables are prepared. Items on staves outside 1..32 get no components.
// Notes ignore the hundreds of P9 (tens: dots, units: flags) and raise the
// dots of every note on a line, below the staff too. Rests stop at 128 hooks
// and 128 dots. A clef's P4 of -100 or less is small, with 100 added back.
// Key signatures with a clef outside 0..3 get nothing; naturals stop at seven.
// Notes, rests, misc symbols and time signatures draw SCORE's variants in
// the complete drawing mode of the view (their files say which).
void layoutNote(const Document& document, View& view, int item);
void layoutRest(const Document& document, View& view, int item);
void layoutClef(const Document& document, View& view, int item);
void layoutMiscSymbol(const Document& document, View& view, int item);
void layoutKeySignature(const Document& document, View& view, int item);
void layoutTimeSignature(const Document& document, View& view, int item);
// The sign of a trill, ottava or pedal item, in the complete drawing only.
void layoutTrill(const Document& document, View& view, int item);

// The routine that lays out items of the code, or null for the kinds the
// painter draws directly (and for unknown codes).
using LayoutRoutine = void (*)(const Document& document, View& view, int item);
LayoutRoutine layoutRoutine(int code);

// Page height of a point d steps above the bottom line of staff s (1..32;
// any other staff gives 0).
double staffY(const View& view, int s, double d);

// Library symbols are laid out at a quarter of the view's symbol unit, times
// their own scale.
constexpr double kSymbolScale = 0.25;

// The factor of a symbol of the given scale (staff size times the symbol's
// own size): scale x symbolUnit x zoom x kSymbolScale, in that order, rounded
// to single precision.
float scaledSymbolFactor(const View& view, double scale);

// Standard scale of a laid-out symbol on staff s (1..32; any other staff
// gives 0), single precision.
float symbolFactor(const View& view, int s);

// Places symbol n on item: adds it to the view's lists, mirrors it top to
// bottom when asked, scales it by factor and moves it to window pixels
// (x, y). Returns the component, or null (nothing added) when the symbol
// cannot be copied.
Component* placeSymbol(View& view, int item, int symbol, float factor, int x, int y,
                       bool mirrored = false);

// Step patterns of key signatures: [clef 0..3][place 0..6].
extern const int sharpSteps[4][7];
extern const int flatSteps[4][7];

// Design factor of misc symbol m.
float miscSymbolFactor(int m);
