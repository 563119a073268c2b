// Writes demo.mus: the opening of the "Ode to Joy" theme (Beethoven, public
// domain) in G major on a treble and a bass staff, holding at least one item
// of every item code. Usage: make_demo OUTPUT.mus
#include <cstdio>
#include <string>
#include <vector>

#include "score/image_builder.h"
#include "score/mus_file.h"
#include "score/words.h"

namespace {

// Staves 9 and 10 sit near the top of the page, as on a real SCORE page.
constexpr float kBass = 9;
constexpr float kTreble = 10;

struct DemoItem {
  std::vector<float> params;
  std::string text;  // characters of a text item, after P1..P13
};

// Note: x, step (3 = bottom line), stem (1 up, 2 down), head (0 filled,
// 1 half), duration, stem change, flags + 10 x dots, accidental (2 sharp).
DemoItem note(float staff, float x, float step, int stem, float head = 0, float duration = 1,
              float stemChange = 0, float flagsAndDots = 0, int accidental = 0) {
  return {{1, staff, x, step, static_cast<float>(10 * stem + accidental), head, duration,
           stemChange, flagsAndDots},
          {}};
}

// Rest shapes: 0 quarter, 1 eighth, -1 half.
DemoItem rest(float staff, float x, float shape, float duration) {
  return {{2, staff, x, 0, shape, 0, duration}, {}};
}

DemoItem barline(float x, float kind = 0) { return {{14, kBass, x, 2, kind}, {}}; }

DemoItem text(float staff, float x, float step, float size, const std::string& characters) {
  float length = static_cast<float>(characters.size());
  return {{16, staff, x, step, 1, size, 0, 0, 0, 0, 0, length, length * 2.3f * size}, characters};
}

std::vector<DemoItem> bassStaff() {
  return {
      {{8, kBass, 0, 0, 1, 200}, {}},
      barline(0),
      {{3, kBass, 1.5f, 0, 1}, {}},
      {{17, kBass, 8, 0, 1, 1}, {}},
      {{18, kBass, 14, 0, 99}, {}},
      // Bar 1: G2 half, quarter rest, D3.
      note(kBass, 24, 3, 1, 1, 2),
      rest(kBass, 40, 0, 1),
      note(kBass, 48, 7, 2),
      barline(56),
      // Bar 2: B2 half, eighth rest, D3 eighth, G2.
      note(kBass, 60, 5, 1, 1, 2),
      rest(kBass, 76, 1, 0.5f),
      note(kBass, 80, 7, 2, 0, 0.5f, 0, 1),
      note(kBass, 84, 3, 1),
      barline(92),
      // Bar 3: four beamed eighths under a level beam, then D3 half.
      note(kBass, 96, 3, 1, 0, 0.5f, 4),
      note(kBass, 100, 5, 1, 0, 0.5f, 2),
      note(kBass, 104, 7, 1, 0, 0.5f, 0),
      note(kBass, 108, 5, 1, 0, 0.5f, 2),
      {{6, kBass, 96, 7, 7, 108, 11}, {}},
      {{11, kBass, 100, -4, 1, 1}, {}},
      note(kBass, 112, 7, 2, 1, 2),
      barline(128),
      // Bar 4: D3, C sharp 3, D3 half.
      note(kBass, 132, 7, 2),
      note(kBass, 140, 6, 1, 0, 1, 0, 0, 2),
      note(kBass, 148, 7, 2, 1, 2),
      barline(164),
      // Bar 5: D3, half rest, G2.
      note(kBass, 168, 7, 2),
      rest(kBass, 176, -1, 2),
      note(kBass, 192, 3, 1),
      barline(200, 2),
  };
}

std::vector<DemoItem> trebleStaff() {
  return {
      {{8, kTreble, 0, 4, 1, 200}, {}},
      {{3, kTreble, 1.5f, 0, 0}, {}},
      {{17, kTreble, 8, 0, 1, 0}, {}},
      {{18, kTreble, 14, 0, 99}, {}},
      text(kTreble, 75, 22, 1.77f, "_00Ode to Joy"),
      text(kTreble, 160, 18, 1, "_00L. van Beethoven"),
      {{10, kTreble, 24, 15, 3, 0, 1}, {}},  // fingering
      {{9, kTreble, 25, -3.5f, 53, 1}, {}},  // p
      // Bar 1: B B C D.
      note(kTreble, 24, 7, 2),
      note(kTreble, 32, 7, 2),
      note(kTreble, 40, 8, 2),
      note(kTreble, 48, 9, 2),
      // Bar 2: D C B A.
      note(kTreble, 60, 9, 2),
      note(kTreble, 68, 8, 2),
      note(kTreble, 76, 7, 2),
      note(kTreble, 84, 6, 1),
      // Bar 3: G G A B, under a crescendo.
      note(kTreble, 96, 5, 1),
      note(kTreble, 104, 5, 1),
      note(kTreble, 112, 6, 1),
      note(kTreble, 120, 7, 2),
      {{4, kTreble, 96, -3, 999, 124, 3}, {}},
      // Bar 4: B dotted, A eighth, A half, under a slur.
      note(kTreble, 132, 7, 2, 0, 1.5f, 0, 10),
      note(kTreble, 144, 6, 1, 0, 0.5f, 0, 1),
      note(kTreble, 148, 6, 1, 1, 2),
      {{5, kTreble, 132, 10, 10, 150, 1.5f, 1, 0, 0, 0, 0, 0.65f}, {}},
      // Bar 5: A, B C beamed, B, G under a fermata; a trill and a diminuendo.
      note(kTreble, 168, 6, 1),
      note(kTreble, 176, 7, 2, 0, 0.5f),
      note(kTreble, 180, 8, 2, 0, 0.5f),
      {{6, kTreble, 176, 7, 8, 180, 21}, {}},
      note(kTreble, 184, 7, 2),
      note(kTreble, 192, 5, 1),
      {{9, kTreble, 192, 13, 83, 1}, {}},
      {{7, kTreble, 168, 14, 174}, {}},
      {{4, kTreble, 168, -3, 999, 190, -3}, {}},
      {{12, kTreble, 128, 15, 1, 2}, {}},
      {{15, kTreble, 0, 30, 1, 1}, {}},
      {{13, kTreble, 0}, {}},
  };
}

// The data area of a page: each item's count word and parameters; a text
// item's characters follow P13, padded with spaces to a word boundary.
void appendItem(std::vector<uint8_t>& bytes, const DemoItem& item) {
  size_t textWords = (item.text.size() + 3) / 4;
  appendFloatWord(bytes, static_cast<float>(item.params.size() + textWords));
  for (float p : item.params) appendFloatWord(bytes, p);
  bytes.insert(bytes.end(), item.text.begin(), item.text.end());
  bytes.insert(bytes.end(), 4 * textWords - item.text.size(), ' ');
}

// A minimal image for the reader; writeMusFile then puts our own trailer on it.
std::vector<uint8_t> pageImage(const std::vector<DemoItem>& items) {
  std::vector<uint8_t> bytes = {0, 0};
  for (const DemoItem& item : items) appendItem(bytes, item);
  for (float word : {0.0f, 0.0f, 3.0f, 0.0f, 5.0f, kEndMark}) appendFloatWord(bytes, word);
  writeUint16At(bytes.data(), static_cast<uint16_t>((bytes.size() - 2) / 4));
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo OUTPUT.mus\n");
    return 2;
  }
  std::vector<DemoItem> items = bassStaff();
  for (DemoItem& item : trebleStaff()) items.push_back(item);
  std::string error;
  Document document;
  if (!readMusImage(pageImage(items), document, &error) ||
      !writeMusFile(argv[1], document, &error)) {
    std::fprintf(stderr, "make_demo: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
