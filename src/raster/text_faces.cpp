#include "raster/text_faces.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPackageFolder = "opentype/urw-base35";
constexpr std::array<const char*, 4> kNimbusFiles = {
    "NimbusRoman-Regular.otf", "NimbusRoman-Bold.otf", "NimbusRoman-Italic.otf",
    "NimbusRoman-BoldItalic.otf"};
constexpr std::array<const char*, 3> kSerifFiles = {"DejaVuSerif.ttf",
                                                    "LiberationSerif-Regular.ttf", "FreeSerif.ttf"};

std::string findBelow(const std::string& folder, const std::string& name) {
  std::error_code error;
  fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied,
                                        error);
  for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
    if (walk->path().filename() == name && walk->is_regular_file(error)) return walk->path();
  }
  return {};
}

std::string findFile(const std::vector<std::string>& folders, const std::string& name) {
  std::error_code error;
  for (const std::string& folder : folders) {
    fs::path packaged = fs::path(folder) / kPackageFolder / name;
    if (fs::is_regular_file(packaged, error)) return packaged;
  }
  for (const std::string& folder : folders) {
    std::string found = findBelow(folder, name);
    if (!found.empty()) return found;
  }
  return {};
}

void warnFallback(const TextFaceFiles& faces) {
  std::cerr << "melibron: the font family 'Nimbus Roman' is not installed (Debian package "
               "fonts-urw-base35); text is "
            << (faces.of(FontStyle::kRoman).empty()
                    ? "not drawn, no serif font was found either\n"
                    : "drawn in the nearest serif font, with other widths than SCORE's\n");
}

}  // namespace

std::vector<std::string> standardFontFolders() {
  std::vector<std::string> folders;
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  if (data != nullptr && *data != '\0') {
    folders.push_back(std::string(data) + "/fonts");
  } else if (home != nullptr && *home != '\0') {
    folders.push_back(std::string(home) + "/.local/share/fonts");
  }
  if (home != nullptr && *home != '\0') folders.push_back(std::string(home) + "/.fonts");
  folders.push_back("/usr/local/share/fonts");
  folders.push_back("/usr/share/fonts");
  return folders;
}

TextFaceFiles findTextFaces(const std::vector<std::string>& folders) {
  TextFaceFiles faces;
  for (size_t style = 0; style < kNimbusFiles.size(); ++style) {
    faces.files[style] = findFile(folders, kNimbusFiles[style]);
  }
  std::string& roman = faces.files[0];
  for (const char* serif : kSerifFiles) {
    if (!roman.empty()) break;
    roman = findFile(folders, serif);
    faces.fallback = true;
  }
  for (std::string& file : faces.files) {
    if (file.empty()) {
      file = roman;
      faces.fallback = true;
    }
  }
  return faces;
}

const TextFaceFiles& textFaces() {
  static const TextFaceFiles faces = [] {
    TextFaceFiles found = findTextFaces(standardFontFolders());
    if (found.fallback) warnFallback(found);
    return found;
  }();
  return faces;
}
