// "/JSON" through the real wvx11: the shipped examples read back with the JSON library and held
// against the report "/I" prints for them, the stopped rating, refusals, the folder mode and the
// faults of the file system.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "project/configuration.h"
#include "base/identity.h"
#include "tests/support/program_run.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const char* const kExamples[] = {"beispiel", "zwei_federn", "biegung", "ueberlast"};

class JsonCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::make_unique_folder("/tmp/vx11_json_XXXXXX");
    ASSERT_FALSE(dir.empty());
    ::chmod(dir.c_str(), 0755);  // an unprivileged run must reach its files
    for (const auto& e : fs::directory_iterator(fs::path(VX11_SOURCE_DIR) / "examples"))
      if (e.path().extension() == ".vxk") fs::copy_file(e.path(), dir / e.path().filename());
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  ProgramRun wvx11(std::vector<std::string> args) {
    return {VX11_BIN_DIR "/wvx11", std::move(args), dir.string(),
            {"XDG_CONFIG_HOME=" + (dir / "cfg").string(), "HOME=" + dir.string()}};
  }
  ProgramOutcome run(std::vector<std::string> args) { return run_program(wvx11(std::move(args))); }

  json parsed(const std::string& name) { return json::parse(read_file(dir / name)); }

  // The example with line `line` of the input data file replaced.
  void variant(const std::string& name, int line, const std::string& value) {
    std::string text = read_file(dir / "beispiel.vxk");
    std::size_t at = 0;
    for (int n = 1; n < line; ++n) at = text.find("\r\n", at) + 2;
    text.replace(at, text.find("\r\n", at) - at, value);
    write_file(dir / name, text);
  }

  std::vector<std::string> leftovers() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.path().filename().string().ends_with(".tmp")) names.push_back(e.path().filename().string());
    return names;
  }

  fs::path dir;
};

// One value line of the tab-separated report: the numbers of its value columns in order.
using ReportLines = std::multimap<std::string, std::vector<double>>;

std::vector<std::string> split(const std::string& line, char sep) {
  std::vector<std::string> parts;
  std::stringstream s(line);
  for (std::string p; std::getline(s, p, sep);) parts.push_back(p);
  return parts;
}

// A printed number ("6,5", "+0,1", "-0,10") and its decimals; false for anything else ("h9", ",,").
bool printed_number(std::string token, double& value, int& decimals) {
  for (char& c : token)
    if (c == ',') c = '.';
  if (token.empty() || token.find_first_not_of("+-.0123456789") != std::string::npos) return false;
  if (token.find_first_of("0123456789") == std::string::npos) return false;
  std::size_t used = 0;
  value = std::stod(token, &used);
  const auto dot = token.find('.');
  decimals = dot == std::string::npos ? 0 : static_cast<int>(token.size() - dot - 1);
  return used == token.size();
}

struct Printed {
  std::vector<double> values;
  std::vector<int> decimals;
};

// symbol + "#" + occurrence (from 1) -> the numbers of the line's value columns.
std::map<std::string, Printed> report_values(const std::string& report, std::vector<std::string>& messages) {
  std::map<std::string, Printed> values;
  std::map<std::string, int> seen;
  bool in_messages = false;
  for (std::string line : split(report, '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN") {
      in_messages = true;
      continue;
    }
    const auto fields = split(line, '\t');
    if (in_messages) {
      if (!fields.empty() && !fields[0].empty()) messages.push_back(fields[0]);
      continue;
    }
    if (fields.size() < 4 || fields[1].empty()) continue;
    Printed p;
    for (std::size_t f = 3; f < fields.size(); ++f)
      for (const auto& token : split(fields[f], ' ')) {
        double v;
        int d;
        if (printed_number(token, v, d)) {
          p.values.push_back(v);
          p.decimals.push_back(d);
        }
      }
    values[fields[1] + "#" + std::to_string(++seen[fields[1]])] = p;
  }
  return values;
}

using Getter = std::function<double(const json&)>;
Getter at(const std::string& pointer) {
  return [pointer](const json& r) { return r.at(json::json_pointer(pointer)).get<double>(); };
}

