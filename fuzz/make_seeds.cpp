// Writes the seed corpora of the harnesses, one folder each (mus, drw, view,
// settings, pmx), from the demo page and edge cases made here.
// Usage: make_seeds SOURCE_DIR OUTPUT_DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_fixture.h"
#include "score/mus_file.h"
#include "score/pmx_export.h"
#include "seed_pages.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

bool writeSeed(const fs::path& folder, const NamedBytes& seed) {
  std::ofstream out(folder / seed.name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(seed.bytes.data()),
            static_cast<std::streamsize>(seed.bytes.size()));
  return static_cast<bool>(out);
}

std::vector<NamedBytes> drwSeeds() {
  std::vector<uint8_t> good = fakeLibraryFile(2);
  std::vector<DrwEntry> entries = {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {5, 5, 2}};
  std::vector<uint8_t> stream = drwStream(entries);
  std::vector<NamedBytes> seeds = {
      {"fake-library.drw", good},
      {"fake-library-with-empty-symbol.drw", fakeLibraryFile(19)},
      {"empty.drw", {}},
      {"header-short.drw", std::vector<uint8_t>(good.begin(), good.begin() + 75)},
      {"header-only.drw", std::vector<uint8_t>(good.begin(), good.begin() + 76)},
      {"one-block.drw", drwFile({7, 13}, {"abcde", "fg"}, std::vector<uint8_t>(128, 1))},
      {"short-block.drw", drwFile({25}, {"x"}, std::vector<uint8_t>(48, 2))},
      {"ends-falling.drw", drwFile({13, 4, 1, -30000}, {"a", "b"}, stream)},
      {"ends-past-stream.drw", drwFile({32767, 32767}, {"big"}, stream)},
      {"ends-not-multiple-of-3.drw", drwFile({3, 5, 11, 12}, {}, stream)},
      {"bezier-first.drw",
       drwFile({13}, {"bz"}, drwStream({{0, 0, -1}, {1, 1, -1}, {2, 2, 2}, {3, 3, 0}}))},
      {"continue-first.drw", drwFile({10}, {"c0"}, drwStream({{0, 0, 0}, {1, 1, 0}, {2, 2, 1}}))},
      {"bezier-pending.drw",
       drwFile({16}, {"bp"},
               drwStream({{0, 0, 1}, {1, 1, -1}, {2, 2, -1}, {3, 3, 3}, {4, 4, -1}}))},
      {"extreme-points.drw",
       drwFile(
           {13}, {"ex"},
           drwStream(
               {{32767, -32768, 2}, {-32768, 32767, 0}, {32767, 32767, 0}, {-32768, -32768, 0}}))},
  };
  std::vector<uint8_t> truncated(good.begin(), good.end() - 1);
  seeds.push_back({"truncated.drw", truncated});
  return seeds;
}

