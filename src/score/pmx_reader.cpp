#include "score/pmx_reader.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "score/image_builder.h"
#include "score/item_table.h"
#include "score/mus_file.h"
#include "score/whole_file.h"

namespace {

// A text line lists P2 .. P13 at most.
constexpr size_t kMaxTextLineNumbers = kTextFirstParam - 2;

struct Line {
  int number;
  std::string text;
};

// Lines without their CR LF or LF ends; a final line end closes no extra line.
std::vector<Line> splitLines(const std::string& listing) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < listing.size()) {
    size_t end = listing.find('\n', start);
    if (end == std::string::npos) end = listing.size();
    std::string text = listing.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    lines.push_back({static_cast<int>(lines.size()) + 1, text});
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> tokensOf(const std::string& text) {
  std::vector<std::string> tokens;
  size_t at = 0;
  while (true) {
    at = text.find_first_not_of(" \t", at);
    if (at == std::string::npos) return tokens;
    size_t end = text.find_first_of(" \t", at);
    if (end == std::string::npos) end = text.size();
    tokens.push_back(text.substr(at, end - at));
    at = end;
  }
}

std::string lineError(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

// Parses one number in the C locale whatever the process locale is.
bool parseNumber(const std::string& token, int line, float* value, std::string* error) {
  double parsed = 0.0;
  const char* end = token.data() + token.size();
  std::from_chars_result result = std::from_chars(token.data(), end, parsed);
  if (result.ec == std::errc::result_out_of_range ||
      (result.ec == std::errc() && std::isfinite(parsed) && std::fabs(parsed) > FLT_MAX)) {
    *error = lineError(line, "number out of range: " + token);
    return false;
  }
  if (result.ec != std::errc() || result.ptr != end) {
    *error = lineError(line, "not a number: " + token);
    return false;
  }
  *value = static_cast<float>(parsed);
  return true;
}

bool parseNumbers(const std::vector<std::string>& tokens, size_t first, int line,
                  std::vector<float>* values, std::string* error) {
  for (size_t k = first; k < tokens.size(); ++k) {
    float value = 0.0f;
    if (!parseNumber(tokens[k], line, &value, error)) return false;
    values->push_back(value);
  }
  return true;
}

// P1 = 16, P2 .. from the line (absent ones 0), P12 = the character count,
// P13 from the line when given; then the characters padded to a word.
void appendTextItem(std::vector<uint8_t>& image, const std::vector<float>& listed,
                    const std::string& characters) {
  std::vector<float> params(kTextFirstParam - 1, 0.0f);
  params[0] = static_cast<float>(kTextCode);
  for (size_t k = 0; k < listed.size(); ++k) params[k + 1] = listed[k];
  params[kTextLengthParam - 1] = static_cast<float>(characters.size());
  const size_t textWords = (characters.size() + 3) / 4;
  appendFloatWord(image, static_cast<float>(params.size() + textWords));
  for (float p : params) appendFloatWord(image, p);
  image.insert(image.end(), characters.begin(), characters.end());
  image.insert(image.end(), 4 * textWords - characters.size(), ' ');
}

void appendPlainItem(std::vector<uint8_t>& image, const std::vector<float>& params) {
  appendFloatWord(image, static_cast<float>(params.size()));
  for (float p : params) appendFloatWord(image, p);
}

// The data area may not outgrow what the 16-bit word count can describe,
// trailer included; checked per item so the message names the line.
bool withinWordLimit(const std::vector<uint8_t>& image, int line, std::string* error) {
  constexpr size_t kTrailerWords = 6;
  if ((image.size() - 2) / 4 + kTrailerWords <= static_cast<size_t>(kMaxWordCount)) return true;
  *error = lineError(
      line, "more words than a SCORE file can hold (" + std::to_string(kMaxWordCount) + ")");
  return false;
}

}  // namespace

bool pmxFileImage(const std::string& listing, std::vector<uint8_t>* image, std::string* error) {
  std::vector<Line> lines = splitLines(listing);
  std::vector<uint8_t> out = {0, 0};
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    std::vector<std::string> tokens = tokensOf(line.text);
    if (tokens.empty()) continue;
    std::vector<float> values;
    const bool text = tokens[0] == "t";
    if (!parseNumbers(tokens, text ? 1 : 0, line.number, &values, error)) return false;
    if (!text) {
      appendPlainItem(out, values);
    } else if (values.size() > kMaxTextLineNumbers) {
      *error = lineError(line.number, "too many numbers for a text item");
      return false;
    } else if (i + 1 == lines.size()) {
      *error = lineError(line.number, "text item without its line of characters");
      return false;
    } else {
      appendTextItem(out, values, lines[++i].text);
    }
    if (!withinWordLimit(out, line.number, error)) return false;
  }
  appendWrittenTrailer(out);
  if (!storeWordCount(out, error)) return false;
  *image = std::move(out);
  return true;
}

bool readPmxText(const std::string& listing, Document& document, std::string* error) {
  std::vector<uint8_t> image;
  if (!pmxFileImage(listing, &image, error)) return false;
  return readMusImage(std::move(image), document, error);
}

bool readPmxFileBytes(FileReadResult read, const std::vector<uint8_t>& bytes,
                      const std::string& path, Document& document, std::string* error) {
  switch (read) {
    case FileReadResult::kRead:
      return readPmxText(std::string(bytes.begin(), bytes.end()), document, error);
    case FileReadResult::kTooLarge:
      *error = "File " + path + " is too large to be a PMX listing (more than " +
               std::to_string(kMaxListingSize) + " bytes)";
      return false;
    case FileReadResult::kCannotOpen: *error = "Unable to open file " + path; return false;
    case FileReadResult::kCannotRead: break;
  }
  *error = "Unable to read file " + path;
  return false;
}

bool readPmxFile(const std::string& path, Document& document, std::string* error) {
  std::vector<uint8_t> bytes;
  FileReadResult read = readWholeFile(path, kMaxListingSize, &bytes);
  return readPmxFileBytes(read, bytes, path, document, error);
}
