// Running the command line in-process, and the files it works on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// runCommandLine with the given arguments, capturing both streams.
CliResult runCli(const std::vector<std::string>& args);

// Writes bytes to directory/name and returns the path.
std::string writeFile(const std::string& directory, const std::string& name,
                      const std::vector<uint8_t>& bytes);

// The whole content of a file, or an empty vector when it cannot be read.
std::vector<uint8_t> readFile(const std::string& path);

// Names of the entries of a directory, sorted.
std::vector<std::string> directoryEntries(const std::string& directory);
