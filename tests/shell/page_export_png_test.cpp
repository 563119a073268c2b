// PNG pages are written in the smallest format that holds them; read back,
// they must have exactly the pixels that were painted.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>

#include "library/library_table.h"
#include "score/mus_file.h"
#include "shell/page_export.h"
#include "shell/support/fake_libraries.h"

namespace {

TEST(PagePng, ReadsBackAsPainted) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  std::string root = directory.path().toStdString();
  std::filesystem::create_directories(root + "/lib");
  std::string error;
  ASSERT_TRUE(loadLibraries(testLibraryDirectory(root + "/lib"), &error)) << error;
  ASSERT_TRUE(readMusFile(MELIBRON_SOURCE_DIR "/examples/demo.mus", &error)) << error;
  struct Row {
    const char* name;
    PageOptions options;
    QImage::Format written;  // black and white pages take one bit a pixel
  };
  const Row rows[] = {
      {"aliased", {96, 1.0, false}, QImage::Format_Mono},
      {"antialiased", {72, 1.5, true}, QImage::Format_Grayscale8},
  };
  for (const Row& row : rows) {
    std::string path = root + "/" + row.name + ".png";
    ASSERT_TRUE(exportPage(path, PageFormat::kPng, row.options, &error)) << row.name << ": " << error;
    QImage painted(pageSize(row.options), QImage::Format_RGB32);
    QPainter painter(&painted);
    paintPage(painter, painted.size(), row.options.antialias);
    painter.end();
    QImage read(QString::fromStdString(path));
    EXPECT_EQ(read.format(), row.written) << row.name;
    EXPECT_TRUE(read.convertToFormat(QImage::Format_RGB32) == painted) << row.name;
  }
}

}  // namespace
