#include "project/report_source.h"

#include <filesystem>

#include "project/input_file.h"
#include "project/startup.h"

namespace vx11 {

void update_report_source(ProgramState& st) {
  ReportSource source = st.report.source();
  // A name typed on the command line holds its folder and extension: the output is named after
  // the base name, so it can never be the input file itself.
  const Session& s = st.session;
  const std::string path = s.current_file.empty() ? std::string() : resolve_input_path(s, s.current_file);
  const std::string folder =
      path.empty() ? s.data_directory : std::filesystem::path(path).parent_path().string();
  source.file_name = path.empty() ? std::string() : base_name(path);
  source.data_directory = folder;
  source.output_folder = folder;
  // The header names the file as it is, also one whose extension is not the data extension.
  const std::string extension = std::filesystem::path(path).extension().string();
  source.data_extension = extension.size() > 1 ? extension.substr(1) : s.data_extension;
  source.info_text = st.doc.info_text;
  st.report.set_source(source);
}

}  // namespace vx11
