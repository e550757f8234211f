// Creating a file for writing with a few retries, each failure shown to the person.
#pragma once

#include <fstream>
#include <string>

#include "report/interaction.h"

namespace vx11 {

inline constexpr int kCreateAttempts = 3;

// The program's text for a failed creation: "Schreibschutz entfernen !" when the file or its
// medium is write-protected, else "I/O-Error " and the system's error number.
std::string create_error_text(int error_number);

// A file that could not be written in full: its name, that an older file of that name is unchanged,
// and the error text.
std::string not_written_text(const std::string& path, int error_number);

// Opens `path` for binary writing (truncating). Each failed attempt shows the error text; after
// `attempts` failures it shows that the file could not be created and returns false.
bool create_file(std::ofstream& out, const std::string& path, Interaction& ui, int attempts = kCreateAttempts);

}  // namespace vx11