TEST_F(JsonCommand, ShippedExamplesAgreeWithTheReport) {
  // The report lines by symbol and occurrence, and the record fields they print, in column order.
  const std::vector<std::pair<std::string, std::vector<Getter>>> lines = {
      {"b#1", {at("/key_row/key_width_b")}},
      {"h#1", {at("/key_row/key_height_h")}},
      {"h min#1", {[](const json& r) { return r["key_row"]["key_height_h"].get<double>() + r["h_deviation"].get<double>(); }}},
      {"d2#1", {at("/key_row/key_diameter_d2")}},
      {"l#1", {at("/key_length_l")}},
      {"d1#1", {at("/key_row/shaft_range_min_d1"), at("/key_row/shaft_range_max_d1")}},
      {"t1#1", {at("/shaft_groove_depth_t1"), at("/t1_tolerance")}},
      {"t2#1", {at("/hub_groove_depth_t2"), at("/t2_tolerance")}},
      {"r1#1", {at("/key_row/key_rounding_r1"), at("/r1_tolerance")}},
      {"r2#1", {at("/groove_rounding_r2"), at("/r2_tolerance")}},
      {"A3#1", {at("/area_key_a3")}},
      {"A3min#1", {at("/area_key_min_a3min")}},
      {"A2#1", {at("/area_hub_groove_a2")}},
      {"A2min#1", {at("/area_hub_min_a2min")}},
      {"A1#1", {at("/area_shaft_groove_a1")}},
      {"A1min#1", {at("/area_shaft_min_a1min")}},
      {"d1#2", {at("/shaft_diameter_d")}},
      {"r2#2", {at("/groove_rounding_r2"), at("/groove_rounding_r2")}},
      {"r2tol#1", {at("/r2_tolerance"), at("/r2_tolerance")}},
      {"Re#1", {at("/material/0/yield_re"), at("/material/1/yield_re")}},
      {"fS#1", {at("/support_factor_fs/0"), at("/support_factor_fs/1")}},
      {"fH#1", {at("/hardness_factor_fh/0"), at("/hardness_factor_fh/1")}},
      {"pzul#1", {at("/plim/0"), at("/plim/1")}},
      {"Re#2", {at("/material/2/yield_re")}},
      {"fS#2", {at("/support_factor_fs/2")}},
      {"fH#2", {at("/hardness_factor_fh/2")}},
      {"pzul#2", {at("/plim/2")}},
      {"Tnenn#1", {at("/nominal_torque_tn")}},
      {"Tmax#1", {at("/max_torque_tmax")}},
      {"KA#1", {at("/application_factor_ka")}},
      {"fW#1", {at("/load_reversal_factor_fw")}},
      {"Teq#1", {at("/equivalent_torque_teq")}},
      {"Feq#1", {at("/equivalent_force_feq")}},
      {"Fmax#1", {at("/max_force_fmax")}},
      {"K nue eq#1", {at("/bearing_factor_k_nu_eq")}},
      {"K nue max#1", {at("/bearing_factor_k_nu_max")}},
      {"K lambda#1", {at("/load_distribution_factor_klambda")}},
      {"KR#1", {at("/friction_factor_kr")}},
      {"peq#1", {at("/peq/0"), at("/peq/1")}},
      {"pmax#1", {at("/pmax/0"), at("/pmax/1")}},
      {"Mbmax#1", {at("/bending_moment_mbmax")}},
      {"alpha kt#1", {at("/alpha_kt")}},
      {"alpha kb#1", {at("/alpha_kb")}},
      {"taunmax#1", {at("/tau_max")}},
      {"Sig.b.max#1", {at("/sigma_b_max")}},
      {"fL W/N#1", {at("/load_peak_factor_fl/0"), at("/load_peak_factor_fl/1")}},
      {"fL PF#1", {at("/load_peak_factor_fl/2")}},
      {"Seq#1", {at("/safety_seq/0"), at("/safety_seq/1")}},
      {"Smax#1", {at("/safety_smax/0"), at("/safety_smax/1")}},
      {"Seq#2", {at("/safety_seq/2")}},
      {"Smax#2", {at("/safety_smax/2")}},
  };
  for (const char* example : kExamples) {
    SCOPED_TRACE(example);
    const std::string input = std::string(example) + ".vxk";
    const ProgramOutcome report_run = run({input, "/I"});
    const ProgramOutcome json_run = run({input, "/JSON"});
    ASSERT_EQ(report_run.exit_code, 0) << report_run.err;
    ASSERT_EQ(json_run.exit_code, 0) << json_run.err;
    EXPECT_EQ(json_run.out + json_run.err, "");
    const json j = parsed(std::string(example) + ".json");
    EXPECT_EQ(j["program"], "VX11");
    EXPECT_EQ(j["version"], "1.1");
    EXPECT_EQ(j["input"], input);
    EXPECT_EQ(j["fatal_error"], false);
    std::vector<std::string> messages;
    const auto printed = report_values(read_file(dir / (std::string(example) + ".txt")), messages);
    EXPECT_EQ(j["messages"].get<std::vector<std::string>>(), messages);
    const json& rec = j["record"];
    for (const auto& [key, getters] : lines) {
      const auto it = printed.find(key);
      ASSERT_NE(it, printed.end()) << key;
      ASSERT_EQ(it->second.values.size(), getters.size()) << key;
      for (std::size_t i = 0; i < getters.size(); ++i) {
        const double value = getters[i](rec);
        const double half_unit = 0.5 * std::pow(10.0, -it->second.decimals[i]);
        EXPECT_LE(std::fabs(value - it->second.values[i]), half_unit * (1 + 1e-9)) << key << " column " << i;
      }
    }
  }
}

