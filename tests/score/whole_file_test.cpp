#include "score/whole_file.h"

#include <gtest/gtest.h>

#include "score/file_replace.h"
#include "score/score_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(WholeFile, ReadsAtMostTheLimit) {
  std::filesystem::path folder = scratchFolder("whole-file");
  const Bytes page = {1, 2, 3, 4, 5};
  writeBytes(folder / "page", page);
  struct Row {
    const char* name;
    std::string path;
    size_t limit;
    FileReadResult result;
    Bytes bytes;
  };
  const Row rows[] = {
      {"whole file", (folder / "page").string(), 5, FileReadResult::kRead, page},
      {"limit above the size", (folder / "page").string(), 1000, FileReadResult::kRead, page},
      {"one byte too many", (folder / "page").string(), 4, FileReadResult::kTooLarge, {1, 2, 3, 4}},
      {"empty limit", (folder / "page").string(), 0, FileReadResult::kTooLarge, {}},
      {"endless file", "/dev/zero", 70000, FileReadResult::kTooLarge, Bytes(70000, 0)},
      {"missing file", (folder / "none").string(), 10, FileReadResult::kCannotOpen, {}},
      {"directory", folder.string(), 10, FileReadResult::kCannotOpen, {}},
  };
  for (const Row& row : rows) {
    Bytes bytes = {9};
    EXPECT_EQ(readWholeFile(row.path, row.limit, &bytes), row.result) << row.name;
    EXPECT_EQ(bytes, row.bytes) << row.name;
  }
  std::filesystem::remove_all(folder);
}

TEST(FileReplace, ReplacesWholeOrLeavesThePathAsItWas) {
  std::filesystem::path folder = scratchFolder("replace");
  const std::string path = (folder / "out").string();
  std::string error;
  std::string reason;
  ASSERT_TRUE(replaceFileContents(path, "new", 3, &error, &reason)) << error;
  EXPECT_EQ(fileBytes(path), (Bytes{'n', 'e', 'w'}));

  const std::string missing = (folder / "none" / "out").string();
  EXPECT_FALSE(replaceFileContents(missing, "x", 1, &error, &reason));
  EXPECT_EQ(error, "Unable to create file " + missing);
  EXPECT_EQ(reason, "No such file or directory");

  // A folder in the way: the temporary file is written, the rename fails.
  std::filesystem::create_directories(folder / "taken");
  const std::string taken = (folder / "taken").string();
  EXPECT_FALSE(replaceFileContents(taken, "x", 1, &error));
  EXPECT_EQ(error, "Unable to write file " + taken);
  EXPECT_FALSE(std::filesystem::exists(taken + ".part"));
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  std::filesystem::remove_all(folder);
}

}  // namespace
