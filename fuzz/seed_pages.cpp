#include "seed_pages.h"

#include <limits>

#include "score/image_builder.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kMax = std::numeric_limits<float>::max();

void appendInt(std::vector<uint8_t>& bytes, int32_t v) {
  uint8_t word[4];
  writeInt32At(word, v);
  bytes.insert(bytes.end(), word, word + 4);
}

// Data words of the items: count word, parameters, text characters padded
// with spaces to a word boundary.
std::vector<uint8_t> itemWords(const std::vector<SeedItem>& items) {
  std::vector<uint8_t> words;
  for (const SeedItem& item : items) {
    size_t textWords = (item.text.size() + 3) / 4;
    appendFloatWord(words, static_cast<float>(item.params.size() + textWords));
    for (float p : item.params) appendFloatWord(words, p);
    std::string padded = item.text;
    padded.resize(4 * textWords, ' ');
    words.insert(words.end(), padded.begin(), padded.end());
  }
  return words;
}

// Word count, data words, then a trailer of trailerWords + 1 words ending in
// the end mark (T as given, even when it does not match).
std::vector<uint8_t> image(uint16_t wordCount, const std::vector<uint8_t>& data,
                           float trailerWords = 5.0f) {
  std::vector<uint8_t> bytes(2);
  writeUint16At(bytes.data(), wordCount);
  bytes.insert(bytes.end(), data.begin(), data.end());
  appendFloatWord(bytes, 0.0f);
  appendInt(bytes, kWrittenSerialNumber);
  appendFloatWord(bytes, 3.0f);
  appendFloatWord(bytes, 0.0f);
  appendFloatWord(bytes, trailerWords);
  appendFloatWord(bytes, kEndMark);
  return bytes;
}

uint16_t wordsOf(const std::vector<uint8_t>& data) {
  return static_cast<uint16_t>(data.size() / 4 + 6);
}

SeedItem staff(float s) { return {{8, s, 0, 0, 1, 200, 5}, {}}; }

// Every parameter of one item kind set to value, twenty parameters long.
SeedItem filled(float code, float value) {
  SeedItem item{{code, 1}, {}};
  item.params.resize(20, value);
  return item;
}

std::vector<NamedBytes> extremePages() {
  std::vector<NamedBytes> pages;
  const struct {
    const char* name;
    float value;
  } kValues[] = {
      {"nan", kNan},        {"inf", kInf}, {"minus-inf", -kInf}, {"max", kMax},
      {"minus-max", -kMax}, {"1e9", 1e9f}, {"minus-1e9", -1e9f}, {"999", 999.0f},
  };
  for (const auto& value : kValues) {
    std::vector<SeedItem> items = {staff(1)};
    for (float code = 0; code <= 19; ++code) items.push_back(filled(code, value.value));
    pages.push_back({std::string("every-code-") + value.name + ".mus", musBytes(items)});
  }
  return pages;
}

