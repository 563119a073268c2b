// A temporary folder with fake symbol libraries and a small score in it.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/mus_bytes.h"

class CliFixture : public ::testing::Test {
 protected:
  void SetUp() override;

  // Writes a score of the given items into the folder; returns its path.
  std::string score(const std::vector<ItemParams>& items, const std::string& name = "page.mus");
  // A path in the output folder, which holds nothing else.
  std::string output(const std::string& name) const;
  // Names of the files in the output folder.
  std::vector<std::string> outputs() const;

  QTemporaryDir directory_;
  std::string libraries_;  // twenty fake .drw files
  std::string outputDirectory_;
};

// A staff on staff 1 and a final barline at P3 = 50.
std::vector<ItemParams> staffAndBarline();