TEST_F(JsonCommand, EveryRecordFieldUnderItsName) {
  ASSERT_EQ(run({"beispiel.vxk", "/JSON"}).exit_code, 0);
  const json j = parsed("beispiel.json");
  const json& rec = j["record"];
  for (const char* name :
       {"shaft_diameter_d", "key_count", "key_series", "key_row_number", "key_reserved_flag", "fit_hub", "fit_shaft",
        "alpha_kb", "key_row", "material", "material_row_number", "hardness_factor_fh", "support_factor_fs",
        "nominal_torque_tn", "max_torque_tmax", "application_factor_ka", "load_distribution_factor_klambda",
        "friction_factor_kr", "bending_moment_mbmax", "load_reversal_factor_fw", "load_peak_factor_fl",
        "shaft_groove_depth_t1", "hub_groove_depth_t2", "t1_tolerance", "t2_tolerance", "r1_tolerance",
        "groove_rounding_r2", "r2_tolerance", "h_deviation", "key_length_l", "groove_chord_l1", "area_key_a3",
        "area_shaft_groove_a1", "area_hub_groove_a2", "area_key_min_a3min", "area_shaft_min_a1min",
        "area_hub_min_a2min", "equivalent_torque_teq", "equivalent_force_feq", "max_force_fmax",
        "bearing_factor_k_nu_eq", "bearing_factor_k_nu_max", "alpha_kt", "tau_max", "sigma_b_max", "plim", "peq",
        "pmax", "safety_seq", "safety_smax"})
    EXPECT_TRUE(rec.contains(name)) << name;
  EXPECT_EQ(rec["key_row"].size(), 12u);
  ASSERT_EQ(rec["material"].size(), 3u);
  for (const char* name : {"number", "name", "number2", "type_number", "tensile_rm", "yield_re", "table_int_7", "reals", "texts"})
    EXPECT_TRUE(rec["material"][0].contains(name)) << name;
  EXPECT_EQ(rec["material"][0]["name"], "S355J2G3 (St52-3)");
  for (const char* name : {"plim", "peq", "pmax", "safety_seq", "safety_smax", "load_peak_factor_fl"})
    EXPECT_EQ(rec[name].size(), 3u) << name;
  const json& doc = j["documentation"];
  EXPECT_EQ(doc["info_text"].size(), 3u);
  EXPECT_EQ(doc["inner_part_name"], "Welle");
  const json& design = j["design"];
  EXPECT_EQ(design["targets"], (json{{"seq", 1}, {"smax", 1}}));
  EXPECT_EQ(design["keys"].size(), 96u);
  for (const char* name : {"tn_perm", "tn_perm_part", "tmax_perm", "tmax_perm_part", "tmax_tau"})
    EXPECT_TRUE(design.contains(name)) << name;
}