// Items whose loops and lists depend on a parameter: staff lines, ledger
// lines, rest hooks and dots, key signature counts, flags and dots.
std::vector<NamedBytes> countingPages() {
  return {
      {"staff-lines-p7.mus", musBytes({{{8, 1, 0, 0, 1, 200, 2e9f}, {}}})},
      {"staff-lines-p4-thousands.mus", musBytes({{{8, 1, 0, 2e9f, 1, 200, 5}, {}}})},
      {"staff-lines-hundreds.mus", musBytes({{{8, 1, 0, 0, 1, 200, 999}, {}}})},
      {"ledger-lines-high.mus", musBytes({staff(1), {{1, 1, 10, 2e9f, 10}, {}}})},
      {"ledger-lines-low.mus", musBytes({staff(1), {{1, 1, 10, -2e9f, 20}, {}}})},
      {"rest-hooks.mus", musBytes({staff(1), {{2, 1, 10, 0, 1e9f, 1e9f}, {}}})},
      {"rest-dots.mus", musBytes({staff(1), {{2, 1, 10, 0, 0, kInf}, {}}})},
      {"key-naturals.mus",
       musBytes({staff(1), {{17, 1, 10, 0, 1e9f, 0}, {}}, {{17, 1, 10, 0, -1e9f, 3}, {}}})},
      {"note-flags-dots.mus", musBytes({staff(1),
                                        {{1, 1, 10, 5, 19, 0, 0, 0, 99}, {}},
                                        {{1, 1, 10, 5, 29, -1, 0, 150, 199}, {}}})},
      {"beam-count.mus",
       musBytes({staff(1), {{6, 1, 10, 5, 5, 30, 2e9f}, {}}, {{6, 1, 10, 5, 5, 30, -2e9f}, {}}})},
      {"barline-span.mus",
       musBytes({staff(1), {{14, 1, 10, 1e9f, 2}, {}}, {{14, 32, 10, 2, 1}, {}}})},
      {"staff-numbers.mus", musBytes({{{8, 0, 0}, {}},
                                      {{8, 33, 0}, {}},
                                      {{8, -1e9f, 0}, {}},
                                      {{1, 0, 10, 5, 10}, {}},
                                      {{1, 33, 10, 5, 10}, {}},
                                      {{2, 1e9f, 10}, {}},
                                      {{14, -1, 10}, {}},
                                      {{6, 40, 1, 1, 1, 1, 11}, {}}})},
  };
}

// Images that break the file layout while keeping the end mark.
std::vector<NamedBytes> malformedImages() {
  std::vector<uint8_t> data = itemWords(everyItemCode());
  std::vector<NamedBytes> images = {
      {"empty-table.mus", image(6, {})},
      {"word-count-too-large.mus", image(65535, data)},
      {"word-count-too-small.mus", image(3, data)},
      {"trailer-huge.mus", image(wordsOf(data), data, 1e9f)},
      {"trailer-negative.mus", image(wordsOf(data), data, -1e9f)},
      {"trailer-nan.mus", image(wordsOf(data), data, kNan)},
      {"end-mark-only.mus", {0x00, 0x3C, 0x1C, 0xC6}},
      {"short-header.mus", {0x05, 0x00, 0x3C, 0x1C, 0xC6}},
  };
  const struct {
    const char* name;
    float count;
  } kCounts[] = {{"negative", -1.0f}, {"nan", kNan}, {"1e9", 1e9f}, {"300", 300.0f}, {"0", 0.0f}};
  for (const auto& count : kCounts) {
    std::vector<uint8_t> item;
    appendFloatWord(item, count.count);
    appendFloatWord(item, 1.0f);
    appendFloatWord(item, 1.0f);
    images.push_back(
        {std::string("count-word-") + count.name + ".mus", image(wordsOf(item), item)});
  }
  std::vector<uint8_t> whole = musBytes(everyItemCode());
  for (size_t cut : {size_t{1}, size_t{7}, whole.size() / 2, whole.size() - 1}) {
    std::vector<uint8_t> truncated(whole.begin(), whole.end() - static_cast<long>(cut));
    images.push_back({"truncated-" + std::to_string(cut) + ".mus", truncated});
  }
  return images;
}

std::vector<NamedBytes> textPages() {
  auto text = [](float length, const std::string& characters) {
    SeedItem item{{16, 1, 10, 5, 1, 1, 0, 0, 0, 0, 0, length, 10}, characters};
    return musBytes({staff(1), item});
  };
  return {
      {"text-hello.mus", text(5, "Hello")},
      {"text-empty.mus", text(0, "")},
      {"text-length-negative.mus", text(-7, "abc")},
      {"text-length-past-item.mus", text(1e9f, "abcd")},
      {"text-length-nan.mus", text(kNan, "abcd")},
  };
}

