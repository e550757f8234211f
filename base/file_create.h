// Creating and replacing files for writing, each failure shown to the person.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "base/interaction.h"

namespace vx11 {

inline constexpr int kCreateAttempts = 3;

// The program's text for a failed creation: "Schreibschutz entfernen !" when the file or its
// medium is write-protected, "Programmdiskette einlegen !" when there is no medium, else
// "I/O-Error " and the system's error number.
std::string create_error_text(int error_number);

// A file that could not be written in full: its name, that an older file of that name is unchanged,
// and the error text.
std::string not_written_text(const std::string& path, int error_number);

// Opens `path` for binary writing (truncating). Each failed attempt shows the error text; after
// `attempts` failures it shows that the file could not be created and returns false.
bool create_file(std::ofstream& out, const std::string& path, Interaction& ui, int attempts = kCreateAttempts);

// Replaces the file at `path` by `bytes` through replace_file, so the old file stays whole on any
// failure. A failure shows the error text and asks (captioned `title`) whether to try again, at
// most `attempts` tries in all; the question is the person's way out of a retry that cannot
// succeed. False, after a message saying that the old file is unchanged, when nothing was written.
bool save_file(const std::string& path, std::string_view bytes, Interaction& ui, const std::string& title,
               int attempts = kCreateAttempts);

}  // namespace vx11
