// Writes a generated dense page of COUNT items as a .mus file, for listing
// comparisons and whole-process timing. Usage: make_dense_page COUNT OUT.mus
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_pages.h"
#include "score/mus_file.h"

int main(int argc, char** argv) {
  int count = argc == 3 ? std::atoi(argv[1]) : 0;
  if (count < 10) {
    std::fprintf(stderr, "usage: make_dense_page COUNT OUT.mus (COUNT at least 10)\n");
    return 2;
  }
  // Through the reader and the writer, so the file is one the program wrote.
  std::string error;
  Document document;
  if (!readMusImage(pageImage(densePageItems(count)), document, &error) ||
      !writeMusFile(argv[2], document, &error)) {
    std::fprintf(stderr, "make_dense_page: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