// Text and numbers as the complete drawing draws them: font codes, accent
// escapes, strange bytes, and every parameter that places or sizes them at
// hostile values.
std::vector<NamedBytes> printedTextPages() {
  auto text = [](std::vector<float> p3to11, const std::string& characters) {
    std::vector<float> params{16, 1};
    params.insert(params.end(), p3to11.begin(), p3to11.end());
    params.resize(11, 0.0f);
    params.push_back(static_cast<float>(characters.size()));
    params.push_back(10);
    return SeedItem{params, characters};
  };
  std::vector<SeedItem> kinds = {
      staff(1),
      text({10, 5, 1, 1}, "_00An Wasserfl%%ussen Babylon"),
      text({10, 8, 1.5f, 2, 3, 9702, 30, 0, -1}, "_00Fr<<ed<<eric _01Chopin _03x"),
      text({10, 5, 1, 1}, "%%<<>>^^~~"),
      text({10, 5, 1, 1}, "_00_01_02_99"),
      text({10, 5, 1, 1}, "\x01\x80\xff\xe9%%\xfe"),
      {{10, 1, 0, 13, 13, 0, 1, 0, 0, 0, 0, 0, 0, 0, -1.8f}, {}},
      {{10, 1, 20, 13, 1001, 102, 9702, 1}, {}},
      {{10, 1, 40, 13, 1031, 0, 0, 2}, {}},
  };
  std::vector<SeedItem> hostile = {staff(1)};
  for (float value : {kNan, kInf, -kInf, kMax, 1e30f, 1e12f, 1e9f, -1.0f, 0.0f}) {
    for (size_t k = 0; k < 9; ++k) {
      std::vector<float> p3to11 = {10, 5, 1, 1};
      p3to11.resize(9, 0.0f);
      p3to11[k] = value;
      hostile.push_back(text(p3to11, "_00ab_02cd"));
    }
    for (size_t k = 2; k < 15; ++k) {
      SeedItem number{{10, 1, 10, 13, 7, 0, 1, 0, 0, 0, 0, 0, 0, 0, -0.86f}, {}};
      number.params[k] = value;
      hostile.push_back(number);
    }
    hostile.push_back({{5, 1, 10, 5, 6, 30, 2, -1, 0, 0, 0, 0, 0.65f, 0, 0, value}, {}});
    hostile.push_back({{5, 1, 10, 12, 12, 40, 3, 2, value}, {}});
  }
  return {{"text-kinds.mus", musBytes(kinds)}, {"text-hostile.mus", musBytes(hostile)}};
}

// The items and parameters the complete drawing draws its own way, with the
// counts they depend on pushed to their limits.
std::vector<NamedBytes> completePages() {
  std::vector<SeedItem> kinds = {staff(1), staff(2)};
  const std::vector<std::vector<float>> items = {
      {5, 1, 10, 5, 6, 30, 2, -1},                                // slur
      {5, 1, 10, 5, 6, 30, -1.5f, -2, -0.5f, 0.4f},               // tie, flattened, peak moved
      {5, 1, 10, 5, 6, 30, 2, -4, 0, 0, 0, 1, 0, 0.2f, 0.8f, 3},  // half, part, tuplet
      {5, 1, 10, 12, 12, 40, 3, 1, 2},                            // ending
      {4, 1, 10, 2, 2, 40, 1, 0.5f, 2},                           // dashed
      {4, 1, 10, 3, 10, 10, 1},                                   // vertical dashed
      {4, 1, 50, 1.5f, 10.5f, 0, -1},                             // arpeggio
      {4, 1, 10, 4, 0, 40, -1},                                   // wiggle
      {4, 1, 10, 4, 6, 40, 0, 0, 0, 0, 0, -2, 3},                 // hooks
      {7, 1, 10, 12, 0, 40},
      {7, 1, 10, 12, 45, 40},
      {7, 1, 10, 12, 46, 40},
      {7, 1, 10, 12, 47, 40},
      {7, 1, 10, 12, 70, 40},
      {1, 1, 10, 5, 10, 0, 1, 0, 1111, 3.5f, 14, 1},     // shifted, dots, fermata, staff above
      {1, 2, 20, 5, 20, 0, 1, 0, 11, 0, -14, 2},         // fermata below, staff below
      {1, 1, 30, 5, 10, 0, 1, 0, 0, 0, 7},               // staccato
      {2, 1, 40, 0, 0, 1, 0, 0, 0, -2},                  // rest moved
      {9, 1, 40, 9, 71, 1, 0, 0, 0, 0, 0, 0, 0, 0, -5},  // symbol moved
  };
  for (const std::vector<float>& item : items) kinds.push_back({item, {}});
  for (float kind = 0; kind <= 10; ++kind) kinds.push_back({{14, 1, 60 + 5 * kind, 2, kind}, {}});
  return {
      {"complete-kinds.mus", musBytes(kinds)},
      {"complete-counts.mus",
       musBytes({staff(1),
                 {{4, 1, 0, 0, 0, 200, 1, 1e-30f, 1e-30f}, {}},
                 {{4, 1, 10, -kMax, kMax, 0, -1}, {}},
                 {{4, 1, 0, 4, 0, kMax, -1}, {}},
                 {{14, 1, 50, 32, 7, 0, 0, 0, 1e-30f, 1e-30f}, {}},
                 {{14, 1, 50, 1e9f, 8}, {}},
                 {{5, 1, 0, 5, 5, kMax, kMax, 0, kMax}, {}},
                 {{5, 1, 10, 5, 5, 10, 2, 0, 0, 0, 0, 0, 0, 0, 0, kMax}, {}}})},
  };
}

}  // namespace

