#include "project/json_command.h"

#include <cstring>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <vector>

#include "calc/key_search.h"
#include "calc/permissible_torques.h"
#include "project/batch_run.h"
#include "project/file_batch.h"
#include "base/output_name.h"
#include "base/safe_file.h"
#include "project/result_json.h"
#include "report/result_table.h"
#include "project/result_table_rater.h"
#include "base/text.h"

namespace vx11 {

namespace {

namespace fs = std::filesystem;

// Files written between two flushes to disk in the folder mode: one flush per file would take
// longer than the rating, and a batch bounds what a crash could leave behind.
constexpr std::size_t kFilesPerFlush = 1000;

// One input data file made into its JSON text, or the reason it was not.
struct JsonFile {
  std::string bytes;    // empty: nothing to write
  std::string problem;  // UTF-8; empty when the rating ran through
};

std::string write_problem(const std::string& output, int err) {
  return output + " nicht geschrieben: " + std::strerror(err);
}

// The text of a message box without its caption.
std::string box_text(const std::string& shown) {
  const auto bar = shown.find('|');
  return bar == std::string::npos ? shown : shown.substr(bar + 1);
}

// Reads and rates files as the result table does, and adds the design aids at the targets 1.0.
class JsonMaker {
 public:
  explicit JsonMaker(ProgramState& st) : st_(st), rater_(st.format, st.identity, st.session, st.tables) {}

  JsonFile make(const std::string& path) {
    try {
      return make_unguarded(path);
    } catch (const std::exception& e) {
      return {{}, std::string("Fehler : ") + e.what()};
    }
  }

 private:
  JsonFile make_unguarded(const std::string& path) {
    ConnectionRecord rec;
    set_startup_defaults(rec);
    set_default_materials(rec);
    Documentation doc;
    MessageList messages;
    const FileRating rating = rater_.rate(path, rec, doc, messages);
    // Unread, or read but not rated (a table could not be opened): there is nothing to describe.
    if (!rating.read || (rating.fatal && !rec.fatal_error)) return {{}, cp850ToUtf8(rating.message)};
    std::string problem;
    const std::vector<KeyTableRow>* rows = key_rows(problem);
    if (!rows) return {{}, problem};
    const DesignTargets targets;
    const PermissibleTorques torques = permissible_torques(rec, messages, targets);
    const std::vector<KeyVariant> keys = search_keys(rec, *rows, st_.format, targets);
    const JsonValue json = result_json({st_.identity, path, rec, messages, doc, targets, torques, keys});
    return {json_text(json), rec.fatal_error ? cp850ToUtf8(rating.message) : std::string()};
  }

  // The key table, read once for the whole run.
  const std::vector<KeyTableRow>* key_rows(std::string& problem) {
    if (!rows_) {
      BatchInteraction quiet;
      quiet.echo = false;
      ConnectionRecord scratch;
      MessageList messages;
      int help_number = 0;
      CalcContext ctx{scratch, messages, st_.format, st_.tables, quiet, help_number};
      rows_ = read_key_table(ctx);
      if (!rows_) {
        problem_ = quiet.shown.empty() ? "Tabelle din6888 nicht lesbar" : cp850ToUtf8(box_text(quiet.shown.back()));
        rows_.emplace();
        failed_ = true;
      }
    }
    problem = problem_;
    return failed_ ? nullptr : &*rows_;
  }

  ProgramState& st_;
  ProgramFileRater rater_;
  std::optional<std::vector<KeyTableRow>> rows_;
  bool failed_ = false;
  std::string problem_;
};

int run_single(ProgramState& st, const std::string& input, std::ostream& err) {
  const std::string output = json_output_name(input);
  if (same_file(output, input)) {
    err << input << ": die Ausgabe " << output << " w\xC3\xA4re die Eingabe selbst, nichts geschrieben\n";
    return 1;
  }
  JsonMaker maker(st);
  const JsonFile made = maker.make(input);
  if (made.bytes.empty()) {
    err << input << ": " << made.problem << '\n';
    remove_stale_output(st, output);
    return 1;
  }
  if (const int e = replace_file(output, made.bytes); e != 0) {
    err << write_problem(output, e) << '\n';
    return 1;
  }
  if (!made.problem.empty()) {
    err << input << ": " << made.problem << '\n';
    return 1;
  }
  return 0;
}

// The folder's input data files in name order, without the template of new inputs.
std::vector<InputFileEntry> folder_inputs(const ProgramState& st, const std::string& folder) {
  std::vector<InputFileEntry> files = list_input_files(folder, st.session.data_extension);
  const std::string template_name = "null." + st.session.data_extension;
  std::erase_if(files, [&](const InputFileEntry& f) { return f.name == template_name; });
  return files;
}

int run_folder(ProgramState& st, const std::string& folder, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  fs::directory_iterator probe(folder, ec);
  if (ec) {
    err << folder << ": Ordner nicht lesbar: " << ec.message() << '\n';
    return 1;
  }
  const std::vector<InputFileEntry> files = folder_inputs(st, folder);
  if (files.empty()) {
    err << folder << ": keine Eingabedateien (*." << st.session.data_extension << ")\n";
    return 1;
  }
  struct Line {
    std::string name;
    std::string problem;
    std::string output;
    bool staged = false;
  };
  JsonMaker maker(st);
  FileBatch batch;
  std::vector<Line> lines;
  std::map<std::string, std::string> written_for;  // output -> the input it was made from
  std::size_t failed = 0;
  const auto flush = [&] {
    const std::vector<int> written = batch.commit();
    std::size_t next = 0;
    for (Line& line : lines) {
      if (line.staged)
        if (const int e = written[next++]; e != 0) line.problem = write_problem(line.output, e);
      if (!line.problem.empty()) ++failed;
      out << line.name << ": " << (line.problem.empty() ? "ok" : line.problem) << '\n';
    }
    out.flush();
    lines.clear();
  };
  for (const InputFileEntry& file : files) {
    Line line{file.name, {}, json_output_name(file.path)};
    // "a.vxk" and "a.VXK" both make "a.json": the second would silently replace the first.
    if (const auto [at, fresh] = written_for.emplace(line.output, file.name); !fresh) {
      line.problem = line.output + " geh\xC3\xB6rt schon zu " + at->second + ", nicht geschrieben";
      lines.push_back(std::move(line));
      continue;
    }
    JsonFile made = maker.make(file.path);
    line.problem = std::move(made.problem);
    if (!made.bytes.empty()) {
      if (const int e = batch.stage(line.output, made.bytes); e != 0)
        line.problem = write_problem(line.output, e);
      else
        line.staged = true;
    }
    lines.push_back(std::move(line));
    if (batch.size() >= kFilesPerFlush) flush();
  }
  flush();
  if (failed == 0) return 0;
  err << failed << " von " << files.size() << " Dateien ohne vollst\xC3\xA4ndige Bewertung\n";
  return 1;
}

}  // namespace

std::string json_output_name(const std::string& input) {
  return output_file_name(input, "json");
}

int run_json_command(ProgramState& st, const std::string& target, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (fs::is_directory(target, ec)) return run_folder(st, target, out, err);
  return run_single(st, target, err);
}

}  // namespace vx11
