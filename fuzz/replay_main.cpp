// Replays stored inputs through a harness without libFuzzer, so that every
// test build runs the seed corpus and the regression cases.
// Usage: <harness> FILE_OR_FOLDER...
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace fs = std::filesystem;

namespace {

// Files named on the command line, and the files of named folders in name
// order so that a failing run is easy to repeat.
std::vector<fs::path> inputFiles(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    fs::path path = argv[i];
    if (!fs::is_directory(path)) {
      files.push_back(path);
      continue;
    }
    std::vector<fs::path> inFolder;
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
      if (entry.is_regular_file()) inFolder.push_back(entry.path());
    }
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

bool readFile(const fs::path& path, std::vector<uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> files = inputFiles(argc, argv);
  // A replay that runs nothing must not pass for one that found nothing.
  if (files.empty()) {
    std::fprintf(stderr, "%s: no inputs to replay\n", argv[0]);
    return 1;
  }
  for (const fs::path& file : files) {
    std::vector<uint8_t> bytes;
    if (!readFile(file, &bytes)) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 1;
    }
    std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::printf("%zu inputs replayed\n", files.size());
  return 0;
}
