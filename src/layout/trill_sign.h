// The sign of a trill, ottava or pedal item (code 7). No page we have holds
// one and SCORE's description of the code was not found, so this follows the
// symbol library's numbers: P5 = 37 (or any other value) trill, 45 8va,
// 46 8vb, 47 15ma, 48 or 70 pedal.
#pragma once

#include <string>

enum class TrillKind { kTrill, kOttava, kOttavaBassa, kQuindicesima, kPedal };

TrillKind trillKind(float p5);

// The sign: a library symbol (trill, pedal) or a text (ottavas).
int trillSymbol(TrillKind kind);        // -1 for the ottavas
std::string trillText(TrillKind kind);  // empty for trill and pedal
