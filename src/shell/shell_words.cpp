#include "shell/shell_words.h"

#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Scanner state: the words so far and the one being built.
struct WordBuilder {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;  // true once a character or a quote pair began the word

  void add(char c) {
    word += c;
    inWord = true;
  }
  void finish() {
    if (inWord) words.push_back(word);
    word.clear();
    inWord = false;
  }
};

// Copies a single-quoted run starting after the opening quote; returns the
// index after the closing quote.
size_t singleQuoted(const std::string& text, size_t i, WordBuilder& builder) {
  builder.inWord = true;
  for (; i < text.size() && text[i] != '\''; ++i) builder.add(text[i]);
  return i + 1;
}

// The same for a double-quoted run.
size_t doubleQuoted(const std::string& text, size_t i, WordBuilder& builder) {
  builder.inWord = true;
  for (; i < text.size() && text[i] != '"'; ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && std::strchr("$`\"\\\n", text[i + 1]) != nullptr) {
      ++i;
      if (text[i] == '\n') continue;  // an escaped newline joins the lines
    }
    builder.add(text[i]);
  }
  return i + 1;
}

}  // namespace

std::vector<std::string> splitShellWords(const std::string& text) {
  WordBuilder builder;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (isBlank(c)) {
      builder.finish();
      ++i;
    } else if (c == '\'') {
      i = singleQuoted(text, i + 1, builder);
    } else if (c == '"') {
      i = doubleQuoted(text, i + 1, builder);
    } else if (c == '\\' && i + 1 < text.size()) {
      if (text[i + 1] != '\n') builder.add(text[i + 1]);
      i += 2;
    } else {
      builder.add(c);
      ++i;
    }
  }
  builder.finish();
  return builder.words;
}
