#include "ui/help_links.h"

#include "base/interaction.h"
#include "report/report_outlets.h"
#include "base/text.h"

namespace vx11 {

std::vector<std::string> homepage_command(const std::string& browser) {
  std::vector<std::string> argv = program_command(browser);
  argv.emplace_back(kHomepage);
  return argv;
}

std::vector<std::string> mail_command(const ProgramIdentity& id) {
  return {"xdg-open", std::string("mailto:") + kMailAddress + "?subject=" + id.short_name};
}

void start_link(ProcessStarter& starter, Interaction& ui, const std::vector<std::string>& argv) {
  if (argv.empty()) return;
  if (!starter.start(argv))
    ui.message(kCaptionError, "Programm " + nameText(argv.front()) + " kann nicht gestartet werden !");
}

std::string about_text(const ProgramIdentity& id) {
  return id.title + "\n" + "Version " + id.version + "\n\n" +
         "Scheibenfedern nach DIN 6888, Berechnung nach DIN 6892 Methode B\n\n" + "KORVANT\n" + kHomepage + "\n" +
         kMailAddress;
}

}  // namespace vx11