// Texts of the record are code page 850 inside the program: they come out as UTF-8 whatever the
// configuration says about the screen (plain letters, decimal comma, inch display), and the
// record stays metric.
TEST_F(JsonCommand, ConfigurationDoesNotChangeTheFile) {
  ASSERT_EQ(run({"zwei_federn.vxk", "/JSON"}).exit_code, 0);
  const json plain = parsed("zwei_federn.json");
  Configuration config = default_configuration(dir.string() + "/");
  config.dbf_folder = VX11_DATA_DIR;
  config.ascii_mode = 1;
  config.decimal_separator = 2;
  config.unit_system = 1;
  {
    std::ofstream out(dir / "vx11.cfg", std::ios::binary);
    write_configuration(out, config, ProgramIdentity{});
  }
  const ProgramOutcome r = run({"zwei_federn.vxk", "/JSON"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string text = read_file(dir / "zwei_federn.json");
  const json configured = json::parse(text);
  EXPECT_EQ(configured["documentation"]["info_text"][1], "Kettenantrieb F\xC3\xB6rderband");
  EXPECT_NE(text.find("\"shaft_diameter_d\": 30,"), std::string::npos);
  EXPECT_EQ(configured["record"], plain["record"]);
  EXPECT_EQ(configured["documentation"], plain["documentation"]);
  EXPECT_EQ(configured["design"]["tn_perm"], plain["design"]["tn_perm"]);
  EXPECT_EQ(configured["design"]["keys"].size(), 96u);
}

TEST_F(JsonCommand, SameBytesUnderADecimalCommaLocale) {
  ASSERT_EQ(run({"beispiel.vxk", "/JSON"}).exit_code, 0);
  const std::string plain = read_file(dir / "beispiel.json");
  fs::remove(dir / "beispiel.json");
  ProgramRun german = wvx11({"beispiel.vxk", "/JSON"});
  german.env.push_back("LC_ALL=de_DE.UTF-8");
  german.env.push_back("LANG=de_DE.UTF-8");
  ASSERT_EQ(run_program(german).exit_code, 0);
  EXPECT_EQ(read_file(dir / "beispiel.json"), plain);
  EXPECT_NE(plain.find("\"shaft_diameter_d\": 20,"), std::string::npos);
}

// No key chosen: the rating stops. The file says so, holds the inputs only, and the run fails.
TEST_F(JsonCommand, StoppedRatingIsWrittenAndFails) {
  variant("ohne_feder.vxk", 25, "0");
  const ProgramOutcome r = run({"ohne_feder.vxk", "/JSON"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "ohne_feder.vxk: Fatal  : d2 = 0 !\n");
  const json j = parsed("ohne_feder.json");
  EXPECT_EQ(j["fatal_error"], true);
  EXPECT_EQ(j["messages"], json::array({"Fatal  : d2 = 0 !"}));
  EXPECT_TRUE(j["record"].contains("shaft_diameter_d"));
  for (const char* result : {"shaft_groove_depth_t1", "key_length_l", "area_key_a3", "peq", "safety_seq", "tau_max"})
    EXPECT_FALSE(j["record"].contains(result)) << result;
  EXPECT_EQ(j["design"]["fatal_message"], "Fatal  : d2 = 0 !");
  EXPECT_FALSE(j["design"].contains("tn_perm"));
  // The key search is what helps here: it still ranks every key for the diameter.
  EXPECT_EQ(j["design"]["keys"].size(), 96u);
  EXPECT_EQ(j["design"]["keys"][0]["meets_targets"], true);
}

TEST_F(JsonCommand, UnreadableInputsAndRefusedNames) {
  {
    SCOPED_TRACE("missing input");
    const ProgramOutcome r = run({"fehlt.vxk", "/JSON"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_TRUE(r.err.starts_with("fehlt.vxk: ")) << r.err;
    EXPECT_GT(r.err.size(), std::string("fehlt.vxk: \n").size());
    EXPECT_FALSE(fs::exists(dir / "fehlt.json"));
  }
  {
    SCOPED_TRACE("damaged input");
    write_file(dir / "kaputt.vxk", "kein VX11\r\n");
    const ProgramOutcome r = run({"kaputt.vxk", "/json"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_TRUE(r.err.starts_with("kaputt.vxk: ")) << r.err;
    EXPECT_FALSE(fs::exists(dir / "kaputt.json"));
  }
  {
    SCOPED_TRACE("read but not rated: the key table is missing");
    Configuration config = default_configuration(dir.string() + "/");
    config.dbf_folder = (dir / "leer").string();
    fs::create_directories(dir / "leer");
    {
      std::ofstream out(dir / "vx11.cfg", std::ios::binary);
      write_configuration(out, config, ProgramIdentity{});
    }
    const ProgramOutcome r = run({"beispiel.vxk", "/JSON"});
    fs::remove(dir / "vx11.cfg");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("beispiel.vxk: Datei " + (dir / "leer" / "din6888.dbf").string() +
                         " nicht gefunden oder kein Zugriffsrecht !"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(dir / "beispiel.json"));
  }
  {
    SCOPED_TRACE("the output would be the input itself");
    write_file(dir / "daten.json", "{}");
    const ProgramOutcome r = run({"daten.json", "/JSON"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("daten.json"), std::string::npos);
    EXPECT_EQ(read_file(dir / "daten.json"), "{}");
  }
  {
    SCOPED_TRACE("last extension replaced, in a sub folder");
    fs::create_directories(dir / "sub");
    fs::copy_file(dir / "beispiel.vxk", dir / "sub" / "a.b.vxk");
    EXPECT_EQ(run({"sub/a.b.vxk", "/JSON"}).exit_code, 0);
    EXPECT_EQ(parsed("sub/a.b.json")["input"], "sub/a.b.vxk");
  }
}

// Every input data file of the folder but the template, one line each in name order; one damaged
// file fails the run without stopping the others.
TEST_F(JsonCommand, FolderWithOneBadFile) {
  write_file(dir / "kaputt.vxk", "kein VX11\r\n");
  const ProgramOutcome r = run({dir.string(), "/JSON"});
  EXPECT_EQ(r.exit_code, 1);
  const auto lines = split(r.out, '\n');
  ASSERT_EQ(lines.size(), 5u) << r.out;
  EXPECT_TRUE(r.out.ends_with("\n"));
  EXPECT_EQ(lines[0], "beispiel.vxk: ok");
  EXPECT_EQ(lines[1], "biegung.vxk: ok");
  EXPECT_TRUE(lines[2].starts_with("kaputt.vxk: ")) << lines[2];
  EXPECT_NE(lines[2], "kaputt.vxk: ok");
  EXPECT_EQ(lines[3], "ueberlast.vxk: ok");
  EXPECT_EQ(lines[4], "zwei_federn.vxk: ok");
  EXPECT_EQ(r.err, "1 von 5 Dateien ohne vollst\xC3\xA4ndige Bewertung\n");
  for (const char* name : kExamples) EXPECT_EQ(parsed(std::string(name) + ".json")["fatal_error"], false) << name;
  EXPECT_FALSE(fs::exists(dir / "kaputt.json"));
  EXPECT_FALSE(fs::exists(dir / "null.json"));
  EXPECT_TRUE(leftovers().empty());

  fs::remove(dir / "kaputt.vxk");
  EXPECT_EQ(run({dir.string(), "/JSON"}).exit_code, 0);
}

// Two inputs that differ only in the case of their extension would make one result: the second
// is refused, not written over the first.
TEST_F(JsonCommand, FolderRefusesASecondInputForTheSameResult) {
  fs::create_directories(dir / "zwei");
  fs::copy_file(dir / "beispiel.vxk", dir / "zwei" / "a.vxk");
  fs::copy_file(dir / "ueberlast.vxk", dir / "zwei" / "a.VXK");
  const ProgramOutcome r = run({"zwei", "/JSON"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "a.VXK: ok\na.vxk: zwei/a.json geh\xC3\xB6rt schon zu a.VXK, nicht geschrieben\n");
  EXPECT_EQ(parsed("zwei/a.json")["input"], "zwei/a.VXK");
}

TEST_F(JsonCommand, EmptyFolderFails) {
  fs::create_directories(dir / "leer");
  const ProgramOutcome r = run({"leer", "/JSON"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "leer: keine Eingabedateien (*.vxk)\n");
}

// A full disk: the old result stays as it was, nothing half-written is left, and the run fails.
TEST_F(JsonCommand, FullDiskKeepsTheOldFile) {
  write_file(dir / "beispiel.json", "alt");
  ProgramRun single = wvx11({"beispiel.vxk", "/JSON"});
  single.file_size_limit = 4096;  // the result is tens of kilobytes
  const ProgramOutcome r = run_program(single);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "beispiel.json nicht geschrieben: File too large\n");
  EXPECT_EQ(read_file(dir / "beispiel.json"), "alt");

  ProgramRun folder = wvx11({dir.string(), "/JSON"});
  folder.file_size_limit = 4096;
  const ProgramOutcome f = run_program(folder);
  EXPECT_EQ(f.exit_code, 1);
  EXPECT_NE(f.out.find("beispiel.vxk: " + (dir / "beispiel.json").string() + " nicht geschrieben: File too large\n"),
            std::string::npos)
      << f.out;
  EXPECT_EQ(read_file(dir / "beispiel.json"), "alt");
  EXPECT_FALSE(fs::exists(dir / "biegung.json"));
  EXPECT_TRUE(leftovers().empty());
}

TEST_F(JsonCommand, UnwritableAndUnreadableFoldersForAnUnprivilegedUser) {
  ProgramRun single = wvx11({"beispiel.vxk", "/JSON"});
  if (!run_unprivileged(single)) GTEST_SKIP() << "needs root to run as the unprivileged user nobody";
  fs::create_directories(dir / "cfg");
  ::chmod((dir / "cfg").c_str(), 0777);
  const ProgramOutcome r = run_program(single);
  EXPECT_EQ(r.exit_code, 1);
  // The configuration's folder checks may complain first: the working folder is not the user's.
  EXPECT_TRUE(r.err.ends_with("beispiel.json nicht geschrieben: Permission denied\n")) << r.err;
  EXPECT_FALSE(fs::exists(dir / "beispiel.json"));

  ProgramRun folder = wvx11({dir.string(), "/JSON"});
  run_unprivileged(folder);
  const ProgramOutcome f = run_program(folder);
  EXPECT_EQ(f.exit_code, 1);
  EXPECT_EQ(split(f.out, '\n').size(), 4u) << f.out;
  EXPECT_NE(f.out.find("zwei_federn.vxk: " + (dir / "zwei_federn.json").string() + " nicht geschrieben: Permission denied"),
            std::string::npos)
      << f.out;

  fs::create_directories(dir / "geheim");
  fs::copy_file(dir / "beispiel.vxk", dir / "geheim" / "a.vxk");
  ::chmod((dir / "geheim").c_str(), 0700);
  ProgramRun hidden = wvx11({"geheim", "/JSON"});
  run_unprivileged(hidden);
  const ProgramOutcome h = run_program(hidden);
  EXPECT_EQ(h.exit_code, 1);
  EXPECT_TRUE(h.err.ends_with("geheim: Ordner nicht lesbar: Permission denied\n")) << h.err;
}

}  // namespace
}  // namespace vx11::test
