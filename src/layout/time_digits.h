// The digits of a numeric time signature (P5 over P6), placed as SCORE
// prints them: each number in the half of the staff it belongs to, digits in
// cells of one width from P3, the shorter number centred over the longer.
#pragma once

#include <vector>

// Library symbol of digit d (0..9).
constexpr int kTimeDigitSymbol = 100;

// One digit: its symbol, whose origin (the digit's left edge and bottom)
// goes x units right of P3 and `bottom` steps above the signature's bottom
// line, both at staff size 1.
struct TimeDigit {
  int symbol = 0;
  double x = 0;
  double bottom = 0;
};

// The digits of P5 over P6 when both are whole numbers from 1 to 97 (98 and
// 99 name the two signs); nothing otherwise.
std::vector<TimeDigit> timeSignatureDigits(float p5, float p6);
