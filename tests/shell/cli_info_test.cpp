#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shell/support/cli_run.h"
#include "support/mus_bytes.h"

namespace {

TEST(CliInfo, PrintsTheFileInfoValuesInDialogOrder) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::vector<uint8_t> image =
      musImage({{8, 1}, {1, 1, 10, 5}, {1, 1, 20, 6}, {13, 1}, {99, 1}, {18, 1, 5}, {18.9f, 2, 5}},
               -2, 1.0f);
  std::string path = writeFile(directory.path().toStdString(), "info.mus", image);

  CliResult result = runCli({"--info", path});

  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "Number of items: 7\n"
            "1. Notes: 2\n"
            "2. Rests: 0\n"
            "3. Clefs: 0\n"
            "4. Lines: 0\n"
            "5. Slurs: 0\n"
            "6. Beams: 0\n"
            "7. Trills: 0\n"
            "8. Staves: 1\n"
            "9. Misc. symbols: 0\n"
            "10. Numbers: 0\n"
            "11. Library symbols: 0\n"
            "12. Special shapes: 0\n"
            "13. Dummies: 1\n"
            "14. Barlines: 0\n"
            "15. PostScript: 0\n"
            "16. Text: 0\n"
            "17. Key sigs.: 0\n"
            "18. Time sigs.: 2\n"
            "File size in bytes: " +
                std::to_string(image.size()) +
                "\n"
                "SCORE version: 3\n"
                "SCORE serial number: 4294967294\n"
                "Measurement units: centimetres\n");
}

TEST(CliInfo, EmptyDataAreaShowsZeroCountsAndInches) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::string path = writeFile(directory.path().toStdString(), "empty.mus", musImage({}, 77));

  CliResult result = runCli({"--info", path});

  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Number of items: 0\n"), std::string::npos);
  EXPECT_NE(result.out.find("File size in bytes: 26\n"), std::string::npos);
  EXPECT_NE(result.out.find("SCORE serial number: 77\n"), std::string::npos);
  EXPECT_NE(result.out.find("Measurement units: inches\n"), std::string::npos);
}

}  // namespace
