#include "score/text_items.h"

#include <cstdio>

#include "score/conversions.h"
#include "score/item_table.h"
#include "score/number_text.h"

namespace {

constexpr int kFirstPostScriptFont = 9700;
constexpr int kLastPostScriptFont = 9734;
constexpr char kSeparator = '\t';

// v with at most three decimals, trailing zeros dropped.
std::string decimal(double v) {
  char buffer[64];
  int length = std::snprintf(buffer, sizeof buffer, "%.3f", v);
  std::string text(buffer, length > 0 ? static_cast<size_t>(length) : 0);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string fontNames(const std::vector<TextSpan>& spans) {
  std::string names;
  for (size_t k = 0; k < spans.size(); ++k) {
    std::string name = fontName(spans[k].fontCode);
    if (k > 0 && spans[k].fontCode == spans[k - 1].fontCode) continue;
    if (!names.empty()) names += '+';
    names += name;
  }
  return names;
}

void appendLine(std::string& out, int i, const ItemRecord& item, float offset,
                const std::vector<TextSpan>& spans) {
  out += std::to_string(i) + kSeparator + decimal(param(item, 2)) + kSeparator +
         decimal(static_cast<double>(param(item, 3)) + offset) + kSeparator +
         decimal(param(item, 4)) + kSeparator + fontNames(spans) + kSeparator + joinedText(spans) +
         '\n';
}

}  // namespace

std::vector<TextSpan> textItemSpans(const ItemRecord& item) {
  std::vector<TextSpan> spans = decodeScoreText(textOfItem(item));
  int font = truncToInt(param(item, 8));
  if (font >= kFirstPostScriptFont && font <= kLastPostScriptFont) {
    for (TextSpan& span : spans) span.fontCode = font - kFirstPostScriptFont;
  }
  return spans;
}

std::string textListing(const Document& document) {
  std::string out;
  for (int i = 1; i <= document.itemTable.itemCount; ++i) {
    const ItemRecord& item = itemAt(document.itemTable, i);
    int code = itemCode(item);
    if (code == kTextCode) {
      appendLine(out, i, item, param(item, 11), textItemSpans(item));
    } else if (code == kNumberCode) {
      std::vector<TextSpan> spans;
      std::string digits = numberText(param(item, 5));
      if (!digits.empty()) spans.push_back({numberFontCode(param(item, 7)), digits});
      appendLine(out, i, item, param(item, 15), spans);
    }
  }
  return out;
}
