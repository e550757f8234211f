// Opening and saving input data files: name resolution, the save and open dialogs, the overwrite
// check, the archive mode, the template "null", and saving that never destroys the previous file.
#pragma once

#include <string>

#include "calc/connection_record.h"
#include "docu/documentation.h"
#include "base/identity.h"
#include "project/session.h"
#include "base/format_settings.h"
#include "base/interaction.h"

namespace vx11 {

namespace help {
inline constexpr int kOverwriteQuestion = 3055;
}

struct InputFileContext {
  ConnectionRecord& rec;  // the inputs and the abort flag
  Documentation& doc;
  const FormatSettings& format;  // decimals and separator of the real lines
  Interaction& ui;
  int& help_number;
  Session& session;
  const ProgramIdentity& id;
};

// The configuration entries the file commands read.
struct InputFileOptions {
  bool archive_mode = false;  // "Archive Flag ?"
  std::string owner_line;     // the free fourth line of a written file
};

// Writes the inputs under `name`: without "." it goes to the data directory with the data
// extension, with "." it is used as given, empty opens the save dialog. Sets `cancelled` when the
// name is refused or the write fails; does nothing when `cancelled` is set after the name is resolved.
// `ask_overwrite` false is the command Save.
void write_input_file(InputFileContext& ctx, const std::string& name, const InputFileOptions& options,
                      bool ask_overwrite = true);

// Reads `name` (resolved as for writing; empty opens the open dialog) into the record and the
// documentation. A missing or unreadable file, and one that ends before the last input line, leave
// both untouched and set `cancelled`; a file that ends within the documentation is taken with empty
// documentation from there on, and says so.
void read_input_file(InputFileContext& ctx, const std::string& name);

// Reads the template "null" of the data directory when it exists and clears the current file name.
bool read_template_file(InputFileContext& ctx);

// The check before a file is written: an existing file needs a Yes (unless `ask` is false or the
// name contains "aktuell"); a name that cannot be created is refused with a message. Sets
// `cancelled` and returns false when the name must not be written.
bool check_overwrite(InputFileContext& ctx, const std::string& path, bool ask);

// The full path that `name` stands for (without "." in the data directory with the extension).
std::string resolve_input_path(const Session& session, const std::string& name);

}  // namespace vx11
