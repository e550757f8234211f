// File names inside the help-picture folder and the texts for failed file access.
#pragma once

#include <string>

#include "base/text.h"

namespace vx11 {

// folder + "/" + name; the name alone for an empty folder (the current one).
inline std::string helpFolderFile(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// "<folder>/<name>.plt"; names written in capitals (as on DOS) also find the lower-case file.
std::string pictureFilePath(const std::string& folder, const std::string& name);

// The text shown when a help file or help picture cannot be opened.
inline std::string fileNotFoundText(const std::string& path) {
  return "Datei " + nameText(path) + " nicht gefunden" + " !";
}

// The text shown when writing a file failed after it was opened.
inline std::string fileNotWrittenText(const std::string& path) {
  return "Datei " + nameText(path) + " kann nicht geschrieben werden !";
}

}  // namespace vx11
