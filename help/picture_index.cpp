#include "help/picture_index.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "help/help_paths.h"
#include "base/file_create.h"
#include "base/safe_file.h"
#include "base/text.h"
#include "base/value_lines.h"

namespace vx11 {

namespace {

// One quoted field from `pos`; false when it starts with neither a quotation mark nor the line end.
bool readField(const std::string& line, std::size_t& pos, std::string& field) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  field.clear();
  if (pos >= line.size()) return true;
  if (line[pos] != '"') {
    field = line.substr(pos);
    pos = line.size();
    return false;
  }
  const std::size_t close = line.find('"', pos + 1);
  if (close == std::string::npos) {
    field = line.substr(pos + 1);
    pos = line.size();
    return true;
  }
  field = line.substr(pos + 1, close - pos - 1);
  pos = close + 1;
  while (pos < line.size() && line[pos] == ' ') ++pos;
  if (pos < line.size() && line[pos] == ',') ++pos;
  return true;
}

const char* const kActionTexts[kPictureActionCount] = {
    "-----  Erweitern  -----",
    "-----  L\x94schen  -----",
    "-----  \x8Endern  ------",
    "-----  Einf\x81gen ------",
    "-----  HP-GL/2 drucken/plotten  ------",
};

}  // namespace

bool parseIndexLine(const std::string& line, PictureIndexEntry& entry) {
  std::size_t pos = 0;
  const bool name_ok = readField(line, pos, entry.name);
  const bool info_ok = readField(line, pos, entry.info);
  return name_ok && info_ok;
}

namespace {

// A quotation mark would end the field early and a line end would split the entry.
std::string fieldText(std::string text) {
  for (char& c : text) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

std::string indexLine(const PictureIndexEntry& entry) {
  return "\"" + fieldText(entry.name) + "\",\"" + fieldText(entry.info) + "\"";
}

PictureIndex readPictureIndex(std::istream& in) {
  PictureIndex index;
  ValueLineReader reader(in);
  std::string line;
  while (static_cast<int>(index.entries.size()) < kMaxIndexLines && reader.next(line)) {
    PictureIndexEntry entry;
    if (!parseIndexLine(line, entry)) index.malformed = true;
    index.entries.push_back(std::move(entry));
  }
  return index;
}

std::vector<std::string> pictureListEntries(const PictureIndex& index) {
  std::vector<std::string> list;
  for (const PictureIndexEntry& e : index.entries)
    list.push_back(leftPart(padRight(e.name, 8) + ": " + e.info, kMaxPictureListText));
  for (const char* action : kActionTexts) list.emplace_back(action);
  return list;
}

std::optional<PictureAction> listAction(const PictureIndex& index, int pos) {
  const int k = pos - static_cast<int>(index.entries.size());
  if (k < 0 || k >= kPictureActionCount) return std::nullopt;
  return static_cast<PictureAction>(k + 1);
}

void appendIndexLine(std::ostream& out, const PictureIndexEntry& entry) { writeTextLine(out, indexLine(entry)); }

bool rewriteIndex(std::istream& in, std::ostream& out, int line, const PictureIndexEntry* replacement,
                  const PictureIndexEntry* insert_before) {
  std::vector<std::string> lines;
  ValueLineReader reader(in);
  std::string text;
  while (reader.next(text)) lines.push_back(text);
  if (line < 0 || line >= static_cast<int>(lines.size()) || line >= kMaxIndexLines) return false;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (i != line) {
      writeTextLine(out, lines[i]);
      continue;
    }
    if (insert_before) {
      appendIndexLine(out, *insert_before);
      writeTextLine(out, lines[i]);
    } else if (replacement) {
      appendIndexLine(out, *replacement);
    }
  }
  return true;
}

std::string PictureIndexFile::path() const { return helpFolderFile(folder, lower_name + ".dbh"); }

bool PictureIndexFile::exists() const { return static_cast<bool>(std::ifstream(path(), std::ios::binary)); }

std::optional<PictureIndex> PictureIndexFile::read(Interaction& ui) const {
  std::ifstream in(path(), std::ios::binary);
  if (!in) return std::nullopt;
  PictureIndex index = readPictureIndex(in);
  if (index.malformed) ui.message(kCaptionError, kIndexFormatError);
  return index;
}

namespace {

bool fail(Interaction& ui, const std::string& text) {
  ui.message(kCaptionError, text);
  return false;
}

}  // namespace

bool PictureIndexFile::append(const PictureIndexEntry& entry, Interaction& ui) const {
  // A last line without its line end would otherwise run into the new one.
  bool open_line = false;
  if (std::ifstream in{path(), std::ios::binary | std::ios::ate}; in && in.tellg() > 0) {
    in.seekg(-1, std::ios::end);
    open_line = in.get() != '\n';
  }
  std::ofstream out(path(), std::ios::binary | std::ios::app);
  if (out && open_line) writeTextLine(out, "");
  if (out) appendIndexLine(out, entry);
  out.flush();
  if (!out) return fail(ui, fileNotWrittenText(path()));
  return true;
}

bool PictureIndexFile::rewrite(int line, const PictureIndexEntry* replacement,
                               const PictureIndexEntry* insert_before, Interaction& ui) const {
  std::ifstream in(path(), std::ios::binary);
  if (!in) return fail(ui, fileNotFoundText(path()));
  // The new index is complete in memory before anything on disk changes.
  std::ostringstream text;
  if (!rewriteIndex(in, text, line, replacement, insert_before)) return false;
  in.close();
  if (const int err = replace_file(path(), text.view()); err != 0)
    return fail(ui, fileNotWrittenText(path()) + "  " + create_error_text(err));
  return true;
}

bool PictureIndexFile::remove(int line, Interaction& ui) const {
  return rewrite(line, nullptr, nullptr, ui);
}

bool PictureIndexFile::change(int line, const PictureIndexEntry& entry, Interaction& ui) const {
  return rewrite(line, &entry, nullptr, ui);
}

bool PictureIndexFile::insert(int before, const PictureIndexEntry& entry, Interaction& ui) const {
  return rewrite(before, nullptr, &entry, ui);
}

}  // namespace vx11
