#include "layout/time_digits.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kLargestNumber = 97;
constexpr double kCellWidth = 3.3;     // units: the widest digit and a little room
constexpr double kUpperBottom = 4.15;  // steps: just above the middle line
constexpr double kLowerBottom = 0.1;   // steps: just above the bottom line

bool isSignatureNumber(float p) {
  return p >= 1.0f && p <= kLargestNumber && p == static_cast<float>(static_cast<int>(p));
}

int cellsOf(int number) { return number > 9 ? 2 : 1; }

// The number's digits, centred in a row of `cells` cells.
void addNumber(int number, int cells, double bottom, std::vector<TimeDigit>* digits) {
  std::string text = std::to_string(number);
  double indent = kCellWidth * (cells - cellsOf(number)) / 2;
  for (size_t i = 0; i < text.size(); ++i) {
    digits->push_back({kTimeDigitSymbol + (text[i] - '0'), indent + kCellWidth * i, bottom});
  }
}

}  // namespace

std::vector<TimeDigit> timeSignatureDigits(float p5, float p6) {
  if (!isSignatureNumber(p5) || !isSignatureNumber(p6)) return {};
  int upper = static_cast<int>(p5);
  int lower = static_cast<int>(p6);
  int cells = std::max(cellsOf(upper), cellsOf(lower));
  std::vector<TimeDigit> digits;
  addNumber(upper, cells, kUpperBottom, &digits);
  addNumber(lower, cells, kLowerBottom, &digits);
  return digits;
}
