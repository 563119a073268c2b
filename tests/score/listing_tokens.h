// Splits a PMX listing into its items' printed numbers, independently of the
// program's own listing reader, so each can check the other.
#pragma once

#include <sstream>
#include <string>
#include <vector>

// One item of a listing: its numbers as printed, and for text items the text.
struct ListedItem {
  bool text = false;
  std::vector<std::string> numbers;
  std::string characters;
};

inline std::vector<std::string> splitLines(const std::string& listing) {
  std::vector<std::string> lines;
  std::istringstream in(listing);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline std::vector<ListedItem> listedItems(const std::string& listing) {
  std::vector<std::string> lines = splitLines(listing);
  std::vector<ListedItem> items;
  for (size_t i = 0; i < lines.size(); ++i) {
    ListedItem item;
    std::istringstream tokens(lines[i]);
    for (std::string token; tokens >> token;) item.numbers.push_back(token);
    if (!item.numbers.empty() && item.numbers[0] == "t") {
      item.text = true;
      item.numbers.erase(item.numbers.begin());
      if (i + 1 < lines.size()) item.characters = lines[++i];
    }
    items.push_back(item);
  }
  return items;
}

inline int decimalsOf(const std::string& token) {
  size_t point = token.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(token.size() - point - 1);
}

// Half a unit in the last printed place of a listed number.
inline double printedTolerance(const std::string& token) {
  double unit = 1.0;
  for (int k = 0; k < decimalsOf(token); ++k) unit /= 10.0;
  return 0.5 * unit + 1e-9;
}
