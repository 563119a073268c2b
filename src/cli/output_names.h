// Naming the outputs of a batch conversion: the pages that folders hold, and
// each page's file in the output folder.
#pragma once

#include <string>
#include <vector>

// True when an -o output names a folder: it ends in '/' or is a directory.
bool isFolderOutput(const std::string& output);

// True when the inputs name more than one page: several, or a folder.
bool namesSeveralPages(const std::vector<std::string>& inputs);

struct PageInput {
  std::string path;      // as given, or found in a given folder
  std::string relative;  // its output's path under the output folder, without extension
};

// The pages of the inputs, in the order given: a file as it is (a missing
// one fails when it is converted); a folder's .mus and .pmx files, in any
// case, in natural name order ("p2" before "p10"), with those of its
// subfolders when recursive, which keep their place under the output folder.
// Returns false with *error set when a folder cannot be read.
bool collectPages(const std::vector<std::string>& inputs, bool recursive,
                  std::vector<PageInput>* pages, std::string* error);

struct PageJob {
  std::string input;
  std::string output;
};

// Each page's output: folder / relative + extension. Returns false with
// *error set, before anything is written, when two pages would be written to
// the same file or an output would replace an input.
bool planOutputs(const std::vector<PageInput>& pages, const std::string& folder,
                 const std::string& extension, std::vector<PageJob>* jobs, std::string* error);

// True when a comes before b in natural order: runs of digits compare by
// their numbers, everything else byte by byte.
bool naturalLess(const std::string& a, const std::string& b);