std::vector<uint8_t> musBytes(const std::vector<SeedItem>& items) {
  std::vector<uint8_t> data = itemWords(items);
  return image(wordsOf(data), data);
}

std::vector<SeedItem> pageUsingLibrary(int library) {
  std::vector<SeedItem> items = {staff(1), staff(2)};
  items.push_back({{1, 1, 10, 5, 19, 0, 0, 0, 39}, {}});  // up-stem: mirrored flags
  items.push_back({{1, 1, 30, 6, 29, 0, 0, 0, 31}, {}});
  items.push_back({{2, 1, 50, 0, 5, 3}, {}});  // hooks and dots
  for (int k = 0; k < 10; ++k) {
    float m = static_cast<float>(10 * library + k);
    items.push_back({{9, 2, 10.0f + 15 * k, 5, m, 1}, {}});
  }
  return items;
}

std::vector<SeedItem> everyItemCode() {
  return {
      {{0, 1, 10}, {}},
      {{1, 1, 10, 5, 10, 0, 1, 0, 11}, {}},
      {{2, 1, 20, 0, 0, 1}, {}},
      {{3, 1, 1, 0, 0}, {}},
      {{4, 1, 10, 5, 999, 30, 4}, {}},
      {{5, 1, 10, 5, 5, 30}, {}},
      {{6, 1, 10, 5, 5, 30, 12}, {}},
      {{7, 1, 10, 10, 0, 30}, {}},
      staff(1),
      {{9, 1, 40, 9, 87, 1}, {}},
      {{10, 1, 50, 10, 3}, {}},
      {{11, 1, 60, 10, 5}, {}},
      {{12, 1, 70, 10, 1}, {}},
      {{13, 1, 80}, {}},
      {{14, 1, 90, 1, 2}, {}},
      {{15, 1, 100, 5}, {}},
      {{16, 1, 110, 5, 1, 1, 0, 0, 0, 0, 0, 3, 6}, "abc"},
      {{17, 1, 120, 0, -3, 0}, {}},
      {{18, 1, 130, 7, 99}, {}},
      {{19, 1, 140}, {}},
  };
}

std::vector<NamedBytes> musSeeds() {
  std::vector<NamedBytes> seeds = {{"every-item-code.mus", musBytes(everyItemCode())}};
  for (int library = 0; library < 20; ++library) {
    seeds.push_back(
        {"library-" + std::to_string(library) + ".mus", musBytes(pageUsingLibrary(library))});
  }
  for (auto group : {extremePages(), countingPages(), malformedImages(), textPages(),
                     printedTextPages(), completePages()}) {
    seeds.insert(seeds.end(), group.begin(), group.end());
  }
  return seeds;
}
