#include "report/channel_choice.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/help_numbers.h"
#include "base/paths.h"
#include "base/text.h"

namespace vx11 {

namespace {

bool exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool has_extension(const std::string& path) {
  return std::filesystem::path(path).filename().string().find('.') != std::string::npos;
}

// The file dialog, preset with the output name, and the question before overwriting a file.
bool open_chosen_file(const ReportContext& context, const ReportSource& source, ChannelTarget& target,
                      const char* extension, const std::string& title) {
  context.help_number = kHelpOutputFile;
  std::string name = target.output_name();
  if (const auto dot = name.rfind('.'); dot != std::string::npos) name = name.substr(0, dot);
  name += std::string(".") + extension;
  const auto chosen = context.ui.save_file(title, source.data_directory, name, std::string("*.") + extension);
  if (!chosen || trimBlanks(*chosen).empty()) {
    target.stop();
    return false;
  }
  std::string path = *chosen;
  if (!has_extension(path)) path += std::string(".") + extension;
  if (exists(path)) {
    const std::string question =
        nameText(path) + " " + "existiert bereits" + ".   " + "\x81" "berschreiben" + " ?";
    if (context.ui.ask_yes_no_cancel(context.identity.title, question) != Answer::Yes) {
      target.stop();
      return false;
    }
  }
  return target.create(path, true);
}

}  // namespace

const std::vector<std::string>& channel_choice_names() {
  static const std::vector<std::string> names = {
      "Bildschirm", "Textdrucker", "Datei", "Windows-Drucker", "externes Textprogramm",
      "TXT File (Excel, QPRO ...)", "HTML File (Netscape, Internet Explorer ...)"};
  return names;
}

std::string printout_output_name(const ReportSource& source, std::string_view name) {
  if (name.empty()) return with_slash(source.output_folder) + source.file_name + ".txt";
  std::string chosen(name);
  if (!has_extension(chosen)) chosen += ".txt";
  return chosen;
}

bool choose_channel(const ReportContext& context, int channel, ChannelTarget& target) {
  target.set_channel(context.config.text_device);
  context.help_number = kHelpChannelChoice;
  if (channel != 0) {
    target.set_channel(channel);
  } else if (context.config.text_device_window) {
    const auto& names = channel_choice_names();
    const int configured = target.channel();
    const int preset = configured >= 1 && configured <= static_cast<int>(names.size()) ? configured - 1 : 0;
    const auto chosen = context.ui.choose("Ausgabe auf ..", names, preset);
    if (!chosen) {
      context.cancelled = true;
      return false;
    }
    target.set_channel(*chosen + 1);
  }
  return true;
}

bool open_channel_target(const ReportContext& context, const ReportSource& source, ChannelTarget& target) {
  const auto& names = channel_choice_names();
  // Asked for only where a file is made: a text kept in memory needs no temporary folder.
  const auto temp = [&target] { return target.temp_folder(); };
  const auto scratch_name = [&target](const std::string& folder) {
    return folder + "$$$" + std::to_string(target.txt_counter() + 1) + ".txt";
  };
  switch (target.channel()) {
    case kChannelTextPrinter: {
      context.help_number = kHelpTextPrinter;
      const Answer pause = context.ui.ask_yes_no_cancel(context.identity.title, "Pause nach jeder Seite ?");
      if (pause == Answer::Cancel) {
        target.stop();
        return false;
      }
      target.set_pause(pause == Answer::Yes);
      if (!target.create(printer_port_device(context.config.printer_port))) return false;
      // The printer set-up sequence goes out unchanged before the text.
      std::ifstream setup(with_slash(source.working_folder) + "TEXT.KVP", std::ios::binary);
      if (setup.is_open() && setup.peek() != std::char_traits<char>::eof()) *target.out() << setup.rdbuf();
      return true;
    }
    case kChannelFile:
      target.set_pause(false);
      return open_chosen_file(context, source, target, "txt", names[kChannelFile - 1]);
    case kChannelTabFile:
      if (context.config.text_device_window)
        return open_chosen_file(context, source, target, "txt", names[kChannelTabFile - 1]);
      context.help_number = kHelpOutputFile;
      return target.create(scratch_name(temp()));
    case kChannelBatchTabFile:
      context.help_number = kHelpOutputFile;
      // The name its header shows: the scratch name of the configured folder, the same in every
      // run, although the text never goes there.
      target.set_path(scratch_name(target.configured_temp_folder()));
      if (target.in_memory()) target.gather_in_memory();
      return true;
    case kChannelHtml:
      if (trimBlanks(context.config.html_browser).empty())
        return open_chosen_file(context, source, target, "htm", names[kChannelHtml - 1]);
      context.help_number = kHelpOutputFile;
      return target.create(temp() + lower(context.identity.short_name) + ".htm");
    case kChannelScreen:
    case kChannelPrinter:
    case kChannelTextProgram:
      target.set_pause(false);
      return target.create_temporary();
    case kChannelDosFile:
      target.set_pause(false);
      return target.create(temp() + "OUTDOS.TXT");
    default:
      return true;  // no target: the counters are reset and nothing is written
  }
}

}  // namespace vx11