std::vector<NamedBytes> viewSeeds() {
  return {
      {"zoom-in.ops", {0, 0, 0, 0, 0}},
      {"zoom-to-negative.ops", {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"zoom-zero.ops", {2, 0, 0, 7}},
      {"zoom-far.ops", {2, 0xFF, 0x7F, 2, 0x00, 0x80}},
      {"scroll.ops", {3, 1, 0, 4, 0xFF, 0xFF, 3, 0xFF, 0x7F, 4, 0x00, 0x80}},
      {"edit-nan.ops", {5, 1, 3, 0x00, 0x00, 0xC0, 0x7F, 7}},
      {"edit-inf.ops", {5, 2, 4, 0x00, 0x00, 0x80, 0x7F, 5, 3, 9, 0x00, 0x00, 0x80, 0xFF}},
      {"edit-largest-float.ops", {5, 7, 7, 0xFF, 0xFF, 0x7F, 0x7F}},
      {"resolution.ops", {6, 0, 0, 6, 255, 1}},
  };
}

std::vector<NamedBytes> settingsSeeds() {
  std::string longValue(300, 'p');
  std::string crAtEnd(253, 'c');
  crAtEnd += "\r" + std::string(10, 'd');
  return {
      {"ten-lines.ini", bytesOf("/usr/bin/a\n/usr/bin/b\n\n\n/usr/bin/e\n-x\n-y\n\n\n-z\n")},
      {"three-lines.ini", bytesOf("a\nb\nc\n")},
      {"empty.ini", {}},
      {"no-final-line-end.ini", bytesOf("a\nb")},
      {"crlf.ini", bytesOf("a\r\nb\r\n\r\nc\r\n")},
      {"long-lines.ini", bytesOf(longValue + "\n" + longValue + "\n")},
      {"cr-inside-long-line.ini", bytesOf(crAtEnd + "\n")},
      {"nul-bytes.ini", {'a', 0, 'b', '\n', 0, '\n'}},
      {"twenty-lines.ini", bytesOf(std::string(20, '\n'))},
      // Values ending in CRs read back without one CR each time round.
      {"regression-several-crs.ini", bytesOf("a\r\r\r\n\nb\r\v\rJ")},
  };
}

// The listing of every MUS seed that loads, made by our exporter, and
// listings that break its rules.
std::vector<NamedBytes> pmxSeeds(const std::vector<NamedBytes>& musSeedList) {
  std::vector<NamedBytes> seeds;
  for (const NamedBytes& mus : musSeedList) {
    std::string error;
    Document document;
    if (!readMusImage(mus.bytes, document, &error)) continue;
    seeds.push_back({mus.name + ".pmx", bytesOf(pmxListing(document))});
  }
  std::vector<NamedBytes> odd = {
      {"crlf.pmx", bytesOf("8.000 1.000 0.000 \r\n1.000 1.000 10.000 5.000 \r\n")},
      {"number-forms.pmx", bytesOf("8. 1. .000 -.7500 1e3\n1 1 1e40 -1e40 nan inf\n")},
      {"text-without-characters.pmx", bytesOf("t  1.     10.000 .000   \n")},
      {"text-then-blank.pmx", bytesOf("t  1.     10.000 \n\n8 1\n")},
      {"signs-only.pmx", bytesOf("- . + -. e 1e\n")},
      {"many-numbers.pmx", bytesOf(std::string(2000, '1').insert(0, "8 ") + "\n")},
      {"blank-lines.pmx", bytesOf("\n\n\r\n\n")},
  };
  std::string wide = "9";
  for (int i = 0; i < 400; ++i) wide += " 1";
  odd.push_back({"item-of-400-parameters.pmx", bytesOf(wide + "\n")});
  seeds.insert(seeds.end(), odd.begin(), odd.end());
  return seeds;
}

std::vector<uint8_t> readWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  fs::path out = argv[2];
  std::vector<NamedBytes> mus = musSeeds();
  std::vector<uint8_t> demo = readWhole(fs::path(argv[1]) / "examples" / "demo.mus");
  if (demo.empty()) {
    std::fprintf(stderr, "make_seeds: cannot read examples/demo.mus\n");
    return 1;
  }
  mus.insert(mus.begin(), {"demo.mus", demo});
  const std::pair<const char*, std::vector<NamedBytes>> corpora[] = {
      {"mus", mus},           {"drw", drwSeeds()},
      {"view", viewSeeds()},  {"settings", settingsSeeds()},
      {"pmx", pmxSeeds(mus)},
  };
  size_t written = 0;
  for (const auto& [name, seeds] : corpora) {
    fs::path folder = out / name;
    std::error_code error;
    fs::create_directories(folder, error);
    for (const NamedBytes& seed : seeds) {
      if (!writeSeed(folder, seed)) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", (folder / seed.name).c_str());
        return 1;
      }
      ++written;
    }
  }
  std::printf("%zu seeds written to %s\n", written, out.c_str());
  return 0;
}
