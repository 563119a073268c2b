#include "shell/support/fake_libraries.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "library/library_table.h"

namespace {

constexpr size_t kHeaderSize = 76;
constexpr size_t kBlockData = 128;

void appendInt16(std::vector<uint8_t>& bytes, int value) {
  bytes.push_back(static_cast<uint8_t>(value & 0xFF));
  bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// One square as four entries: a black polygon (opcode 2) and three
// continuation points; y is upward in the file.
std::vector<uint8_t> squareEntries(int side) {
  std::vector<uint8_t> entries;
  const int corners[4][2] = {{0, 0}, {side, 0}, {side, -side}, {0, -side}};
  for (int i = 0; i < 4; ++i) {
    appendInt16(entries, corners[i][0]);
    appendInt16(entries, corners[i][1]);
    appendInt16(entries, i == 0 ? 2 : 0);
  }
  return entries;
}

std::vector<uint8_t> libraryImage(int library) {
  std::vector<uint8_t> header(kHeaderSize, 0);
  std::vector<uint8_t> stream;
  for (int k = 0; k < kSymbolsPerLibrary; ++k) {
    int symbol = library * kSymbolsPerLibrary + k;
    std::vector<uint8_t> entries = squareEntries(fakeSymbolSide(symbol));
    stream.insert(stream.end(), entries.begin(), entries.end());
    // End position: one more than the 16-bit words of the stream so far.
    int end = 1 + static_cast<int>(stream.size() / 2);
    header[4 + 2 * k] = static_cast<uint8_t>(end & 0xFF);
    header[5 + 2 * k] = static_cast<uint8_t>(end >> 8);
    std::string name = "s" + std::to_string(symbol);
    std::copy(name.begin(), name.end(), header.begin() + 24 + 5 * k);
  }
  std::vector<uint8_t> file = header;
  for (size_t p = 0; p < stream.size(); p += kBlockData) {
    size_t length = std::min(kBlockData, stream.size() - p);
    file.insert(file.end(), stream.begin() + p, stream.begin() + p + length);
    file.push_back(0);  // two bytes after each block that are not data
    file.push_back(0);
  }
  return file;
}

}  // namespace

int fakeSymbolSide(int symbol) { return 4 + symbol % 10; }

bool writeFakeLibraries(const std::string& directory) {
  for (int library = 0; library < kLibraryCount; ++library) {
    std::vector<uint8_t> image = libraryImage(library);
    std::ofstream file(std::filesystem::path(directory) / libraryFileName(library),
                       std::ios::binary);
    file.write(reinterpret_cast<const char*>(image.data()), image.size());
    if (!file) return false;
  }
  return true;
}

std::string testLibraryDirectory(const std::string& fallbackDirectory) {
  std::filesystem::path built = std::filesystem::path(MELIBRON_BINARY_DIR) / "lib";
  if (std::filesystem::exists(built / "libra.drw")) return built.string();
  writeFakeLibraries(fallbackDirectory);
  return fallbackDirectory;
}
