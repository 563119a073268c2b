#include "cli/output_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "score/score_input.h"

namespace fs = std::filesystem;

namespace {

bool isPageFile(const fs::path& path) {
  std::string extension = lowerCaseExtension(path.string());
  return extension == ".mus" || extension == ".pmx";
}

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The path that names the same file however it was written, so that
// "out/a.png", "out//a.png" and a link to it compare equal.
std::string fileKey(const std::string& path) {
  std::error_code status;
  fs::path canonical = fs::weakly_canonical(path, status);
  if (status) canonical = fs::absolute(path, status).lexically_normal();
  return canonical.string();
}

template <typename Iterator>
bool walkFolder(Iterator entries, const fs::path& folder, std::vector<PageInput>* found,
                std::string* error) {
  std::error_code status;
  for (; !status && entries != Iterator(); entries.increment(status)) {
    std::error_code typeStatus;
    if (!entries->is_regular_file(typeStatus) || !isPageFile(entries->path())) continue;
    fs::path relative = entries->path().lexically_relative(folder);
    found->push_back({entries->path().string(), relative.replace_extension().string()});
  }
  if (status) *error = folder.string() + ": " + status.message();
  return !status;
}

bool collectFolder(const fs::path& folder, bool recursive, std::vector<PageInput>* pages,
                   std::string* error) {
  std::vector<PageInput> found;
  std::error_code status;
  bool walked =
      recursive
          ? walkFolder(fs::recursive_directory_iterator(folder, status), folder, &found, error)
          : walkFolder(fs::directory_iterator(folder, status), folder, &found, error);
  if (status) {
    *error = folder.string() + ": " + status.message();
    return false;
  }
  if (!walked) return false;
  std::sort(found.begin(), found.end(), [](const PageInput& a, const PageInput& b) {
    return naturalLess(a.relative, b.relative);
  });
  pages->insert(pages->end(), found.begin(), found.end());
  return true;
}

}  // namespace

bool isFolderOutput(const std::string& output) {
  std::error_code status;
  return (!output.empty() && output.back() == '/') || fs::is_directory(output, status);
}

bool namesSeveralPages(const std::vector<std::string>& inputs) {
  return inputs.size() > 1 ||
         std::any_of(inputs.begin(), inputs.end(), [](const std::string& input) {
           std::error_code status;
           return fs::is_directory(input, status);
         });
}

bool naturalLess(const std::string& a, const std::string& b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      size_t aStart = i;
      size_t bStart = j;
      while (aStart < a.size() && a[aStart] == '0') ++aStart;
      while (bStart < b.size() && b[bStart] == '0') ++bStart;
      size_t aEnd = aStart;
      size_t bEnd = bStart;
      while (aEnd < a.size() && isDigit(a[aEnd])) ++aEnd;
      while (bEnd < b.size() && isDigit(b[bEnd])) ++bEnd;
      if (aEnd - aStart != bEnd - bStart) return aEnd - aStart < bEnd - bStart;
      int order = a.compare(aStart, aEnd - aStart, b, bStart, bEnd - bStart);
      if (order != 0) return order < 0;
      i = aEnd;
      j = bEnd;
    } else if (a[i] != b[j]) {
      return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
    } else {
      ++i;
      ++j;
    }
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;  // equal numbers written with different zeros
}

bool collectPages(const std::vector<std::string>& inputs, bool recursive,
                  std::vector<PageInput>* pages, std::string* error) {
  pages->clear();
  for (const std::string& input : inputs) {
    std::error_code status;
    if (fs::is_directory(input, status)) {
      if (!collectFolder(input, recursive, pages, error)) return false;
    } else {
      pages->push_back({input, fs::path(input).stem().string()});
    }
  }
  return true;
}

bool planOutputs(const std::vector<PageInput>& pages, const std::string& folder,
                 const std::string& extension, std::vector<PageJob>* jobs, std::string* error) {
  jobs->clear();
  std::map<std::string, std::string> inputs;  // key -> input as given
  for (const PageInput& page : pages) inputs.emplace(fileKey(page.path), page.path);
  std::map<std::string, const PageInput*> outputs;
  for (const PageInput& page : pages) {
    std::string output = (fs::path(folder) / (page.relative + extension)).string();
    std::string key = fileKey(output);
    auto input = inputs.find(key);
    if (input != inputs.end()) {
      *error = "'" + output + "' would be written over the input '" + input->second +
               "'; nothing was written";
      return false;
    }
    auto [earlier, added] = outputs.emplace(key, &page);
    if (!added) {
      *error = "'" + earlier->second->path + "' and '" + page.path +
               "' would both be written to '" + output + "'; nothing was written";
      return false;
    }
    jobs->push_back({page.path, output});
  }
  return true;
}
