// The one program-state object: everything the system treats as program-wide, passed by reference.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "calc/calc_context.h"
#include "calc/connection_record.h"
#include "calc/table_browser.h"
#include "calc/table_object.h"
#include "docu/documentation.h"
#include "project/configuration.h"
#include "base/identity.h"
#include "project/input_file.h"
#include "project/private_temp_folder.h"
#include "project/session.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "base/message_list.h"
#include "report/report_outlets.h"
#include "report/report_stream.h"

namespace vx11 {

class FrontendSwitch;

// The person's side of a run: the window provides dialogs, batch mode stand-ins that never wait.
struct Frontend {
  Interaction& ui;
  TableBrowser& browser;
  ReportOutlets outlets;
};

class ProgramState {
 public:
  explicit ProgramState(Frontend frontend);
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  ProgramIdentity identity;
  ConnectionRecord rec;
  Documentation doc;  // drawing texts, title block, change log and linked documents beside the record
  MessageList messages;
  Configuration config;
  std::string config_folder;  // where the configuration file was found (or is to be written)
  FormatSettings format;
  Session session;
  int help_number = 0;
  bool batch_cad = false;  // a command-line CAD output runs: writers take the file name without asking
  bool no_gui = false;     // "/NOGUI": no message summary after a rating, end on a fatal error
  // Linked documents whose program the person allowed to start in this session (linked_document.h).
  std::set<std::string> allowed_documents;
  // The command-line drawing output "/CADi:j" (file, switch) -> exit code; set by the drawings.
  std::function<int(ProgramState&, const std::string&, const std::string&)> cad_command;

  Interaction& ui;
  ReportOutlets outlets;
  // Set when `ui`, the browser and the outlets forward through a switch the window can retarget.
  FrontendSwitch* frontend_switch = nullptr;
  TableObject tables;
  ReportStream report;

  // The run's private folder for temporary files inside the configured "Temporärer Ordner", with a
  // trailing "/", made when first asked for; the configured folder itself only when no private
  // folder could be made there.
  const std::string& temp_folder() { return private_temp_.path(); }
  bool temp_folder_made() const { return private_temp_.made(); }

  // The references calculation-core operations share.
  CalcContext calc() { return CalcContext{rec, messages, format, tables, ui, help_number}; }
  // The references opening and saving input data files share.
  InputFileContext input_file() { return InputFileContext{rec, doc, format, ui, help_number, session, identity}; }
  InputFileOptions input_file_options() const { return InputFileOptions{config.archive_flag, ""}; }
  // Applies the configuration to the formatting settings, the run's temporary folder and the
  // table folders.
  void apply_configuration();

 private:
  PrivateTempFolder private_temp_;
};

}  // namespace vx11
