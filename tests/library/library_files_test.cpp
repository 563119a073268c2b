#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "library/drw_writer.h"
#include "library/library_table.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

// Library L holds symbols named "L.k" with one entry (L, k, 1) each.
std::vector<uint8_t> numberedLibrary(int library) {
  std::vector<DrwSymbol> symbols;
  for (int k = 0; k < 10; ++k) {
    symbols.push_back({std::to_string(library) + "." + std::to_string(k),
                       {{static_cast<int16_t>(library), static_cast<int16_t>(k), 1}}});
  }
  return drwImage(symbols);
}

class LibraryFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& slot : libraryTable) slot.reset();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    directory_ = fs::temp_directory_path() /
                 ("melibron-lib-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
    fs::create_directories(directory_);
    for (int library = 0; library < kLibraryCount; ++library) {
      writeFile(directory_ / libraryFileName(library), numberedLibrary(library));
    }
  }
  void TearDown() override { fs::remove_all(directory_); }
  fs::path directory_;
};

TEST_F(LibraryFilesTest, LoadsAllTwentyFiles) {
  std::string error;
  ASSERT_TRUE(loadLibraries(directory_.string(), &error)) << error;
  for (int n = 0; n < kSymbolCount; ++n) {
    const LibrarySymbol* symbol = findLibrarySymbol(n);
    ASSERT_NE(symbol, nullptr) << "symbol " << n;
    ASSERT_EQ(symbol->vectors.size(), 1u) << "symbol " << n;
    EXPECT_EQ(symbol->vectors[0].x, n / 10) << "symbol " << n;
    EXPECT_EQ(symbol->vectors[0].y, -(n % 10)) << "symbol " << n;
  }
  // Symbol 44 is the fifth symbol of libre.drw.
  EXPECT_STREQ(std::string(findLibrarySymbol(44)->name, 5).c_str(), "4.4");
}

TEST_F(LibraryFilesTest, MissingLastFileFailsAfterNineteen) {
  fs::remove(directory_ / "librt.drw");
  std::string error;
  EXPECT_FALSE(loadLibraries(directory_.string(), &error));
  EXPECT_EQ(error, "Unable to open library files in " + directory_.string() + " directory");
  for (int n = 0; n < 190; ++n) EXPECT_NE(findLibrarySymbol(n), nullptr) << "symbol " << n;
  for (int n = 190; n < 200; ++n) EXPECT_EQ(findLibrarySymbol(n), nullptr) << "symbol " << n;
}

TEST_F(LibraryFilesTest, DirectoryInPlaceOfAFileFails) {
  fs::remove(directory_ / "libra.drw");
  fs::create_directory(directory_ / "libra.drw");
  std::string error;
  EXPECT_FALSE(loadLibraries(directory_.string(), &error));
  EXPECT_NE(error.find(directory_.string()), std::string::npos) << error;
}

TEST_F(LibraryFilesTest, LongFileKeepsEveryReachableEntry) {
  // The longest symbol 16-bit end positions allow, followed by far more data
  // than any symbol can reach.
  const int reachable = (32767 - 1) / 3;
  std::vector<DrwEntry> entries;
  for (int i = 0; i < 3 * reachable; ++i) {
    entries.push_back({static_cast<int16_t>(i % 30000), 0, 1});
  }
  std::vector<uint8_t> stream = drwStream(entries);
  writeFile(directory_ / "libra.drw", drwFile({32767}, {"long"}, stream));
  std::string error;
  ASSERT_TRUE(loadLibraries(directory_.string(), &error)) << error;
  const LibrarySymbol& symbol = *findLibrarySymbol(0);
  ASSERT_EQ(symbol.vectors.size(), static_cast<size_t>(reachable));
  EXPECT_EQ(symbol.vectors.back().x, (reachable - 1) % 30000);
}

}  // namespace
